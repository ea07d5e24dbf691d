// The X11 floor: what a 50 ms sample costs with no window and no toolkit. Every tick asks
// for the pointer and reads the one pixel under it, as the program's tick does.
#include <xcb/xcb.h>

#include <cstdint>
#include <cstdlib>
#include <ctime>

namespace colvexa::bench {

// Out of line, so a profile shows one call per tick.
[[gnu::noinline]] std::uint32_t Tick(xcb_connection_t* c, xcb_window_t root) {
    xcb_query_pointer_reply_t* pointer =
        xcb_query_pointer_reply(c, xcb_query_pointer(c, root), nullptr);
    if (!pointer) {
        return 0;
    }
    std::uint32_t pixel = 0;
    xcb_get_image_reply_t* image =
        xcb_get_image_reply(c,
                            xcb_get_image(c, XCB_IMAGE_FORMAT_Z_PIXMAP, root, pointer->root_x,
                                          pointer->root_y, 1, 1, ~0u),
                            nullptr);
    if (image && xcb_get_image_data_length(image) >= 4) {
        const std::uint8_t* data = xcb_get_image_data(image);
        pixel = data[0] | data[1] << 8 | data[2] << 16;
    }
    std::free(image);
    std::free(pointer);
    return pixel;
}

}  // namespace colvexa::bench

int main() {
    int screen_number = 0;
    xcb_connection_t* c = xcb_connect(nullptr, &screen_number);
    if (xcb_connection_has_error(c)) {
        return 1;
    }
    auto it = xcb_setup_roots_iterator(xcb_get_setup(c));
    for (; it.rem && screen_number > 0; --screen_number) {
        xcb_screen_next(&it);
    }
    const xcb_window_t root = it.data->root;
    timespec next{};
    clock_gettime(CLOCK_MONOTONIC, &next);
    volatile std::uint32_t sink = 0;
    for (;;) {
        // Absolute deadlines: the rate stays at 20 a second however long a tick takes.
        next.tv_nsec += 50'000'000;
        if (next.tv_nsec >= 1'000'000'000) {
            next.tv_nsec -= 1'000'000'000;
            ++next.tv_sec;
        }
        clock_nanosleep(CLOCK_MONOTONIC, TIMER_ABSTIME, &next, nullptr);
        sink = colvexa::bench::Tick(c, root);
    }
    (void)sink;
}
