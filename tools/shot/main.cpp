// Takes the picture of the program that ./dev shot shows: its window on a private X server
// with a window manager and a desktop background, the pointer resting on the palette.
#include <stdlib.h>
#include <xcb/xcb.h>

#include <QColor>
#include <QImage>
#include <QString>
#include <algorithm>
#include <bit>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

#include "platform/xcb_util.h"
#include "tests/support/child_process.h"
#include "tests/support/x_server.h"

namespace {

using colvexa::test::ChildProcess;
using colvexa::test::Rect;
using colvexa::test::XServer;

constexpr int kMainWidth = 154;
constexpr int kMainHeight = 213;
constexpr int kBorder = 2;
// Around the window, so the picture shows it on the desktop.
constexpr int kMargin = 24;

using colvexa::platform::Reply;

const xcb_screen_t& ScreenOf(xcb_connection_t* c) {
    return *xcb_setup_roots_iterator(xcb_get_setup(c)).data;
}

const xcb_visualtype_t& RootVisual(xcb_connection_t* c) {
    const xcb_screen_t& screen = ScreenOf(c);
    for (auto d = xcb_screen_allowed_depths_iterator(&screen); d.rem; xcb_depth_next(&d)) {
        for (auto v = xcb_depth_visuals_iterator(d.data); v.rem; xcb_visualtype_next(&v)) {
            if (v.data->visual_id == screen.root_visual &&
                v.data->_class == XCB_VISUAL_CLASS_TRUE_COLOR) {
                return *v.data;
            }
        }
    }
    throw std::runtime_error("the screen has no TrueColor root visual");
}

int BitsPerPixel(xcb_connection_t* c, std::uint8_t depth) {
    for (auto f = xcb_setup_pixmap_formats_iterator(xcb_get_setup(c)); f.rem; xcb_format_next(&f)) {
        if (f.data->depth == depth) {
            return f.data->bits_per_pixel;
        }
    }
    return 0;
}

std::uint32_t IntoMask(int value8, std::uint32_t mask) {
    const int bits = std::popcount(mask);
    const auto v = static_cast<std::uint32_t>(value8);
    return ((bits >= 8 ? v << (bits - 8) : v >> (8 - bits)) << std::countr_zero(mask)) & mask;
}

int FromMask(std::uint32_t pixel, std::uint32_t mask) {
    const int bits = std::popcount(mask);
    const std::uint32_t v = (pixel & mask) >> std::countr_zero(mask);
    return static_cast<int>(bits >= 8 ? v >> (bits - 8) : v << (8 - bits));
}

// A quiet vertical gradient as the root window's background.
void PaintDesktop(XServer& server) {
    xcb_connection_t* c = server.Connection();
    const xcb_screen_t& screen = ScreenOf(c);
    const xcb_visualtype_t& visual = RootVisual(c);
    const int width = screen.width_in_pixels;
    const int height = screen.height_in_pixels;
    if (BitsPerPixel(c, screen.root_depth) != 32) {
        throw std::runtime_error("the desktop background needs 32 bits per pixel");
    }
    const xcb_pixmap_t pixmap = xcb_generate_id(c);
    xcb_create_pixmap(c, screen.root_depth, pixmap, screen.root, static_cast<std::uint16_t>(width),
                      static_cast<std::uint16_t>(height));
    const xcb_gcontext_t gc = xcb_generate_id(c);
    xcb_create_gc(c, gc, pixmap, 0, nullptr);
    const QColor top(58, 96, 128);
    const QColor bottom(22, 38, 56);
    // A strip at a time keeps each request well under the server's limit.
    constexpr int kStrip = 32;
    std::vector<std::uint32_t> rows;
    for (int y0 = 0; y0 < height; y0 += kStrip) {
        const int strip = std::min(kStrip, height - y0);
        rows.assign(static_cast<std::size_t>(width * strip), 0);
        for (int y = 0; y < strip; ++y) {
            const double t = static_cast<double>(y0 + y) / (height - 1);
            const auto mix = [t](int a, int b) { return static_cast<int>(a + (b - a) * t + 0.5); };
            const std::uint32_t pixel =
                IntoMask(mix(top.red(), bottom.red()), visual.red_mask) |
                IntoMask(mix(top.green(), bottom.green()), visual.green_mask) |
                IntoMask(mix(top.blue(), bottom.blue()), visual.blue_mask);
            std::fill_n(rows.begin() + y * width, width, pixel);
        }
        xcb_put_image(c, XCB_IMAGE_FORMAT_Z_PIXMAP, pixmap, gc, static_cast<std::uint16_t>(width),
                      static_cast<std::uint16_t>(strip), 0, static_cast<std::int16_t>(y0), 0,
                      screen.root_depth, static_cast<std::uint32_t>(rows.size() * 4),
                      reinterpret_cast<const std::uint8_t*>(rows.data()));
    }
    const std::uint32_t background[] = {pixmap};
    xcb_change_window_attributes(c, screen.root, XCB_CW_BACK_PIXMAP, background);
    xcb_clear_area(c, 0, screen.root, 0, 0, 0, 0);
    xcb_free_gc(c, gc);
    xcb_free_pixmap(c, pixmap);
    std::free(xcb_get_input_focus_reply(c, xcb_get_input_focus(c), nullptr));
}

// The program's main window inside the window manager's frame, once it is on screen.
xcb_window_t FindMainWindow(XServer& server) {
    xcb_connection_t* c = server.Connection();
    for (xcb_window_t top : server.Stacking()) {
        Reply<xcb_query_tree_reply_t> tree(
            xcb_query_tree_reply(c, xcb_query_tree(c, top), nullptr));
        std::vector<xcb_window_t> candidates{top};
        if (tree) {
            const xcb_window_t* children = xcb_query_tree_children(tree.get());
            candidates.insert(candidates.end(), children,
                              children + xcb_query_tree_children_length(tree.get()));
        }
        for (xcb_window_t w : candidates) {
            const auto g = server.Geometry(w);
            if (g && g->width == kMainWidth && g->height == kMainHeight && server.IsViewable(w) &&
                server.WmInstance(w) == "colvexa") {
                return w;
            }
        }
    }
    return XCB_NONE;
}

QImage Grab(XServer& server, const Rect& area) {
    xcb_connection_t* c = server.Connection();
    const xcb_visualtype_t& visual = RootVisual(c);
    Reply<xcb_get_image_reply_t> image(xcb_get_image_reply(
        c,
        xcb_get_image(c, XCB_IMAGE_FORMAT_Z_PIXMAP, server.Root(),
                      static_cast<std::int16_t>(area.x), static_cast<std::int16_t>(area.y),
                      static_cast<std::uint16_t>(area.width),
                      static_cast<std::uint16_t>(area.height), ~0u),
        nullptr));
    if (!image || BitsPerPixel(c, image->depth) != 32) {
        throw std::runtime_error("cannot read the screen's pixels");
    }
    const auto* data = reinterpret_cast<const std::uint32_t*>(xcb_get_image_data(image.get()));
    QImage out(area.width, area.height, QImage::Format_RGB32);
    for (int y = 0; y < area.height; ++y) {
        for (int x = 0; x < area.width; ++x) {
            const std::uint32_t pixel = data[y * area.width + x];
            out.setPixel(x, y,
                         qRgb(FromMask(pixel, visual.red_mask), FromMask(pixel, visual.green_mask),
                              FromMask(pixel, visual.blue_mask)));
        }
    }
    return out;
}

// Sets an environment variable while the program starts, so only it sees the change.
void SetOrUnset(const char* name, const std::string* value) {
    if (value) {
        setenv(name, value->c_str(), 1);
    } else {
        unsetenv(name);
    }
}

int Shoot(const std::string& program_path, const std::string& out_path) {
    XServer server({.width = 800, .height = 700, .depth = 24, .window_manager = true});
    PaintDesktop(server);

    char runtime_name[] = "/tmp/colvexa-shot-XXXXXX";
    if (mkdtemp(runtime_name) == nullptr) {
        throw std::runtime_error("cannot make a runtime folder");
    }
    const std::string runtime_dir = runtime_name;
    const std::string runtime_env = runtime_dir;
    SetOrUnset("XDG_RUNTIME_DIR", &runtime_env);
    SetOrUnset("QT_QPA_PLATFORM", nullptr);
    auto program = std::make_unique<ChildProcess>(std::vector<std::string>{program_path},
                                                  ChildProcess::Options{});

    xcb_window_t main = XCB_NONE;
    const bool shown = server.WaitUntil([&] {
        if (!program->Running()) {
            throw std::runtime_error(program_path + " ended at start-up");
        }
        return (main = FindMainWindow(server)) != XCB_NONE;
    });
    if (!shown) {
        throw std::runtime_error("the program's window did not show");
    }
    const Rect window = server.Geometry(main).value();

    // On the palette, so the readouts show one of its colours.
    const int px = window.x + kBorder + 100;
    const int py = window.y + kBorder + 160;
    server.MovePointer(px, py);
    const int sx = window.x + kBorder + 130;
    const int sy = window.y + kBorder + 60;
    const bool sampled = server.WaitUntil([&] {
        const QImage w = Grab(server, window);
        return w.pixel(px - window.x, py - window.y) == w.pixel(sx - window.x, sy - window.y);
    });
    if (!sampled) {
        throw std::runtime_error("the swatch never showed the colour under the pointer");
    }
    // A few more ticks, so every readout is the same tick's.
    std::this_thread::sleep_for(std::chrono::milliseconds(200));

    const QImage shot = Grab(server, {window.x - kMargin, window.y - kMargin,
                                      window.width + 2 * kMargin, window.height + 2 * kMargin});
    program.reset();
    std::error_code ignored;
    std::filesystem::remove_all(runtime_dir, ignored);
    if (!shot.save(QString::fromStdString(out_path), "PNG")) {
        throw std::runtime_error("cannot write " + out_path);
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s <colvexa binary> <file.png>\n", argc > 0 ? argv[0] : "");
        return 2;
    }
    try {
        return Shoot(argv[1], argv[2]);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "colvexa_shot: %s\n", e.what());
        return 1;
    }
}
