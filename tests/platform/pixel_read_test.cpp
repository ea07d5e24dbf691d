#include <gtest/gtest.h>

#include <QApplication>
#include <cstdint>
#include <limits>
#include <string>
#include <vector>

#include "core/color_sample.h"
#include "platform/qt_desktop.h"
#include "platform/x11_desktop.h"
#include "tests/platform/session.h"

namespace colvexa::platform {
namespace {

using test::Rect;

struct Painted {
    std::uint32_t pixel;     // the raw pixel value put on screen
    std::uint32_t expected;  // 0x00BBGGRR
};

struct Screen {
    int depth;
    std::vector<Painted> pixels;
};

// Below 8 bits a channel's bits are repeated downward, above 8 only its top 8 are kept; the
// second value of each shallow screen is one where rounding v * 255 / max gives another colour.
const Screen kScreens[] = {
    {24,
     {{0xFF8000, 0x000080FF},
      {0x0A141E, 0x001E140A},
      {0xFFFFFF, 0x00FFFFFF},
      {0x000000, 0x00000000},
      {0x0000FF, 0x00FF0000},
      {0x010203, 0x00030201}}},
    {16,
     {{0xFC00, 0x000082FF},  // 0xFF8000 cut to 5-6-5 bits
      {0x197C, 0x00E72C18},  // 3, 11, 28: rounding gives 0x00E62D19
      {0xFFFF, 0x00FFFFFF},
      {0x0000, 0x00000000},
      {0x001F, 0x00FF0000},
      {0x0821, 0x00080408}}},
    {15,
     {{0x7E00, 0x000084FF},  // 0xFF8000 cut to 5-5-5 bits
      {0x0CFC, 0x00E73918},  // 3, 7, 28: rounding gives 0x00E63A19
      {0x7FFF, 0x00FFFFFF},
      {0x0000, 0x00000000},
      {0x001F, 0x00FF0000}}},
    {30,
     {{0x3FF00000, 0x000000FF},
      {0x2013FC03, 0x00003F80},  // 0x201, 0x0FF, 0x003: rounding gives 0x00014080
      {0x3FFFFFFF, 0x00FFFFFF},
      {0x00000000, 0x00000000},
      {0x000003FF, 0x00FF0000}}},
};

enum class Backend { kX11, kQt };

struct ReadCase {
    Backend backend;
    Screen screen;
};

std::string Name(const ReadCase& c) {
    return std::string(c.backend == Backend::kX11 ? "X11" : "Qt") + "Depth" +
           std::to_string(c.screen.depth);
}

std::string Name(const testing::TestParamInfo<ReadCase>& info) {
    return Name(info.param);
}

void PrintTo(const ReadCase& c, std::ostream* out) {
    *out << Name(c);
}

std::string Hex(std::uint32_t v) {
    char text[16];
    std::snprintf(text, sizeof text, "0x%08X", v);
    return text;
}

class PixelRead : public testing::TestWithParam<ReadCase> {
protected:
    static constexpr int kWidth = 320;
    static constexpr int kHeight = 200;

    void SetUp() override {
        session_ = std::make_unique<Session>(test::XServerOptions{
            .width = kWidth, .height = kHeight, .depth = GetParam().screen.depth});
        if (GetParam().backend == Backend::kX11) {
            ASSERT_NE(dynamic_cast<X11Desktop*>(session_->desktop.get()), nullptr)
                << "MakeDesktop on xcb";
            desktop_ = session_->desktop.get();
        } else {
            qt_desktop_ = std::make_unique<QtDesktop>();
            desktop_ = qt_desktop_.get();
        }
    }

    test::XServer& Server() { return session_->server; }

