#include <gtest/gtest.h>

#include <QMouseEvent>
#include <QWidget>
#include <algorithm>
#include <functional>
#include <memory>

#include "platform/qt_desktop.h"
#include "tests/platform/session.h"

namespace colvexa::platform {
namespace {

using test::Rect;

// A borderless top-most window as the program's own, that can act on a press.
class Surface : public QWidget {
public:
    explicit Surface(Qt::WindowFlags flags = Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint) {
        setWindowFlags(flags);
    }

    std::function<void()> on_press;

protected:
    void mousePressEvent(QMouseEvent* event) override {
        if (event->button() == Qt::LeftButton && on_press) {
            on_press();
        }
    }
};

xcb_window_t Show(Session& s, Surface& window, const Rect& r) {
    window.setGeometry(r.x, r.y, r.width, r.height);
    window.show();
    const auto id = static_cast<xcb_window_t>(window.winId());
    EXPECT_TRUE(s.server.WaitUntil([&] { return s.server.IsViewable(id); }));
    return id;
}

bool Has(const std::vector<std::string>& names, const std::string& name) {
    return std::find(names.begin(), names.end(), name) != names.end();
}

TEST(PlaceTopmost, WithoutAWindowManagerRaisesTheWindowAboveOneRaisedLater) {
    Session s({});
    Surface window;
    const xcb_window_t id = Show(s, window, {40, 40, 154, 213});
    const xcb_window_t other = s.server.OpenWindow({20, 20, 300, 300}, 0x00FF00);
    s.server.Raise(other);
    ASSERT_TRUE(s.server.IsAbove(other, id));
    const Rect before = s.server.Geometry(id).value();

    s.desktop->PlaceTopmost(window);
    s.app.Sync();

    EXPECT_TRUE(s.server.IsAbove(id, other));
    EXPECT_EQ(s.server.Geometry(id), before);
}

TEST(PlaceTopmost, UnderAWindowManagerStaysAboveAndLeavesTheFocusAlone) {
    Session s({.window_manager = true});
    Surface window;
    const xcb_window_t id = Show(s, window, {40, 40, 154, 213});
    ASSERT_TRUE(
        s.server.WaitUntil([&] { return Has(s.server.NetWmState(id), "_NET_WM_STATE_ABOVE"); }));
    const xcb_window_t other = s.server.OpenWindow({20, 20, 300, 300}, 0x00FF00);
    s.server.Activate(other);
    s.server.Raise(other);
    EXPECT_TRUE(s.server.IsAbove(id, other));
    const Rect before = s.server.Geometry(id).value();

    s.desktop->PlaceTopmost(window);
    s.app.Sync();
    s.server.SyncWithWindowManager();

    EXPECT_TRUE(s.server.IsAbove(id, other));
    EXPECT_EQ(s.server.FocusWindow(), other);
    EXPECT_EQ(s.server.Geometry(id), before);
}

TEST(StartSystemMove, IsRefusedWithoutAWindowManagerOrAWindow) {
    Session s({});
    QtDesktop qt;
    for (Desktop* desktop : {s.desktop.get(), static_cast<Desktop*>(&qt)}) {
        Surface hidden;
        EXPECT_FALSE(desktop->StartSystemMove(hidden)) << "a window never shown";

        Surface window;
        Show(s, window, {40, 40, 154, 213});
        int presses = 0;
        bool started = true;
        window.on_press = [&] {
            ++presses;
            started = desktop->StartSystemMove(window);
        };
        s.server.MovePointer(60, 60);
        s.server.PressButton();
        ASSERT_TRUE(s.server.WaitUntil([&] { return presses == 1; }));
        EXPECT_FALSE(started);
        s.server.ReleaseButton();
    }
}

// The press handler starts the move; the window then follows the pointer until the release.
TEST(StartSystemMove, UnderAWindowManagerTheWindowFollowsThePointer) {
    Session s({.window_manager = true});
    Surface window;
    const xcb_window_t id = Show(s, window, {100, 100, 154, 213});
    const Rect start = s.server.Geometry(id).value();
    int presses = 0;
    bool started = false;
    window.on_press = [&] {
        ++presses;
        started = s.desktop->StartSystemMove(window);
    };

    s.server.MovePointer(start.x + 20, start.y + 20);
    s.server.PressButton();
    ASSERT_TRUE(s.server.WaitUntil([&] { return presses == 1; }));
    ASSERT_TRUE(started);
    s.app.Sync();
    s.server.SyncWithWindowManager();

    s.server.MovePointer(start.x + 40, start.y + 30);
    s.server.MovePointer(start.x + 60, start.y + 50);
    const Rect moved{start.x + 40, start.y + 30, start.width, start.height};
    EXPECT_TRUE(s.server.WaitUntil([&] { return s.server.Geometry(id) == moved; }))
        << "at " << s.server.Geometry(id).value();
    s.server.ReleaseButton();
    s.server.SyncWithWindowManager();

    s.server.MovePointer(start.x + 90, start.y + 90);
    s.server.SyncWithWindowManager();
    EXPECT_EQ(s.server.Geometry(id), moved) << "the move ends with the release";
}

}  // namespace
}  // namespace colvexa::platform
