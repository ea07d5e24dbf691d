#pragma once

#include <cstdint>
#include <vector>

#include "platform/desktop.h"

namespace colvexa::platform {

// A desktop for tests: it shows what the test sets and writes down what it was asked.
class FakeDesktop final : public Desktop {
public:
    enum class Call { PlaceTopmost, CursorPos, PixelAt, StartSystemMove };

    // What the desktop shows.
    CursorPoint cursor;
    bool cursor_readable = true;     // false: CursorPos fails and leaves its point alone
    std::uint32_t pixel = 0;         // what PixelAt gives for any point
    bool system_move_result = true;  // what StartSystemMove gives

    // What it was asked, in order.
    std::vector<Call> calls;
    std::vector<CursorPoint> pixel_reads;   // PixelAt's points
    std::vector<QWidget*> topmost_windows;  // PlaceTopmost's windows
    std::vector<QWidget*> moved_windows;    // StartSystemMove's windows

    int CountOf(Call call) const;

    bool CursorPos(CursorPoint& point) override;
    std::uint32_t PixelAt(std::int32_t x, std::int32_t y) override;
    void PlaceTopmost(QWidget& window) override;
    bool StartSystemMove(QWidget& window) override;
};

}  // namespace colvexa::platform