    std::unique_ptr<Session> session_;
    std::unique_ptr<QtDesktop> qt_desktop_;
    Desktop* desktop_ = nullptr;
};

// Each value is one pixel in a row of them on a band of another colour, so a read one pixel
// off in any direction gives a wrong colour.
TEST_P(PixelRead, ReadsThePixelUnderThePointer) {
    const std::vector<Painted>& pixels = GetParam().screen.pixels;
    const int left = 40;
    const int top = 30;
    Server().Paint({left - 5, top - 5, static_cast<int>(pixels.size()) + 10, 11}, 0x336699);
    for (std::size_t i = 0; i < pixels.size(); ++i) {
        Server().PaintPixel({left + static_cast<int>(i), top, 1, 1}, pixels[i].pixel);
    }

    for (std::size_t i = 0; i < pixels.size(); ++i) {
        SCOPED_TRACE("pixel value " + Hex(pixels[i].pixel));
        const int x = left + static_cast<int>(i);
        Server().MovePointer(x, top);
        CursorPoint cursor{-7, -7};
        ASSERT_TRUE(desktop_->CursorPos(cursor));
        EXPECT_EQ(cursor, (CursorPoint{x, top}));
        EXPECT_EQ(Hex(desktop_->PixelAt(cursor.x, cursor.y)), Hex(pixels[i].expected));
        EXPECT_EQ(Hex(Server().ServerColor(x, top).value()), Hex(pixels[i].expected))
            << "the server's own colour";
    }
}

// Points off the screen read as CLR_INVALID without an X error reaching Qt, and the pixels
// at the very edges still read.
TEST_P(PixelRead, OffScreenIsInvalidAndTheEdgesStillRead) {
    const std::vector<Painted>& pixels = GetParam().screen.pixels;
    const Painted corner = pixels[0];
    const Painted other_corner = pixels[1];
    Server().PaintPixel({0, 0, 1, 1}, corner.pixel);
    Server().PaintPixel({kWidth - 1, kHeight - 1, 1, 1}, other_corner.pixel);
    // Where 16-bit coordinates would wrap to.
    Server().PaintPixel({10, 10, 1, 1}, other_corner.pixel);

    XErrorCounter counter;
    session_->app.App().installNativeEventFilter(&counter);
    constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();
    constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
    const CursorPoint off_screen[] = {
        {-1, -1},    {-1, 0},     {0, -1},          {kWidth, 0},  {0, kHeight}, {kWidth, kHeight},
        {65546, 10}, {10, 65546}, {10 - 65536, 10}, {kMin, kMin}, {kMax, kMax},
    };
    for (const CursorPoint& p : off_screen) {
        EXPECT_EQ(Hex(desktop_->PixelAt(p.x, p.y)), Hex(CLR_INVALID)) << p;
    }
    EXPECT_EQ(Hex(desktop_->PixelAt(0, 0)), Hex(corner.expected));
    EXPECT_EQ(Hex(desktop_->PixelAt(kWidth - 1, kHeight - 1)), Hex(other_corner.expected));

    session_->app.Sync();
    QCoreApplication::processEvents();
    session_->app.App().removeNativeEventFilter(&counter);
    EXPECT_EQ(counter.errors, 0);
}

std::vector<ReadCase> AllCases() {
    std::vector<ReadCase> cases;
    for (Backend backend : {Backend::kX11, Backend::kQt}) {
        for (const Screen& screen : kScreens) {
            cases.push_back({backend, screen});
        }
    }
    return cases;
}

INSTANTIATE_TEST_SUITE_P(Screens, PixelRead, testing::ValuesIn(AllCases()),
                         [](const auto& info) { return Name(info); });

// An 8-bit screen has a colour map, not channels: its pixels are not read.
TEST(PixelReadPseudoColor, EveryPixelIsInvalidButTheCursorReads) {
    Session session({.width = 320, .height = 200, .depth = 8});
    session.server.PaintPixel({0, 0, 50, 50}, 1);
    session.server.MovePointer(20, 30);

    EXPECT_EQ(Hex(session.desktop->PixelAt(20, 30)), Hex(CLR_INVALID));
    CursorPoint cursor;
    ASSERT_TRUE(session.desktop->CursorPos(cursor));
    EXPECT_EQ(cursor, (CursorPoint{20, 30}));
}

}  // namespace
}  // namespace colvexa::platform
