#pragma once

#include <xcb/xcb.h>

#include <chrono>
#include <cstdint>
#include <functional>
#include <initializer_list>
#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "tests/support/child_process.h"

namespace colvexa::test {

struct Rect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;

    bool operator==(const Rect&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Rect& r);

struct XServerOptions {
    int width = 640;
    int height = 480;
    int depth = 24;
    // Runs openbox and waits until it manages the screen.
    bool window_manager = false;
};

// A private Xvfb (and optionally openbox) for one test: started by the constructor, which also
// points DISPLAY at it, and stopped by the destructor, which puts DISPLAY back. Destroy any
// QApplication on it first. The helpers talk to the server over a connection of their own;
// the ones that change something return only once the server (or the window manager) has
// carried it out, and throw std::runtime_error when that does not happen in time.
class XServer {
public:
    static constexpr std::chrono::milliseconds kTimeout = std::chrono::seconds(10);

    explicit XServer(const XServerOptions& options = {});
    ~XServer();

    XServer(const XServer&) = delete;
    XServer& operator=(const XServer&) = delete;

    const XServerOptions& Options() const { return options_; }
    const std::string& Display() const { return display_; }
    xcb_connection_t* Connection() const { return connection_.get(); }
    xcb_window_t Root() const;

    // Called between polls while waiting, e.g. [] { QCoreApplication::processEvents(); }.
    std::function<void()> pump;

    // Polls done() until it holds; false on timeout.
    bool WaitUntil(const std::function<bool()>& done, std::chrono::milliseconds timeout = kTimeout);

    // Pointer and buttons, through XTest. The point must be on the screen.
    void MovePointer(int x, int y);
    void PressButton(int button = 1);
    void ReleaseButton(int button = 1);

    // The root visual's pixel value for 0xRRGGBB, each channel cut to its mask's width.
    std::uint32_t PixelFor(std::uint32_t rgb) const;
    // Fills the area on screen, above every other window, with a pixel value or a colour.
    // The window that does it is returned; the server destroys it with the connection.
    xcb_window_t PaintPixel(const Rect& area, std::uint32_t pixel);
    xcb_window_t Paint(const Rect& area, std::uint32_t rgb) {
        return PaintPixel(area, PixelFor(rgb));
    }
    // The server's own colour for the pixel at (x, y): the colour map's entry for the pixel
    // value, top 8 bits of each channel, as 0x00BBGGRR; nothing when the point is off screen.
    std::optional<std::uint32_t> ServerColor(int x, int y);

    // An ordinary top-level window of another program, filled with a colour, at the place it
    // asks for; returns once it is on screen (framed, when a window manager runs).
    xcb_window_t OpenWindow(const Rect& area, std::uint32_t rgb);
    // The stacking request a program makes for its own window.
    void Raise(xcb_window_t window);
    void Destroy(xcb_window_t window);
    // Gives the window the input focus, through the window manager when one runs.
    void Activate(xcb_window_t window);
    // Returns once the window manager has handled every request and event that reached the
    // server before the call; only a round trip without one.
    void SyncWithWindowManager();

    // The window's inside, in root coordinates; nothing when the window does not exist.
    std::optional<Rect> Geometry(xcb_window_t window);
    bool IsViewable(xcb_window_t window);
    xcb_window_t FocusWindow();
    // The root's children, bottom first.
    std::vector<xcb_window_t> Stacking();
    // The child of the root that holds the window: its frame, or itself without a manager.
    xcb_window_t TopLevelOf(xcb_window_t window);
    bool IsAbove(xcb_window_t upper, xcb_window_t lower);
    // The instance name of the window's WM_CLASS ("" when it has none).
    std::string WmInstance(xcb_window_t window);
    // A viewable child of the root of that size, bottom first; nothing when there is none.
    std::optional<Rect> ViewableWindowOfSize(int width, int height);
    // The names in the window's _NET_WM_STATE.
    std::vector<std::string> NetWmState(xcb_window_t window);

    xcb_atom_t Atom(const std::string& name);
    std::string AtomName(xcb_atom_t atom);

private:
    struct SavedDisplay {
        std::optional<std::string> value;
        ~SavedDisplay();
    };
    struct Disconnect {
        void operator()(xcb_connection_t* c) const { xcb_disconnect(c); }
    };

    void StartXvfb();
    void StartWindowManager();
    const xcb_screen_t& Screen() const;
    void Sync();
    void Require(bool done, const std::string& what);
    void FakeInput(std::uint8_t type, std::uint8_t detail, int x, int y);
    void SetButton(int button, bool down);
    // The buttons and modifiers held; the pointer's root position in x, y.
    std::uint16_t PointerState(int& x, int& y);
    void SendToRoot(xcb_window_t window, const std::string& type,
                    std::initializer_list<std::uint32_t> data);

    XServerOptions options_;
    SavedDisplay saved_display_;
    std::unique_ptr<ChildProcess> xvfb_;
    std::string display_;
    std::unique_ptr<ChildProcess> window_manager_;
    std::unique_ptr<xcb_connection_t, Disconnect> connection_;
    xcb_window_t wm_probe_ = XCB_NONE;
};

}  // namespace colvexa::test
