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
    // How the root's pixels are laid out: looked up once, as the screen's formats never
    // change; the pixel itself is read afresh every time.
    struct RootFormat {
        xcb_visualid_t visual = XCB_NONE;
        std::uint8_t depth = 0;
        const xcb_visualtype_t* type = nullptr;
        int bits = 0;
    };

    xcb_connection_t* connection_;
    const xcb_screen_t* screen_;
    RootFormat root_format_;
    bool lsb_first_ = true;
};

}  // namespace colvexa::platform
