#include <gtest/gtest.h>

#include <QImage>
#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "tests/e2e/program.h"

namespace colvexa::e2e {
namespace {

// Room for the About window at 445, 523 as well.
test::XServerOptions Screen(bool window_manager) {
    return {.width = 800, .height = 700, .depth = 24, .window_manager = window_manager};
}

std::string Describe(const QImage& image) {
    const std::string path = "/tmp/colvexa-e2e-last.png";
    image.save(QString::fromStdString(path));
    return "the window as grabbed is in " + path;
}

// The main window's pixels; client (x, y) is at (x + 2, y + 2).
QImage GrabMain(XServer& server, Program& program) {
    return Grab(server, program.MainGeometry());
}

QImage ClientPart(const QImage& window, int x, int y, int width, int height) {
    return window.copy(Program::kBorder + x, Program::kBorder + y, width, height);
}

// The swatch, client 112..149 x 16..110, filled with the colour.
bool SwatchShows(const QImage& window, QRgb rgb) {
    const QImage swatch = ClientPart(window, 112, 16, 38, 95);
    return CountColor(swatch, rgb) == swatch.width() * swatch.height();
}

// Moves the pointer into a patch of the colour and waits for a tick to show it.
bool PointAtColor(XServer& server, Program& program, const Rect& patch, std::uint32_t rgb) {
    server.Paint(patch, rgb);
    server.MovePointer(patch.x + patch.width / 2, patch.y + patch.height / 2);
    return server.WaitUntil([&] { return SwatchShows(GrabMain(server, program), rgb); });
}

bool Has(const std::vector<std::string>& names, const std::string& name) {
    return std::find(names.begin(), names.end(), name) != names.end();
}

TEST(MainWindow, OpensAtItsDesignedPlaceWithoutAnyDecoration) {
    XServer server(Screen(true));
    Program program(server);

    EXPECT_EQ(program.MainGeometry(), (Rect{317, 300, 154, 213}));
    // What openbox made of it: a frame no bigger than the window, no extents, and the
    // decoration hint it acted on.
    const xcb_window_t frame = server.TopLevelOf(program.Main());
    EXPECT_EQ(server.Geometry(frame), (Rect{317, 300, 154, 213}));

    xcb_connection_t* c = server.Connection();
    auto extents = xcb_get_property_reply(
        c,
        xcb_get_property(c, 0, program.Main(), server.Atom("_NET_FRAME_EXTENTS"), XCB_ATOM_CARDINAL,
                         0, 4),
        nullptr);
    ASSERT_NE(extents, nullptr);
    ASSERT_EQ(xcb_get_property_value_length(extents), 16);
    const auto* e = static_cast<const std::uint32_t*>(xcb_get_property_value(extents));
    EXPECT_EQ(e[0] + e[1] + e[2] + e[3], 0u);
    std::free(extents);

    auto motif = xcb_get_property_reply(
        c,
        xcb_get_property(c, 0, program.Main(), server.Atom("_MOTIF_WM_HINTS"), XCB_ATOM_ANY, 0, 5),
        nullptr);
    ASSERT_NE(motif, nullptr);
    ASSERT_GE(xcb_get_property_value_length(motif), 12);
    const auto* hints = static_cast<const std::uint32_t*>(xcb_get_property_value(motif));
    EXPECT_NE(hints[0] & 2u, 0u) << "decorations field not in use";
    EXPECT_EQ(hints[2], 0u) << "decorations asked for";
    std::free(motif);
}

class Stacking : public testing::TestWithParam<bool> {};

TEST_P(Stacking, StaysAboveAWindowActivatedAfterItAndLeavesItTheFocus) {
    XServer server(Screen(GetParam()));
    Program program(server);
    // Covers the whole main window.
    const xcb_window_t other = server.OpenWindow({250, 250, 300, 300}, 0x00FF00);
    server.Activate(other);
    server.Raise(other);

    // Each colour is only shown once a tick has run, and on top only if nothing covers it.
    const Rect patches[] = {{20, 20, 30, 30}, {700, 40, 30, 30}, {40, 600, 30, 30}};
    const std::uint32_t colors[] = {0xFF0000, 0x0000FF, 0xFFFF00};
    for (int i = 0; i < 3; ++i) {
        SCOPED_TRACE(i);
        ASSERT_TRUE(PointAtColor(server, program, patches[i], colors[i]))
            << Describe(GrabMain(server, program));
        EXPECT_TRUE(server.IsAbove(program.Main(), other));
        EXPECT_EQ(server.FocusWindow(), other);
    }
    if (GetParam()) {
        EXPECT_TRUE(Has(server.NetWmState(program.Main()), "_NET_WM_STATE_ABOVE"));
    }
}

INSTANTIATE_TEST_SUITE_P(MainWindow, Stacking, testing::Values(true, false),
                         [](const testing::TestParamInfo<bool>& info) {
                             return info.param ? "UnderOpenbox" : "WithoutAWindowManager";
                         });

struct Press {
    const char* what;
    int x;  // client coordinates
    int y;
    int button;
    QPoint travel;
    bool moves;
};

TEST(MainWindow, LeftDragFromAnyPartButTheCommandPicturesMovesItByThePointersTravel) {
    XServer server(Screen(true));
    Program program(server);
    const Press presses[] = {
        {"the palette", 100, 160, 1, {40, 25}, true},
        {"a caption label", 10, 30, 1, {-60, 10}, true},
        {"a value label", 40, 44, 1, {5, -30}, true},
        {"the swatch", 130, 60, 1, {25, -40}, true},
        {"the emblem", 5, 5, 1, {-15, 35}, true},
        {"the title", 40, 4, 1, {12, 12}, true},
        {"a bare part", 105, 13, 1, {-20, -20}, true},
        {"the palette, right button", 100, 160, 3, {30, 30}, false},
        {"the palette, middle button", 100, 160, 2, {30, 30}, false},
        {"the close picture, released off it", 141, 7, 1, {0, 40}, false},
        {"the About picture, released off it", 121, 7, 1, {-40, 40}, false},
    };
    for (const Press& press : presses) {
        SCOPED_TRACE(press.what);
        const Rect before = program.MainGeometry();
        const Rect after =
            press.moves ? Rect{before.x + press.travel.x(), before.y + press.travel.y(), 154, 213}
                        : before;
        const bool requested =
            program.Drag(program.MainClient(press.x, press.y), press.travel, press.button,
                         press.moves ? std::optional<Rect>(after) : std::nullopt);
        EXPECT_EQ(requested, press.moves) << "a move asked of the window manager";
        server.SyncWithWindowManager();
        ASSERT_EQ(program.MainGeometry(), after);
        ASSERT_TRUE(program.Running());
        ASSERT_TRUE(ProgramWindows(server, 203, 110).empty()) << "the About window opened";
    }
}

TEST(MainWindow, LeftDragMovesItWithoutAWindowManagerToo) {
    XServer server(Screen(false));
    Program program(server);
    program.Drag(program.MainClient(100, 160), {-50, 70}, 1, Rect{267, 370, 154, 213});
    EXPECT_EQ(program.MainGeometry(), (Rect{267, 370, 154, 213}));
}

struct Reading {
    Rect patch;
    std::uint32_t rgb;
    const char* pixel;
    const char* rgb_text;
    const char* html;
    const char* hex;
};

TEST(MainWindow, ReadoutsAndSwatchShowThePixelUnderThePointer) {
    XServer server(Screen(false));
    Program program(server);
    // A long text first, so a shorter one after it must clear what it leaves.
    const Reading readings[] = {
        {{20, 20, 41, 41}, 0xFF8000, "[40,40]", "[255,128,0]", "#FF8000", "0x0080FF"},
        {{600, 100, 21, 21}, 0x000000, "[610,110]", "[0,0,0]", "#000000", "0x000000"},
        {{700, 600, 31, 31}, 0x12ABEF, "[715,615]", "[18,171,239]", "#12ABEF", "0xEFAB12"},
    };
    // Value labels from x = 36 (RGB 35) to the swatch at 112.
    struct Line {
        int x;
        int y;
        const char* Reading::*text;
    };
    const Line lines[] = {{36, 16, &Reading::pixel},
                          {35, 28, &Reading::rgb_text},
                          {36, 40, &Reading::html},
                          {36, 52, &Reading::hex}};
    for (const Reading& r : readings) {
        SCOPED_TRACE(r.rgb_text);
        server.Paint(r.patch, r.rgb);
        server.MovePointer(r.patch.x + r.patch.width / 2, r.patch.y + r.patch.height / 2);
        QImage window;
        const bool shown = server.WaitUntil([&] {
            window = GrabMain(server, program);
            if (!SwatchShows(window, r.rgb)) {
                return false;
            }
            for (const Line& line : lines) {
                const QImage expected = ReadoutText(r.*line.text, 112 - line.x);
                if (ClientPart(window, line.x, line.y, expected.width(), expected.height()) !=
                    expected) {
                    return false;
                }
            }
            return true;
        });
        ASSERT_TRUE(shown) << Describe(window);
    }
}

TEST(MainWindow, ClosePictureEndsTheProgramWithExitCodeZero) {
    XServer server(Screen(true));
    Program program(server);
    program.Click(program.MainClient(141, 7));
    EXPECT_EQ(program.WaitForExit(), 0) << program.Output();
}

TEST(Program, WithoutADisplayPrintsOneLineAndExitsWithOne) {
    int number = 900;
    while (std::filesystem::exists("/tmp/.X11-unix/X" + std::to_string(number))) {
        ++number;
    }
    Program program(nullptr, ":" + std::to_string(number));
    EXPECT_EQ(program.WaitForExit(), 1);
    const std::string output = program.Output();
    ASSERT_FALSE(output.empty());
    EXPECT_EQ(output.find('\n'), output.size() - 1) << output;
}

}  // namespace
}  // namespace colvexa::e2e
