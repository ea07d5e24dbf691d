#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QImage>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <ostream>
#include <sstream>
#include <stdexcept>
#include <string>

#include "tests/e2e/program.h"

#ifndef COLVEXA_MAKER_URL
#error "COLVEXA_MAKER_URL must be the address the build gives the link"
#endif

namespace colvexa::e2e {
namespace {

constexpr Rect kAboutAtFirst{445, 523, 203, 110};

test::XServerOptions Screen() {
    return {.width = 800, .height = 700, .depth = 24, .window_manager = true};
}

std::optional<xcb_window_t> AboutWindow(XServer& server) {
    const std::vector<xcb_window_t> found = ProgramWindows(server, 203, 110);
    if (found.size() != 1) {
        return std::nullopt;
    }
    return found.front();
}

xcb_window_t OpenAbout(XServer& server, Program& program) {
    program.Click(program.MainClient(121, 7));
    std::optional<xcb_window_t> about;
    if (!server.WaitUntil([&] { return (about = AboutWindow(server)).has_value(); })) {
        throw std::runtime_error("the About window did not show");
    }
    return *about;
}

// A patch of the colour under the pointer, waited for until the main window's swatch
// (client 112..149 x 16..110) shows it: proof that ticks ran meanwhile.
bool PointAtColor(XServer& server, Program& program, const Rect& patch, std::uint32_t rgb) {
    server.Paint(patch, rgb);
    server.MovePointer(patch.x + patch.width / 2, patch.y + patch.height / 2);
    return server.WaitUntil([&] {
        const QImage window = Grab(server, program.MainGeometry());
        const QImage swatch = window.copy(Program::kBorder + 112, Program::kBorder + 16, 38, 95);
        return CountColor(swatch, rgb) == swatch.width() * swatch.height();
    });
}

TEST(AboutWindow, ShowsAtItsPlaceAndHoldsTheMainWindowUntilItsTickIsClicked) {
    XServer server(Screen());
    Program program(server);
    const xcb_window_t about = OpenAbout(server, program);
    EXPECT_EQ(server.Geometry(about), kAboutAtFirst);
    EXPECT_EQ(server.Geometry(server.TopLevelOf(about)), kAboutAtFirst) << "decorated";

    // While it shows, the main window's readouts go on, but it takes no commands.
    ASSERT_TRUE(PointAtColor(server, program, {20, 20, 30, 30}, 0xFF0000));
    const Rect main_before = program.MainGeometry();
    EXPECT_FALSE(program.Drag(program.MainClient(100, 160), {40, 40}));
    EXPECT_EQ(program.MainGeometry(), main_before);
    program.Click(program.MainClient(141, 7));
    ASSERT_TRUE(PointAtColor(server, program, {700, 40, 30, 30}, 0x0000FF));
    ASSERT_TRUE(program.Running()) << "the close picture ended the program";

    program.Click({kAboutAtFirst.x + 103, kAboutAtFirst.y + 96});
    EXPECT_TRUE(server.WaitUntil([&] { return !server.IsViewable(about); }));
    const Rect moved{main_before.x + 30, main_before.y - 20, 154, 213};
    program.Drag(program.MainClient(100, 160), {30, -20}, 1, moved);
    EXPECT_EQ(program.MainGeometry(), moved);
}

std::string ReadFile(const std::string& path) {
    std::ifstream in(path);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

std::string SearchPath() {
    const char* path = std::getenv("PATH");
    return path != nullptr ? path : "/usr/bin:/bin";
}

// An xdg-open of the test's own, first on PATH: it notes its pid and arguments and exits
// with the status asked for.
class StandInOpener {
public:
    explicit StandInOpener(int exit_status) : path_env_("PATH", dir_.Path() + ":" + SearchPath()) {
        const std::string script = dir_.Path() + "/xdg-open";
        std::ofstream(script) << "#!/bin/sh\n"
                              << "echo $$ >> '" << Pids() << "'\n"
                              << "for a in \"$@\"; do printf '<%s>' \"$a\"; done >> '" << Calls()
                              << "'\n"
                              << "echo >> '" << Calls() << "'\n"
                              << "exit " << exit_status << "\n";
        chmod(script.c_str(), 0755);
    }

    std::string Calls() const { return dir_.Path() + "/calls"; }
    std::string Pids() const { return dir_.Path() + "/pids"; }

    // True once it has been run and has been reaped by whoever started it.
    bool Finished() const {
        std::istringstream pids(ReadFile(Pids()));
        std::string pid;
        bool any = false;
        while (pids >> pid) {
            any = true;
            if (std::filesystem::exists("/proc/" + pid)) {
                return false;
            }
        }
        return any;
    }

private:
    TempDir dir_;
    ScopedEnv path_env_;
};

struct LinkCase {
    int exit_status;
    QRgb shown;
    QRgb not_shown;
};

void PrintTo(const LinkCase& c, std::ostream* out) {
    *out << "xdg-open exiting " << c.exit_status;
}

class AboutLink : public testing::TestWithParam<LinkCase> {};

TEST_P(AboutLink, HandsTheAddressToTheOpenerOnceAndTurnsPurpleOnlyWhenItSucceeded) {
    const LinkCase& c = GetParam();
    StandInOpener opener(c.exit_status);
    XServer server(Screen());
    Program program(server);
    OpenAbout(server, program);
    // The link's box: About client x 20.., y 71..84.
    const Rect link{kAboutAtFirst.x + 20, kAboutAtFirst.y + 71, 159, 14};
    ASSERT_TRUE(server.WaitUntil([&] {
        return CountColor(Grab(server, link), qRgb(0, 0, 255)) > 20;
    })) << "not blue at first";

    program.Click({link.x + 20, link.y + 7});
    ASSERT_TRUE(server.WaitUntil([&] { return opener.Finished(); })) << "xdg-open never ran";
    // Ticks after the opener has gone: its result has been taken in.
    ASSERT_TRUE(PointAtColor(server, program, {20, 20, 30, 30}, 0xFF0000));
    ASSERT_TRUE(PointAtColor(server, program, {700, 40, 30, 30}, 0x0000FF));
    QImage pixels;
    EXPECT_TRUE(server.WaitUntil([&] {
        pixels = Grab(server, link);
        return CountColor(pixels, c.shown) > 20 && CountColor(pixels, c.not_shown) == 0;
    })) << "the link's text is not in the colour expected";
    EXPECT_EQ(ReadFile(opener.Calls()), "<" COLVEXA_MAKER_URL ">\n");
}

INSTANTIATE_TEST_SUITE_P(AboutWindow, AboutLink,
                         testing::Values(LinkCase{0, qRgb(128, 0, 128), qRgb(0, 0, 255)},
                                         LinkCase{1, qRgb(0, 0, 255), qRgb(128, 0, 128)}),
                         [](const testing::TestParamInfo<LinkCase>& info) {
                             return info.param.exit_status == 0 ? "WhenTheOpenerSucceeds"
                                                                : "WhenTheOpenerFails";
                         });

}  // namespace
}  // namespace colvexa::e2e
