#pragma once

#include "platform/desktop.h"

namespace colvexa::platform {

// The Windows desktop: the Win32 calls over the window's own handle. The program declares
// itself per-monitor DPI aware, so every coordinate is a physical pixel.
class Win32Desktop final : public Desktop {
public:
    bool CursorPos(CursorPoint& point) override;
    std::uint32_t PixelAt(std::int32_t x, std::int32_t y) override;
    void PlaceTopmost(QWidget& window) override;
    bool StartSystemMove(QWidget& window) override;
};

}  // namespace colvexa::platform
