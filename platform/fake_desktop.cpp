#include "platform/fake_desktop.h"

#include <algorithm>

namespace colvexa::platform {

int FakeDesktop::CountOf(Call call) const {
    return static_cast<int>(std::count(calls.begin(), calls.end(), call));
}

bool FakeDesktop::CursorPos(CursorPoint& point) {
    calls.push_back(Call::CursorPos);
    if (cursor_readable) {
        point = cursor;
    }
    return cursor_readable;
}

std::uint32_t FakeDesktop::PixelAt(std::int32_t x, std::int32_t y) {
    calls.push_back(Call::PixelAt);
    pixel_reads.push_back({x, y});
    return pixel;
}

void FakeDesktop::PlaceTopmost(QWidget& window) {
    calls.push_back(Call::PlaceTopmost);
    topmost_windows.push_back(&window);
}

bool FakeDesktop::StartSystemMove(QWidget& window) {
    calls.push_back(Call::StartSystemMove);
    moved_windows.push_back(&window);
    return system_move_result;
}

}  // namespace colvexa::platform
