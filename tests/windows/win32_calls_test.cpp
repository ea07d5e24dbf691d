// The Win32 calls against a real screen. Under wine, scripts/test-windows.sh provides it: an
// Xvfb with openbox, an XTest helper that runs the xdotool and xsetroot commands this test
// asks for (COLVEXA_X_HELPER, a folder), a stand-in xdg-open that records the address it
// is given (COLVEXA_OPEN_RECORD) and a stand-in RunDLL32.exe beside this test
// (COLVEXA_CHOOSER_RECORD).

#include "platform/win32/win32_calls.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <iterator>
#include <sstream>
#include <string>
#include <thread>

#include "platform/win32/win32_shell.h"

namespace colvexa::platform::win32 {
namespace {

using namespace std::chrono_literals;

std::string UnixPathFromEnv(const char* name) {
    const char* value = std::getenv(name);
    // Wine maps the Unix root to drive Z:.
    return value != nullptr && *value != '\0' ? std::string("Z:") + value : std::string();
}

// Runs command ("xdotool ...", "xsetroot ...") on the X side, through the helper, and
// returns once it has run.
void X(const std::string& command) {
    const std::string helper = UnixPathFromEnv("COLVEXA_X_HELPER");
    ASSERT_FALSE(helper.empty()) << "COLVEXA_X_HELPER is not set";
    const std::string request = helper + "/request";
    {
        std::ofstream out(request + ".tmp",
                          std::ios::binary | std::ios::trunc);  // no CR for the shell
        out << command << '\n';
    }
    ASSERT_TRUE(
        MoveFileExA((request + ".tmp").c_str(), request.c_str(), MOVEFILE_REPLACE_EXISTING));
    const auto deadline = std::chrono::steady_clock::now() + 10s;
    while (GetFileAttributesA(request.c_str()) != INVALID_FILE_ATTRIBUTES) {
        ASSERT_LT(std::chrono::steady_clock::now(), deadline) << "no answer to: " << command;
        Sleep(10);
    }
}

// Handles the test's window messages for a while.
void Pump(std::chrono::milliseconds duration) {
    const auto end = std::chrono::steady_clock::now() + duration;
    for (;;) {
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            end - std::chrono::steady_clock::now());
        if (left <= 0ms) {
            return;
        }
        MsgWaitForMultipleObjects(0, nullptr, FALSE, static_cast<DWORD>(left.count()), QS_ALLINPUT);
    }
}

// Waits for a file that a helper writes and returns its text; empty after 10 s.
std::string AwaitFile(const std::string& path) {
    const auto deadline = std::chrono::steady_clock::now() + 10s;
    while (std::chrono::steady_clock::now() < deadline) {
        std::ifstream in(path);
        if (in) {
            return std::string(std::istreambuf_iterator<char>(in), {});
        }
        Sleep(50);
    }
    return {};
}

std::string Text(RECT r) {
    std::ostringstream out;
    out << "(" << r.left << "," << r.top << ")-(" << r.right << "," << r.bottom << ")";
    return out.str();
}

// A plain window filled with one colour, shown at bounds, destroyed with the fixture.
class Windows : public ::testing::Test {
protected:
    HWND Make(const wchar_t* title, COLORREF color, DWORD style, DWORD ex_style, RECT bounds) {
        WNDCLASSW type{};
        type.lpfnWndProc = DefWindowProcW;
        type.hInstance = GetModuleHandleW(nullptr);
        type.hbrBackground = CreateSolidBrush(color);
        type.lpszClassName = title;
        RegisterClassW(&type);
        HWND window = CreateWindowExW(ex_style, title, title, style, bounds.left, bounds.top,
                                      bounds.right - bounds.left, bounds.bottom - bounds.top,
                                      nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
        EXPECT_NE(window, nullptr);
        made_[count_++] = window;
        ShowWindow(window, SW_SHOWNORMAL);
        Pump(300ms);
        // The window manager may place a new window by its own rules; once it is mapped, a
        // move is honoured.
        SetWindowPos(window, nullptr, bounds.left, bounds.top, bounds.right - bounds.left,
                     bounds.bottom - bounds.top, SWP_NOZORDER | SWP_NOACTIVATE);
        Pump(300ms);
        EXPECT_EQ(Text(Bounds(window)), Text(bounds));
        return window;
    }

    ~Windows() override {
        for (int i = 0; i < count_; ++i) {
            DestroyWindow(made_[i]);
        }
        Pump(200ms);
    }

    static RECT Bounds(HWND window) {
        RECT bounds{};
        GetWindowRect(window, &bounds);
        return bounds;
    }

private:
    HWND made_[4] = {};
    int count_ = 0;
};

TEST(ReadPixel, ReadsTheColourUnderThePointerAsBgrWhateverPaintedIt) {
    struct Case {
        const char* x_color;  // the root window's colour, as X writes it
        int x, y;
        std::uint32_t value;
    } const cases[] = {
        {"#FF8000", 123, 456, 0x000080FF},
        {"#0A141E", 0, 0, 0x001E140A},
        {"#C8C832", 777, 11, 0x0032C8C8},
    };
    for (const Case& c : cases) {
        X(std::string("xsetroot -solid ") + c.x_color);
        X("xdotool mousemove " + std::to_string(c.x) + " " + std::to_string(c.y));
        const std::optional<POINT> cursor = ReadCursor();
        ASSERT_TRUE(cursor.has_value());
        EXPECT_EQ(cursor->x, c.x) << c.x_color;
        EXPECT_EQ(cursor->y, c.y) << c.x_color;
        EXPECT_EQ(ReadPixel(cursor->x, cursor->y), c.value) << c.x_color;
    }
}

TEST(ReadPixel, APointOffTheScreenIsInvalid) {
    X("xsetroot -solid #102030");
    const int width = GetSystemMetrics(SM_CXSCREEN);
    const int height = GetSystemMetrics(SM_CYSCREEN);
    ASSERT_GT(width, 0);
    EXPECT_EQ(ReadPixel(width - 1, height - 1), 0x00302010u);
    const POINT outside[] = {{-1, 0},     {0, -1},    {width, 0},
                             {0, height}, {-5, 1079}, {width + 99, height + 99}};
    for (const POINT& p : outside) {
        EXPECT_EQ(ReadPixel(p.x, p.y), CLR_INVALID) << p.x << "," << p.y;
    }
}

TEST_F(Windows, TheTopmostPlacementStaysAboveALaterRaiseAndNeverTakesTheFocus) {
    const COLORREF picker_color = RGB(255, 0, 0);
    const COLORREF other_color = RGB(0, 0, 255);
    const RECT picker_bounds{100, 100, 254, 313};
    HWND picker = Make(L"colvexa-picker", picker_color, WS_POPUP, WS_EX_APPWINDOW, picker_bounds);
    HWND other = Make(L"colvexa-other", other_color, WS_OVERLAPPEDWINDOW, 0, {180, 180, 480, 480});
    SetForegroundWindow(other);
    Pump(500ms);
    const POINT overlap{220, 260};
    // An ordinary window raised later covers the picker...
    ASSERT_EQ(ReadPixel(overlap.x, overlap.y), other_color);

    for (int tick = 0; tick < 5; ++tick) {
        PlaceTopmost(picker);
        Pump(100ms);
    }
    // ...until the placement, which leaves the focus where it was.
    EXPECT_EQ(ReadPixel(overlap.x, overlap.y), picker_color);
    EXPECT_EQ(GetForegroundWindow(), other);
    EXPECT_TRUE(GetWindowLongW(picker, GWL_EXSTYLE) & WS_EX_TOPMOST);
    EXPECT_EQ(Text(Bounds(picker)), Text(picker_bounds));

    // Raised and activated again, before the next placement, the other window stays below.
    SetForegroundWindow(other);
    BringWindowToTop(other);
    Pump(500ms);
    EXPECT_EQ(ReadPixel(overlap.x, overlap.y), picker_color);
    EXPECT_EQ(ReadPixel(400, 400), other_color);
    EXPECT_EQ(GetForegroundWindow(), other);
}

TEST_F(Windows, TheSystemMoveFollowsALeftButtonDrag) {
    const RECT start{300, 300, 454, 513};
    HWND window = Make(L"colvexa-drag", RGB(0, 160, 0), WS_POPUP, WS_EX_APPWINDOW, start);
    X("xdotool mousemove 350 350 mousedown 1");
    Pump(200ms);
    // The move holds this thread until the button is released.
    std::thread hand([] {
        Sleep(300);
        X("xdotool mousemove 380 370");
        Sleep(100);
        X("xdotool mousemove 410 390");
        Sleep(200);
        X("xdotool mouseup 1");
    });
    const bool started = StartSystemMove(window);
    hand.join();
    Pump(500ms);
    EXPECT_TRUE(started);
    EXPECT_EQ(Text(Bounds(window)),
              Text({start.left + 60, start.top + 40, start.right + 60, start.bottom + 40}));
}

TEST(OpenAddress, HandsTheExactAddressToTheDesktopsOpener) {
    const std::string record = UnixPathFromEnv("COLVEXA_OPEN_RECORD");
    ASSERT_FALSE(record.empty()) << "COLVEXA_OPEN_RECORD is not set";
    DeleteFileA(record.c_str());
    const std::string address = "https://www.example.com/colvexa/?a=1&b=two%20words#top";
    EXPECT_TRUE(OpenAddress(address));
    EXPECT_EQ(AwaitFile(record), address + "\n");
}

TEST(OpenAddress, ReportsTheShellsFailure) {
    for (const char* address :
         {"C:\\colvexa\\no such folder\\page.htm", "colvexa-unregistered-scheme:nowhere"}) {
        EXPECT_FALSE(OpenAddress(address)) << address;
    }
}

TEST(Win32Shell, ReportsTheOutcomeBeforeReturning) {
    Win32Shell shell;
    for (const auto& [address, opens] :
         {std::pair{"https://www.example.com/", true}, {"C:\\colvexa\\missing.htm", false}}) {
        int reports = 0;
        bool opened = !opens;
        shell.OpenAddress(address, [&](bool result) {
            ++reports;
            opened = result;
        });
        EXPECT_EQ(reports, 1) << address;
        EXPECT_EQ(opened, opens) << address;
    }
}

TEST(OpenWithChooserForHtm, StartsRunDll32ForHtmFilesShownNormally) {
    const std::string record = UnixPathFromEnv("COLVEXA_CHOOSER_RECORD");
    ASSERT_FALSE(record.empty()) << "COLVEXA_CHOOSER_RECORD is not set";
    DeleteFileA(record.c_str());
    EXPECT_TRUE(OpenWithChooserForHtm());
    EXPECT_EQ(AwaitFile(record), "RunDLL32.exe Shell32.dll,OpenAs_RunDLL *.htm\nshow 1\n");
}

}  // namespace
}  // namespace colvexa::platform::win32
