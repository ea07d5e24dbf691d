#pragma once

#include <xcb/xcb.h>

#include <QImage>
#include <QPoint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "tests/support/child_process.h"
#include "tests/support/x_server.h"

namespace colvexa::e2e {

using test::Rect;
using test::XServer;

// Sets (or, given nothing, unsets) one environment variable until the object goes.
class ScopedEnv {
public:
    ScopedEnv(std::string name, const std::optional<std::string>& value);
    ~ScopedEnv();

    ScopedEnv(const ScopedEnv&) = delete;
    ScopedEnv& operator=(const ScopedEnv&) = delete;

private:
    std::string name_;
    std::optional<std::string> old_;
};

// A folder of our own under /tmp, removed with everything in it.
class TempDir {
public:
    TempDir();
    ~TempDir();

    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::string& Path() const { return path_; }

private:
    std::string path_;
};

// The screen's pixels over the area (on screen), as the server holds them.
QImage Grab(XServer& server, const Rect& area);
// The readout font's black text on the white window, in a box `width` pixels wide (at least
// the text's own width), as a value label shows it.
QImage ReadoutText(const std::string& text, int width = 0);

// The program's viewable top-level windows (found by WM_CLASS) of the given size.
std::vector<xcb_window_t> ProgramWindows(XServer& server, int width, int height);

// The colvexa binary run on the server DISPLAY names, with a private runtime folder and Qt
// left to pick its xcb platform. Stopped by the destructor, even when a test fails.
class Program {
public:
    static constexpr int kMainWidth = 154;
    static constexpr int kMainHeight = 213;
    // Between the window's edge and its client area.
    static constexpr int kBorder = 2;

    // Starts it and waits until its main window is on screen.
    explicit Program(XServer& server);
    // Only starts it: for runs that end before any window shows.
    Program(XServer* server, std::string display);
    ~Program();

    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    xcb_window_t Main() const { return main_; }
    Rect MainGeometry() const;
    // A point of the main window's client area, on screen.
    QPoint MainClient(int x, int y) const;

    // Move there, press and release the left button.
    void Click(QPoint at);
    // Presses the button at `from`, moves the pointer by `travel` and releases it there.
    // With `expected`, the pointer only moves once the window manager has taken over the
    // move the press asked for, and the release waits until the main window has reached
    // `expected` (throws when it does not). Without, the button is held a while at the end.
    // True when the program asked the window manager for a move.
    bool Drag(QPoint from, QPoint travel, int button = 1,
              const std::optional<Rect>& expected = std::nullopt);

    // Waits until the program has ended; its exit code, or nothing on timeout or a signal.
    std::optional<int> WaitForExit();
    bool Running() { return child_->Running(); }
    // What it wrote on stdout and stderr so far.
    std::string Output() const;

private:
    struct Disconnect {
        void operator()(xcb_connection_t* c) const { xcb_disconnect(c); }
    };

    void Start(const std::string& display);
    // Whether a _NET_WM_MOVERESIZE move of the main window went to the root since last asked.
    bool MoveRequested();

    XServer* server_;
    TempDir runtime_dir_;
    int output_fd_ = -1;
    std::unique_ptr<test::ChildProcess> child_;
    xcb_window_t main_ = XCB_NONE;
    // Sees the client messages that go to the window manager.
    std::unique_ptr<xcb_connection_t, Disconnect> watcher_;
    xcb_atom_t move_resize_ = XCB_NONE;
};

// Counts the pixels of exactly this colour.
int CountColor(const QImage& image, QRgb rgb);

}  // namespace colvexa::e2e
