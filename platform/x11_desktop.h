#pragma once

#include <xcb/xcb.h>

#include "platform/desktop.h"

namespace colvexa::platform {

// The desktop of an X server, asked over an XCB connection that outlives this object (Qt's
// own, in the program). Positions and pixels are the root window's.
class X11Desktop final : public Desktop {
public:
    X11Desktop(xcb_connection_t* connection, int screen_number);

    bool CursorPos(CursorPoint& point) override;
    std::uint32_t PixelAt(std::int32_t x, std::int32_t y) override;
    void PlaceTopmost(QWidget& window) override;
    bool StartSystemMove(QWidget& window) override;

private:
    xcb_connection_t* connection_;
    const xcb_screen_t* screen_;
};

}  // namespace colvexa::platform
