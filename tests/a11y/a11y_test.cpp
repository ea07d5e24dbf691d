#include <sys/wait.h>

#include <gtest/gtest.h>

#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <future>
#include <optional>
#include <string>
#include <tuple>
#include <vector>

#include "core/cmyk.h"
#include "core/color_sample.h"
#include "core/hsl.h"
#include "core/hsv.h"
#include "core/yuv.h"
#include "tests/support/child_process.h"
#include "tests/support/x_server.h"

namespace colvexa::test {
namespace {

namespace fs = std::filesystem;

// "CAPTION=VALUE" for every readout, as the window shows them for the point and colour.
std::vector<std::string> Readouts(int x, int y, std::uint32_t rgb) {
    const std::uint32_t value = (rgb >> 16 & 0xFF) | (rgb & 0xFF00) | (rgb & 0xFF) << 16;
    const ColorSample s = MakeColorSample(x, y, value);
    const HsvReading hsv = ComputeHsv(s.R, s.G, s.B);
    return {"PIXEL:=" + FormatPixel(s),
            "RGB :=" + FormatRgb(s),
            "HTML:=" + FormatHtml(s),
            "HEX :=" + FormatHex(s),
            "CMYK:=" + FormatCmyk(s.R, s.G, s.B),
            "HSV :=" + FormatHsv(hsv),
            "YUV :=" + FormatYuv(s.R, s.G, s.B),
            "HSL :=" + FormatHsl(s.R, s.G, s.B, hsv)};
}

std::string Quoted(const std::string& s) {
    return "'" + s + "'";
}

// Runs readouts.py with the arguments; its exit code.
int ReadoutsPy(const std::vector<std::string>& args) {
    std::string command = "/usr/bin/python3 " + Quoted(COLVEXA_READOUTS_PY);
    for (const std::string& arg : args) {
        command += " " + Quoted(arg);
    }
    const int status = std::system(command.c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

struct TempDir {
    TempDir() {
        char name[] = "/tmp/colvexa-a11y-XXXXXX";
        path = mkdtemp(name) != nullptr ? name : "";
    }
    ~TempDir() { fs::remove_all(path); }
    fs::path path;
};

// Odd physical points, so that at 1.5 a logical cursor position would be off by one.
constexpr int kFirstX = 203, kFirstY = 157;
constexpr int kSecondX = 303, kSecondY = 251;
constexpr std::uint32_t kFirst = 0x123456, kSecond = 0xE07010, kAround = 0x808080;

TEST(A11y, ReadoutsReachScreenReadersAndFollowThePointer) {
    ASSERT_NE(std::getenv("DBUS_SESSION_BUS_ADDRESS"), nullptr) << "run under dbus-run-session";
    ChildProcess bus({"/usr/libexec/at-spi-bus-launcher", "--launch-immediately"}, {});
    XServer server({.width = 800, .height = 700});
    ASSERT_TRUE(server.WaitUntil([] {
        return std::system(
                   "dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus "
                   "org.a11y.Bus.GetAddress >/dev/null 2>&1") == 0;
    })) << "no accessibility bus";

    for (const auto& [x, y, rgb] :
         {std::tuple{kFirstX, kFirstY, kFirst}, std::tuple{kSecondX, kSecondY, kSecond}}) {
        server.Paint({x - 10, y - 10, 21, 21}, kAround);
        server.Paint({x, y, 1, 1}, rgb);
    }
    server.MovePointer(kFirstX, kFirstY);

    TempDir runtime;
    setenv("XDG_RUNTIME_DIR", runtime.path.c_str(), 1);
    setenv("QT_LINUX_ACCESSIBILITY_ALWAYS_ON", "1", 1);
    // A fractional scale: the PIXEL text, which the screen test cannot compare there, is
    // checked here to be the physical position.
    setenv("QT_SCALE_FACTOR", "1.5", 1);
    ChildProcess program({COLVEXA_PROGRAM}, {});
    ASSERT_TRUE(
        server.WaitUntil([&] { return server.ViewableWindowOfSize(231, 320).has_value(); }));

    std::vector<std::string> wait = {"wait"};
    for (const std::string& r : Readouts(kFirstX, kFirstY, kFirst)) {
        wait.push_back(r);
    }
    EXPECT_EQ(ReadoutsPy(wait), 0) << "the readouts over the first colour";

    // The RGB value announces its change, as a screen reader that caches names needs.
    const fs::path ready = runtime.path / "ready";
    const std::string rgb = Readouts(kSecondX, kSecondY, kSecond)[1].substr(6);
    auto changed = std::async(std::launch::async, [&] {
        return ReadoutsPy({"change", "RGB :", rgb, ready.string()});
    });
    EXPECT_TRUE(server.WaitUntil([&] { return fs::exists(ready); }));
    server.MovePointer(kSecondX, kSecondY);
    EXPECT_EQ(changed.get(), 0) << "no name change to " << rgb;

    wait = {"wait"};
    for (const std::string& r : Readouts(kSecondX, kSecondY, kSecond)) {
        wait.push_back(r);
    }
    EXPECT_EQ(ReadoutsPy(wait), 0) << "the readouts over the second colour";
    program.Stop();
    unsetenv("QT_SCALE_FACTOR");
}

}  // namespace
}  // namespace colvexa::test
