#include "tests/support/qt_app.h"

#include <qguiapplication_platform.h>
#include <QApplication>
#include <cstdlib>
#include <stdexcept>

namespace colvexa::test {

QtApp::QtApp() {
    qputenv("QT_QPA_PLATFORM", "xcb");
    app_ = std::make_unique<QApplication>(argc_, argv_);
    if (!Connection()) {
        throw std::runtime_error("Qt did not open an xcb connection");
    }
}

QtApp::~QtApp() = default;

xcb_connection_t* QtApp::Connection() const {
    auto* x11 = app_->nativeInterface<QNativeInterface::QX11Application>();
    return x11 ? x11->connection() : nullptr;
}

void QtApp::Sync() {
    // Qt holds requests in its buffer until its event loop runs; a round trip sends them.
    xcb_connection_t* c = Connection();
    std::free(xcb_get_input_focus_reply(c, xcb_get_input_focus(c), nullptr));
}

void QtApp::ProcessEvents() {
    QCoreApplication::processEvents();
}

}  // namespace colvexa::test
