#pragma once

#include <QAbstractNativeEventFilter>
#include <QByteArray>
#include <memory>
#include <ostream>

#include "platform/desktop.h"
#include "platform/make_desktop.h"
#include "tests/support/qt_app.h"
#include "tests/support/x_server.h"

namespace colvexa::platform {

inline std::ostream& operator<<(std::ostream& out, const CursorPoint& p) {
    return out << "(" << p.x << ", " << p.y << ")";
}

// A private X server, the program's QApplication on it and the desktop MakeDesktop gives
// there; torn down in the reverse order.
struct Session {
    explicit Session(const test::XServerOptions& options) : server(options) {
        server.pump = &test::QtApp::ProcessEvents;
        desktop = MakeDesktop();
    }

    test::XServer server;
    test::QtApp app;
    std::unique_ptr<Desktop> desktop;
};

// Counts the X errors that reach Qt's event queue, where Qt reports them.
class XErrorCounter : public QAbstractNativeEventFilter {
public:
    int errors = 0;

    bool nativeEventFilter(const QByteArray& type, void* message, qintptr*) override {
        if (type == "xcb_generic_event_t" &&
            static_cast<xcb_generic_event_t*>(message)->response_type == 0) {
            ++errors;
        }
        return false;
    }
};

}  // namespace colvexa::platform
