#include "platform/qt_desktop.h"

#include <QCursor>
#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QScreen>
#include <QWidget>
#include <QWindow>

#include "core/color_sample.h"

namespace colvexa::platform {

bool QtDesktop::CursorPos(CursorPoint& point) {
    const QPoint pos = QCursor::pos();
    point = {pos.x(), pos.y()};
    return true;
}

std::uint32_t QtDesktop::PixelAt(std::int32_t x, std::int32_t y) {
    const QPoint at(x, y);
    QScreen* screen = QGuiApplication::screenAt(at);
    if (!screen) {
        return CLR_INVALID;
    }
    // With window 0 the offset is taken from the screen's top-left corner.
    const QPoint offset = at - screen->geometry().topLeft();
    const QImage image = screen->grabWindow(0, offset.x(), offset.y(), 1, 1).toImage();
    if (image.isNull()) {
        return CLR_INVALID;
    }
    const QRgb rgb = image.pixel(0, 0);
    return static_cast<std::uint32_t>(qRed(rgb)) | static_cast<std::uint32_t>(qGreen(rgb)) << 8 |
           static_cast<std::uint32_t>(qBlue(rgb)) << 16;
}

void QtDesktop::PlaceTopmost(QWidget& window) {
    window.raise();
}

bool QtDesktop::StartSystemMove(QWidget& window) {
    QWindow* handle = window.windowHandle();
    return handle && handle->startSystemMove();
}

}  // namespace colvexa::platform
