#include "platform/qt_desktop.h"

#include <QCursor>
#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QScreen>
#include <QWidget>
#include <QWindow>

#include <cstdio>

#include "core/color_sample.h"

namespace colvexa::platform {

bool QtDesktop::CursorPos(CursorPoint& point) {
    const QPoint pos = QCursor::pos();
    point = {pos.x(), pos.y()};
    return true;
}

std::uint32_t QtDesktop::PixelAt(std::int32_t x, std::int32_t y) {
    // Wayland lets no client read another's pixels: say so from the first tick, whether or
    // not the pointer is over one of our own windows.
    if (noPixels_) {
        TellNoPixels();
        return CLR_INVALID;
    }
    const QPoint at(x, y);
    QScreen* screen = QGuiApplication::screenAt(at);
    if (!screen) {
        return CLR_INVALID;
    }
    // With window 0 the offset is taken from the screen's top-left corner.
    const QPoint offset = at - screen->geometry().topLeft();
    const QImage image = screen->grabWindow(0, offset.x(), offset.y(), 1, 1).toImage();
    if (image.isNull()) {
        TellNoPixels();
        return CLR_INVALID;
    }
    const QRgb rgb = image.pixel(0, 0);
    return static_cast<std::uint32_t>(qRed(rgb)) | static_cast<std::uint32_t>(qGreen(rgb)) << 8 |
           static_cast<std::uint32_t>(qBlue(rgb)) << 16;
}

void QtDesktop::TellNoPixels() {
    // Once, not every 50 ms: the readouts show "n/a" from here on.
    if (!toldNoPixels_) {
        toldNoPixels_ = true;
        std::fprintf(stderr,
                     "colvexa: the %s platform does not let programs read the screen's pixels, "
                     "so no colour can be shown\n",
                     qPrintable(QGuiApplication::platformName()));
    }
}

void QtDesktop::PlaceTopmost(QWidget& window) {
    window.raise();
}

bool QtDesktop::StartSystemMove(QWidget& window) {
    QWindow* handle = window.windowHandle();
    return handle && handle->startSystemMove();
}

}  // namespace colvexa::platform
