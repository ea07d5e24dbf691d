#pragma once

#include <xcb/xcb.h>

#include <cstdint>
#include <cstdlib>
#include <memory>

namespace colvexa::platform {

struct FreeDeleter {
    void operator()(void* p) const { std::free(p); }
};

// An XCB reply, freed with free() as XCB wants.
template <typename T>
using Reply = std::unique_ptr<T, FreeDeleter>;

// Waits for the reply to a checked request. An error comes back here and is freed, so it
// never reaches an event queue or an error handler: Ask(c, xcb_query_pointer(c, root),
// xcb_query_pointer_reply) -> the reply, or none.
template <typename R, typename Cookie>
Reply<R> Ask(xcb_connection_t* c, Cookie cookie,
             R* (*reply)(xcb_connection_t*, Cookie, xcb_generic_error_t**)) {
    xcb_generic_error_t* error = nullptr;
    Reply<R> r(reply(c, cookie, &error));
    std::free(error);
    return r;
}

// The visual of that id among the screen's, or none.
inline const xcb_visualtype_t* FindVisual(const xcb_screen_t& screen, xcb_visualid_t id) {
    for (auto d = xcb_screen_allowed_depths_iterator(&screen); d.rem; xcb_depth_next(&d)) {
        for (auto v = xcb_depth_visuals_iterator(d.data); v.rem; xcb_visualtype_next(&v)) {
            if (v.data->visual_id == id) {
                return v.data;
            }
        }
    }
    return nullptr;
}

// Bits per pixel of images of that depth; 0 when the server has no such format.
inline int BitsPerPixel(const xcb_setup_t& setup, std::uint8_t depth) {
    for (auto f = xcb_setup_pixmap_formats_iterator(&setup); f.rem; xcb_format_next(&f)) {
        if (f.data->depth == depth) {
            return f.data->bits_per_pixel;
        }
    }
    return 0;
}

}  // namespace colvexa::platform
