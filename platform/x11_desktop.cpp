#include "platform/x11_desktop.h"

#include <QWidget>
#include <QWindow>
#include <cstdlib>
#include <limits>
#include <memory>

#include "core/color_sample.h"
#include "platform/true_color.h"
#include "platform/xcb_util.h"

namespace colvexa::platform {
namespace {

const xcb_screen_t* ScreenOf(xcb_connection_t* c, int number) {
    auto it = xcb_setup_roots_iterator(xcb_get_setup(c));
    for (; it.rem && number > 0; --number) {
        xcb_screen_next(&it);
    }
    return it.rem ? it.data : nullptr;
}

bool FitsInt16(std::int32_t v) {
    return v >= std::numeric_limits<std::int16_t>::min() &&
           v <= std::numeric_limits<std::int16_t>::max();
}

}  // namespace

X11Desktop::X11Desktop(xcb_connection_t* connection, int screen_number)
    : connection_(connection), screen_(ScreenOf(connection, screen_number)) {
    const xcb_setup_t& setup = *xcb_get_setup(connection_);
    lsb_first_ = setup.image_byte_order == XCB_IMAGE_ORDER_LSB_FIRST;
    if (screen_) {
        root_format_ = {screen_->root_visual, screen_->root_depth,
                        FindVisual(*screen_, screen_->root_visual),
                        BitsPerPixel(setup, screen_->root_depth)};
    }
}

bool X11Desktop::CursorPos(CursorPoint& point) {
    if (!screen_) {
        return false;
    }
    auto pointer =
        Ask(connection_, xcb_query_pointer(connection_, screen_->root), xcb_query_pointer_reply);
    // On another X screen the position is that screen's, not ours.
    if (!pointer || !pointer->same_screen) {
        return false;
    }
    point = {pointer->root_x, pointer->root_y};
    return true;
}

std::uint32_t X11Desktop::PixelAt(std::int32_t x, std::int32_t y) {
    // The request carries 16-bit coordinates; a cast would wrap onto some other pixel.
    if (!screen_ || !FitsInt16(x) || !FitsInt16(y)) {
        return CLR_INVALID;
    }
    // A point outside the root comes back as a BadMatch error, and so as no image.
    auto image =
        Ask(connection_,
            xcb_get_image(connection_, XCB_IMAGE_FORMAT_Z_PIXMAP, screen_->root,
                          static_cast<std::int16_t>(x), static_cast<std::int16_t>(y), 1, 1, ~0u),
            xcb_get_image_reply);
    if (!image) {
        return CLR_INVALID;
    }
    // The root's image always comes in the root's format; anything else is looked up.
    const bool root = image->visual == root_format_.visual && image->depth == root_format_.depth;
    const xcb_visualtype_t* visual = root ? root_format_.type : FindVisual(*screen_, image->visual);
    if (!visual || visual->_class != XCB_VISUAL_CLASS_TRUE_COLOR) {
        return CLR_INVALID;
    }
    const int bits =
        root ? root_format_.bits : BitsPerPixel(*xcb_get_setup(connection_), image->depth);
    const int bytes = bits / 8;
    if (bits % 8 != 0 || bytes < 1 || bytes > 4 || xcb_get_image_data_length(image.get()) < bytes) {
        return CLR_INVALID;
    }
    const std::uint8_t* data = xcb_get_image_data(image.get());
    std::uint32_t pixel = 0;
    for (int i = 0; i < bytes; ++i) {
        pixel |= std::uint32_t{data[i]} << (8 * (lsb_first_ ? i : bytes - 1 - i));
    }
    return ColorValueFromPixel(pixel, {visual->red_mask, visual->green_mask, visual->blue_mask});
}

void X11Desktop::PlaceTopmost(QWidget& window) {
    // The window carries Qt::WindowStaysOnTopHint, which window managers keep above; the
    // raise puts it back on top where none runs, and takes no focus.
    window.raise();
}

bool X11Desktop::StartSystemMove(QWidget& window) {
    // False when no window manager offers _NET_WM_MOVERESIZE.
    QWindow* handle = window.windowHandle();
    return handle && handle->startSystemMove();
}

}  // namespace colvexa::platform
