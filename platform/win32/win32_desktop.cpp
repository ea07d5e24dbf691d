#include "platform/win32/win32_desktop.h"

#include <QWidget>

#include "platform/win32/win32_calls.h"

namespace colvexa::platform {

namespace {

HWND HandleOf(QWidget& window) {
    // The top-level window's handle; winId() on a child would make the child native.
    return reinterpret_cast<HWND>(window.window()->winId());
}

}  // namespace

bool Win32Desktop::CursorPos(CursorPoint& point) {
    const std::optional<POINT> cursor = win32::ReadCursor();
    if (!cursor) {
        return false;
    }
    point = {static_cast<std::int32_t>(cursor->x), static_cast<std::int32_t>(cursor->y)};
    return true;
}

std::uint32_t Win32Desktop::PixelAt(std::int32_t x, std::int32_t y) {
    return win32::ReadPixel(x, y);
}

void Win32Desktop::PlaceTopmost(QWidget& window) {
    win32::PlaceTopmost(HandleOf(window));
}

bool Win32Desktop::StartSystemMove(QWidget& window) {
    return win32::StartSystemMove(HandleOf(window));
}

}  // namespace colvexa::platform
