#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <thread>

#include "tests/support/child_process.h"
#include "tests/support/x_server.h"

namespace colvexa::test {
namespace {

namespace fs = std::filesystem;

constexpr const char* kNoPixels = "does not let programs read the screen's pixels";

struct TempDir {
    TempDir() {
        char name[] = "/tmp/colvexa-wl-XXXXXX";
        path = mkdtemp(name) != nullptr ? name : "";  // mode 0700, as Wayland wants
    }
    ~TempDir() { fs::remove_all(path); }
    fs::path path;
};

// A private headless weston in its own runtime folder, which XDG_RUNTIME_DIR then names.
class Weston {
public:
    static constexpr const char* kSocket = "colvexa-wayland";

    Weston() {
        setenv("XDG_RUNTIME_DIR", runtime_.path.c_str(), 1);
        const int log =
            open((runtime_.path / "weston.log").c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, 0600);
        weston_ = std::make_unique<ChildProcess>(
            std::vector<std::string>{"weston", "--backend=headless-backend.so",
                                     std::string("--socket=") + kSocket, "--idle-time=0"},
            ChildProcess::Options{.output_fd = log});
        close(log);
    }

    bool WaitReady(XServer& server) {
        return server.WaitUntil([&] { return fs::exists(runtime_.path / kSocket); });
    }
    const fs::path& Runtime() const { return runtime_.path; }

private:
    TempDir runtime_;
    std::unique_ptr<ChildProcess> weston_;
};

// The program with its stdout and stderr in a file.
class Program {
public:
    explicit Program(const fs::path& output) : output_(output) {
        const int fd = open(output.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
        process_ = std::make_unique<ChildProcess>(std::vector<std::string>{COLVEXA_PROGRAM},
                                                  ChildProcess::Options{.output_fd = fd});
        close(fd);
    }
    ChildProcess& Process() { return *process_; }
    int Count(const std::string& text) {
        std::ifstream in(output_);
        int n = 0;
        for (std::string line; std::getline(in, line);) {
            n += line.find(text) != std::string::npos;
        }
        return n;
    }
    std::string Output() {
        std::ostringstream out;
        out << std::ifstream(output_).rdbuf();
        return out.str();
    }

private:
    fs::path output_;
    std::unique_ptr<ChildProcess> process_;
};

// The root's pixel as 0xRRGGBB, on a 24-bit TrueColor screen.
std::uint32_t RootRgb(XServer& server, int x, int y) {
    xcb_connection_t* c = server.Connection();
    std::unique_ptr<xcb_get_image_reply_t, decltype(&std::free)> image(
        xcb_get_image_reply(
            c,
            xcb_get_image(c, XCB_IMAGE_FORMAT_Z_PIXMAP, server.Root(), static_cast<std::int16_t>(x),
                          static_cast<std::int16_t>(y), 1, 1, 0xFFFFFF),
            nullptr),
        &std::free);
    if (!image || xcb_get_image_data_length(image.get()) < 4) {
        return 0xFFFFFFFF;
    }
    std::uint32_t pixel = 0;
    std::memcpy(&pixel, xcb_get_image_data(image.get()), 4);
    return pixel & 0xFFFFFF;
}

int ReadoutsPy(const std::string& args) {
    const std::string command =
        std::string("/usr/bin/python3 '") + COLVEXA_READOUTS_PY + "' " + args;
    const int status = std::system(command.c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

TEST(Wayland, QtWaylandSaysOnceThatItReadsNoPixels) {
    XServer server;  // only for its waiting; the program does not use it
    Weston weston;
    ASSERT_TRUE(weston.WaitReady(server));
    ChildProcess bus({"/usr/libexec/at-spi-bus-launcher", "--launch-immediately"}, {});
    setenv("WAYLAND_DISPLAY", Weston::kSocket, 1);
    setenv("QT_QPA_PLATFORM", "wayland", 1);
    setenv("QT_LINUX_ACCESSIBILITY_ALWAYS_ON", "1", 1);
    Program program(weston.Runtime() / "program.log");

    // The readouts say that nothing was read rather than show a colour.
    EXPECT_EQ(ReadoutsPy("wait 'RGB :=n/a' 'HTML:=n/a' 'HEX :=n/a' 'CMYK:=n/a' 'HSV :=n/a' "
                         "'YUV :=n/a' 'HSL :=n/a'"),
              0);
    // Twenty ticks later, still one line.
    std::this_thread::sleep_for(std::chrono::seconds(1));
    EXPECT_TRUE(program.Process().Running()) << program.Output();
    EXPECT_EQ(program.Count(kNoPixels), 1) << program.Output();
    EXPECT_EQ(program.Count("wayland"), 1) << program.Output();
    program.Process().Stop();
    unsetenv("QT_QPA_PLATFORM");
    unsetenv("WAYLAND_DISPLAY");
}

TEST(Wayland, XWaylandUsesTheX11Backend) {
    XServer server({.width = 800, .height = 700});
    Weston weston;
    ASSERT_TRUE(weston.WaitReady(server));
    setenv("WAYLAND_DISPLAY", Weston::kSocket, 1);
    setenv("XDG_SESSION_TYPE", "wayland", 1);
    unsetenv("QT_QPA_PLATFORM");  // the program itself prefers XWayland to Qt's wayland
    // At 1.5 only the X11 backend reads this odd physical point: Qt's rounded logical cursor
    // would land on a neighbour.
    setenv("QT_SCALE_FACTOR", "1.5", 1);
    server.Paint({193, 147, 21, 21}, 0x808080);
    server.Paint({203, 157, 1, 1}, 0x3366CC);
    server.MovePointer(203, 157);
    Program program(weston.Runtime() / "program.log");

    // The swatch's middle, client (131, 63) of the window at (476, 450).
    EXPECT_TRUE(server.WaitUntil([&] { return RootRgb(server, 675, 547) == 0x3366CCu; }))
        << std::hex << RootRgb(server, 675, 547) << "\n"
        << program.Output();
    EXPECT_EQ(program.Count(kNoPixels), 0) << program.Output();
    program.Process().Stop();
    for (const char* name :
         {"QT_SCALE_FACTOR", "QT_QPA_PLATFORM", "XDG_SESSION_TYPE", "WAYLAND_DISPLAY"}) {
        unsetenv(name);
    }
}

}  // namespace
}  // namespace colvexa::test
