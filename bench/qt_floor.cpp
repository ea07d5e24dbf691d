// The toolkit floors. With "timer" (the qt_floor target): a Qt Widgets window of the main
// window's size whose 50 ms timer does the tick's XCB reads and raise() and nothing else.
// Without (qt_minimal_window): the same window with no timer, for start-up and memory.
#include <qguiapplication_platform.h>
#include <xcb/xcb.h>

#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <cstdlib>

namespace colvexa::bench {

class FloorWindow : public QWidget {
public:
    explicit FloorWindow(bool ticking)
        : QWidget(nullptr, Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint) {
        setGeometry(317, 300, 154, 213);
        QPalette p = palette();
        p.setColor(QPalette::Window, Qt::white);
        setPalette(p);
        setAutoFillBackground(true);
        if (!ticking) {
            return;
        }
        auto* x11 = qApp->nativeInterface<QNativeInterface::QX11Application>();
        connection_ = x11 ? x11->connection() : nullptr;
        if (connection_) {
            root_ = xcb_setup_roots_iterator(xcb_get_setup(connection_)).data->root;
        }
        timer_.setInterval(50);
        connect(&timer_, &QTimer::timeout, this, &FloorWindow::Tick);
        timer_.start();
    }

    // Out of line, so a profile shows one call per tick.
    [[gnu::noinline]] void Tick() {
        raise();
        if (!connection_) {
            return;
        }
        xcb_query_pointer_reply_t* pointer =
            xcb_query_pointer_reply(connection_, xcb_query_pointer(connection_, root_), nullptr);
        if (!pointer) {
            return;
        }
        xcb_get_image_reply_t* image =
            xcb_get_image_reply(connection_,
                                xcb_get_image(connection_, XCB_IMAGE_FORMAT_Z_PIXMAP, root_,
                                              pointer->root_x, pointer->root_y, 1, 1, ~0u),
                                nullptr);
        if (image && xcb_get_image_data_length(image) >= 4) {
            pixel_ = xcb_get_image_data(image)[0];
        }
        std::free(image);
        std::free(pointer);
    }

private:
    QTimer timer_;
    xcb_connection_t* connection_ = nullptr;
    xcb_window_t root_ = XCB_NONE;
    volatile std::uint8_t pixel_ = 0;
};

}  // namespace colvexa::bench

int main(int argc, char** argv) {
    int toolkitArgc = argc > 0 ? 1 : 0;
    QApplication app(toolkitArgc, argv);
#ifdef COLVEXA_FLOOR_TICKS
    colvexa::bench::FloorWindow window(true);
#else
    colvexa::bench::FloorWindow window(false);
#endif
    window.show();
    return app.exec();
}
