#include "tests/support/x_server.h"
#include "platform/xcb_util.h"

#include <fcntl.h>
#include <poll.h>
#include <unistd.h>
#include <xcb/xtest.h>

#include <algorithm>
#include <bit>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <stdexcept>
#include <string>
#include <thread>

namespace colvexa::test {
namespace {

using platform::Ask;
using platform::BitsPerPixel;
using platform::FindVisual;
using platform::Reply;

// An empty configuration of openbox's own defaults, never the user's. An empty file would
// make it put up an error window, which sits on the screen the tests read.
const std::string& OpenboxConfig() {
    struct File {
        std::string path = "/tmp/colvexa-test-openbox-" + std::to_string(getpid()) + ".xml";
        File() {
            FILE* out = std::fopen(path.c_str(), "w");
            if (out == nullptr) {
                throw std::runtime_error("cannot write " + path);
            }
            std::fputs(
                "<?xml version=\"1.0\"?>\n"
                "<openbox_config xmlns=\"http://openbox.org/3.4/rc\"/>\n",
                out);
            std::fclose(out);
        }
        ~File() { std::remove(path.c_str()); }
    };
    static const File file;
    return file.path;
}

using Clock = std::chrono::steady_clock;

class Fd {
public:
    explicit Fd(int fd) : fd_(fd) {}
    ~Fd() {
        if (fd_ >= 0) {
            close(fd_);
        }
    }
    Fd(const Fd&) = delete;
    Fd& operator=(const Fd&) = delete;
    int get() const { return fd_; }
    void Close() {
        close(fd_);
        fd_ = -1;
    }

private:
    int fd_;
};

// Reads one line from fd, waiting at most until the deadline; empty at end of file or timeout.
std::string ReadLine(int fd, Clock::time_point deadline) {
    std::string line;
    while (Clock::now() < deadline) {
        const auto left =
            std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
        pollfd p{fd, POLLIN, 0};
        const int ready = poll(&p, 1, static_cast<int>(left.count()) + 1);
        if (ready < 0 && errno == EINTR) {
            continue;
        }
        if (ready <= 0) {
            break;
        }
        char c = 0;
        const ssize_t n = read(fd, &c, 1);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0 || c == '\n') {
            return n <= 0 ? std::string() : line;
        }
        line += c;
    }
    return {};
}

std::string ReadAll(int fd) {
    std::string text;
    lseek(fd, 0, SEEK_SET);
    char buffer[4096];
    ssize_t n = 0;
    while ((n = read(fd, buffer, sizeof buffer)) > 0) {
        text.append(buffer, static_cast<std::size_t>(n));
    }
    return text;
}

// The top bits of an 8-bit channel value, placed in the mask.
std::uint32_t IntoMask(std::uint32_t value8, std::uint32_t mask) {
    if (mask == 0) {
        return 0;
    }
    const int bits = std::popcount(mask);
    const int shift = std::countr_zero(mask);
    const std::uint32_t v = bits >= 8 ? value8 << (bits - 8) : value8 >> (8 - bits);
    return (v << shift) & mask;
}

}  // namespace

std::ostream& operator<<(std::ostream& out, const Rect& r) {
    return out << r.width << "x" << r.height << "+" << r.x << "+" << r.y;
}

XServer::SavedDisplay::~SavedDisplay() {
    if (value) {
        setenv("DISPLAY", value->c_str(), 1);
    } else {
        unsetenv("DISPLAY");
    }
}

XServer::XServer(const XServerOptions& options) : options_(options) {
    if (const char* old = std::getenv("DISPLAY")) {
        saved_display_.value = old;
    }
    StartXvfb();
    if (options_.window_manager) {
        StartWindowManager();
    }
}

XServer::~XServer() = default;

void XServer::StartXvfb() {
    int pipe_fds[2];
    if (pipe2(pipe_fds, O_CLOEXEC) != 0) {
        throw std::runtime_error("pipe2: " + std::string(std::strerror(errno)));
    }
    Fd read_end(pipe_fds[0]);
    Fd write_end(pipe_fds[1]);
    char log_name[] = "/tmp/colvexa-xvfb-XXXXXX";
    Fd log(mkostemp(log_name, O_CLOEXEC));
    if (log.get() >= 0) {
        unlink(log_name);
    }

    const std::string screen = std::to_string(options_.width) + "x" +
                               std::to_string(options_.height) + "x" +
                               std::to_string(options_.depth);
    // -noreset: without it the server resets when its last client leaves, wiping the screen.
    xvfb_ = std::make_unique<ChildProcess>(
        std::vector<std::string>{"Xvfb", "-displayfd", std::to_string(write_end.get()), "-noreset",
                                 "-screen", "0", screen, "-nolisten", "tcp"},
        ChildProcess::Options{write_end.get(), log.get()});
    write_end.Close();

    const std::string number = ReadLine(read_end.get(), Clock::now() + std::chrono::seconds(30));
    if (number.empty()) {
        xvfb_->Stop();
        throw std::runtime_error("Xvfb " + screen + " did not start:\n" + ReadAll(log.get()));
    }
    display_ = ":" + number;
    setenv("DISPLAY", display_.c_str(), 1);

    connection_.reset(xcb_connect(display_.c_str(), nullptr));
    if (xcb_connection_has_error(connection_.get())) {
        throw std::runtime_error("cannot connect to Xvfb on " + display_);
    }
}

void XServer::StartWindowManager() {
    window_manager_ = std::make_unique<ChildProcess>(
        std::vector<std::string>{"openbox", "--sm-disable", "--config-file", OpenboxConfig()},
        ChildProcess::Options{});
    xcb_connection_t* c = Connection();
    const xcb_atom_t selection = Atom("WM_S0");
    const xcb_atom_t check = Atom("_NET_SUPPORTING_WM_CHECK");
    Require(WaitUntil([&] {
                if (!window_manager_->Running()) {
                    throw std::runtime_error("openbox exited at start-up");
                }
                auto owner =
                    Ask(c, xcb_get_selection_owner(c, selection), xcb_get_selection_owner_reply);
                auto wm = Ask(c, xcb_get_property(c, 0, Root(), check, XCB_ATOM_WINDOW, 0, 1),
                              xcb_get_property_reply);
                return owner && owner->owner != XCB_NONE && wm &&
                       xcb_get_property_value_length(wm.get()) == 4;
            }),
            "openbox to manage the screen");

    // An unmapped window to ask the manager about; see SyncWithWindowManager.
    wm_probe_ = xcb_generate_id(c);
    xcb_create_window(c, XCB_COPY_FROM_PARENT, wm_probe_, Root(), 0, 0, 1, 1, 0,
                      XCB_WINDOW_CLASS_INPUT_OUTPUT, XCB_COPY_FROM_PARENT, 0, nullptr);
    // openbox owns the selection before its start-up is over, and a window mapped before then
    // may never be managed; its first answer comes once it is done.
    SyncWithWindowManager();
}

const xcb_screen_t& XServer::Screen() const {
    return *xcb_setup_roots_iterator(xcb_get_setup(Connection())).data;
}

xcb_window_t XServer::Root() const {
    return Screen().root;
}

void XServer::Sync() {
    Ask(Connection(), xcb_get_input_focus(Connection()), xcb_get_input_focus_reply);
}

void XServer::Require(bool done, const std::string& what) {
    if (!done) {
        throw std::runtime_error("timed out waiting for " + what + " on " + display_);
    }
}

bool XServer::WaitUntil(const std::function<bool()>& done, std::chrono::milliseconds timeout) {
    const auto deadline = Clock::now() + timeout;
    while (!done()) {
        if (Clock::now() >= deadline) {
            return false;
        }
        if (pump) {
            pump();
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return true;
}

void XServer::FakeInput(std::uint8_t type, std::uint8_t detail, int x, int y) {
    xcb_test_fake_input(Connection(), type, detail, XCB_CURRENT_TIME, Root(),
                        static_cast<std::int16_t>(x), static_cast<std::int16_t>(y), 0);
    xcb_flush(Connection());
}

std::uint16_t XServer::PointerState(int& x, int& y) {
    auto p = Ask(Connection(), xcb_query_pointer(Connection(), Root()), xcb_query_pointer_reply);
    if (!p) {
        throw std::runtime_error("cannot query the pointer on " + display_);
    }
    x = p->root_x;
    y = p->root_y;
    return p->mask;
}

void XServer::MovePointer(int x, int y) {
    FakeInput(XCB_MOTION_NOTIFY, 0, x, y);
    Require(WaitUntil([&] {
                int px = 0;
                int py = 0;
                PointerState(px, py);
                return px == x && py == y;
            }),
            "the pointer to reach (" + std::to_string(x) + ", " + std::to_string(y) + ")");
}

void XServer::PressButton(int button) {
    SetButton(button, true);
}

void XServer::ReleaseButton(int button) {
    SetButton(button, false);
}

void XServer::SetButton(int button, bool down) {
    FakeInput(down ? XCB_BUTTON_PRESS : XCB_BUTTON_RELEASE, static_cast<std::uint8_t>(button), 0,
              0);
    const unsigned mask = XCB_BUTTON_MASK_1 << (button - 1);
    Require(WaitUntil([&] {
                int x = 0;
                int y = 0;
                return ((PointerState(x, y) & mask) != 0) == down;
            }),
            "button " + std::to_string(button) + (down ? " to go down" : " to come up"));
}

std::uint32_t XServer::PixelFor(std::uint32_t rgb) const {
    const xcb_visualtype_t* visual = FindVisual(Screen(), Screen().root_visual);
    if (!visual || visual->_class != XCB_VISUAL_CLASS_TRUE_COLOR) {
        throw std::runtime_error("PixelFor needs a TrueColor root visual");
    }
    return IntoMask((rgb >> 16) & 0xFF, visual->red_mask) |
           IntoMask((rgb >> 8) & 0xFF, visual->green_mask) |
           IntoMask(rgb & 0xFF, visual->blue_mask);
}

xcb_window_t XServer::PaintPixel(const Rect& area, std::uint32_t pixel) {
    xcb_connection_t* c = Connection();
    const xcb_window_t window = xcb_generate_id(c);
    const std::uint32_t values[] = {pixel, 1};
    xcb_create_window(c, XCB_COPY_FROM_PARENT, window, Root(), static_cast<std::int16_t>(area.x),
                      static_cast<std::int16_t>(area.y), static_cast<std::uint16_t>(area.width),
                      static_cast<std::uint16_t>(area.height), 0, XCB_WINDOW_CLASS_INPUT_OUTPUT,
                      XCB_COPY_FROM_PARENT, XCB_CW_BACK_PIXEL | XCB_CW_OVERRIDE_REDIRECT, values);
    xcb_map_window(c, window);
    // The server paints the background while it maps the window, so a round trip is enough.
    Sync();
    return window;
}

std::optional<std::uint32_t> XServer::ServerColor(int x, int y) {
    xcb_connection_t* c = Connection();
    auto image =
        Ask(c,
            xcb_get_image(c, XCB_IMAGE_FORMAT_Z_PIXMAP, Root(), static_cast<std::int16_t>(x),
                          static_cast<std::int16_t>(y), 1, 1, ~0u),
            xcb_get_image_reply);
    if (!image) {
        return std::nullopt;
    }
    const xcb_setup_t* setup = xcb_get_setup(c);
    const int bytes = BitsPerPixel(*setup, image->depth) / 8;
    const std::uint8_t* data = xcb_get_image_data(image.get());
    if (bytes < 1 || xcb_get_image_data_length(image.get()) < bytes) {
        throw std::runtime_error("unexpected image format at depth " +
                                 std::to_string(image->depth));
    }
    std::uint32_t pixel = 0;
    for (int i = 0; i < bytes; ++i) {
        const int shift =
            setup->image_byte_order == XCB_IMAGE_ORDER_LSB_FIRST ? 8 * i : 8 * (bytes - 1 - i);
        pixel |= std::uint32_t{data[i]} << shift;
    }
    if (image->depth < 32) {
        pixel &= (std::uint32_t{1} << image->depth) - 1;  // padding bits are not the colour's
    }
    auto colors =
        Ask(c, xcb_query_colors(c, Screen().default_colormap, 1, &pixel), xcb_query_colors_reply);
    if (!colors || xcb_query_colors_colors_length(colors.get()) != 1) {
        throw std::runtime_error("the server gave no colour for pixel " + std::to_string(pixel));
    }
    const xcb_rgb_t rgb = *xcb_query_colors_colors(colors.get());
    return std::uint32_t{rgb.red} >> 8 | (std::uint32_t{rgb.green} >> 8) << 8 |
           (std::uint32_t{rgb.blue} >> 8) << 16;
}

xcb_window_t XServer::OpenWindow(const Rect& area, std::uint32_t rgb) {
    xcb_connection_t* c = Connection();
    const xcb_window_t window = xcb_generate_id(c);
    const std::uint32_t values[] = {PixelFor(rgb)};
    xcb_create_window(c, XCB_COPY_FROM_PARENT, window, Root(), static_cast<std::int16_t>(area.x),
                      static_cast<std::int16_t>(area.y), static_cast<std::uint16_t>(area.width),
                      static_cast<std::uint16_t>(area.height), 0, XCB_WINDOW_CLASS_INPUT_OUTPUT,
                      XCB_COPY_FROM_PARENT, XCB_CW_BACK_PIXEL, values);
    // A user-given position and size in WM_NORMAL_HINTS, so no placement policy moves it.
    std::uint32_t hints[18] = {};
    hints[0] = 1 | 2;  // USPosition | USSize
    hints[1] = static_cast<std::uint32_t>(area.x);
    hints[2] = static_cast<std::uint32_t>(area.y);
    hints[3] = static_cast<std::uint32_t>(area.width);
    hints[4] = static_cast<std::uint32_t>(area.height);
    xcb_change_property(c, XCB_PROP_MODE_REPLACE, window, XCB_ATOM_WM_NORMAL_HINTS,
                        XCB_ATOM_WM_SIZE_HINTS, 32, 18, hints);
    const std::string name = "another program";
    xcb_change_property(c, XCB_PROP_MODE_REPLACE, window, XCB_ATOM_WM_NAME, XCB_ATOM_STRING, 8,
                        static_cast<std::uint32_t>(name.size()), name.c_str());
    xcb_map_window(c, window);
    xcb_flush(c);
    Require(WaitUntil([&] { return IsViewable(window); }), "a new window to be mapped");
    return window;
}

void XServer::Destroy(xcb_window_t window) {
    xcb_destroy_window(Connection(), window);
    SyncWithWindowManager();
}

void XServer::Raise(xcb_window_t window) {
    const std::uint32_t above[] = {XCB_STACK_MODE_ABOVE};
    xcb_configure_window(Connection(), window, XCB_CONFIG_WINDOW_STACK_MODE, above);
    SyncWithWindowManager();
}

void XServer::SendToRoot(xcb_window_t window, const std::string& type,
                         std::initializer_list<std::uint32_t> data) {
    xcb_client_message_event_t message{};
    message.response_type = XCB_CLIENT_MESSAGE;
    message.format = 32;
    message.window = window;
    message.type = Atom(type);
    std::size_t i = 0;
    for (std::uint32_t value : data) {
        message.data.data32[i++] = value;
    }
    xcb_send_event(Connection(), 0, Root(),
                   XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                   reinterpret_cast<const char*>(&message));
    xcb_flush(Connection());
}

void XServer::Activate(xcb_window_t window) {
    if (window_manager_) {
        // Source 2, a pager: the manager applies no focus-stealing rules to it.
        SendToRoot(window, "_NET_ACTIVE_WINDOW", {2, XCB_CURRENT_TIME, 0});
    } else {
        xcb_set_input_focus(Connection(), XCB_INPUT_FOCUS_POINTER_ROOT, window, XCB_CURRENT_TIME);
        xcb_flush(Connection());
    }
    Require(WaitUntil([&] { return FocusWindow() == window; }), "a window to get the focus");
}

void XServer::SyncWithWindowManager() {
    if (!window_manager_) {
        Sync();
        return;
    }
    // The manager answers _NET_REQUEST_FRAME_EXTENTS by setting _NET_FRAME_EXTENTS, and it
    // handles what reaches it in order: once the answer is there, everything before it is done.
    // openbox drops what reaches it during its start-up, so the request is sent again until
    // an answer comes.
    xcb_connection_t* c = Connection();
    const xcb_atom_t extents = Atom("_NET_FRAME_EXTENTS");
    xcb_delete_property(c, wm_probe_, extents);
    auto next_request = Clock::now();
    Require(WaitUntil([&] {
                if (Clock::now() >= next_request) {
                    SendToRoot(wm_probe_, "_NET_REQUEST_FRAME_EXTENTS", {});
                    next_request = Clock::now() + std::chrono::milliseconds(200);
                }
                auto property =
                    Ask(c, xcb_get_property(c, 0, wm_probe_, extents, XCB_ATOM_CARDINAL, 0, 4),
                        xcb_get_property_reply);
                return property && property->type != XCB_NONE;
            }),
            "the window manager to answer");
}

std::optional<Rect> XServer::Geometry(xcb_window_t window) {
    xcb_connection_t* c = Connection();
    auto geometry = Ask(c, xcb_get_geometry(c, window), xcb_get_geometry_reply);
    auto origin =
        Ask(c, xcb_translate_coordinates(c, window, Root(), 0, 0), xcb_translate_coordinates_reply);
    if (!geometry || !origin) {
        return std::nullopt;
    }
    return Rect{origin->dst_x, origin->dst_y, geometry->width, geometry->height};
}

bool XServer::IsViewable(xcb_window_t window) {
    auto attributes = Ask(Connection(), xcb_get_window_attributes(Connection(), window),
                          xcb_get_window_attributes_reply);
    return attributes && attributes->map_state == XCB_MAP_STATE_VIEWABLE;
}

xcb_window_t XServer::FocusWindow() {
    auto focus = Ask(Connection(), xcb_get_input_focus(Connection()), xcb_get_input_focus_reply);
    return focus ? focus->focus : XCB_NONE;
}

std::vector<xcb_window_t> XServer::Stacking() {
    auto tree = Ask(Connection(), xcb_query_tree(Connection(), Root()), xcb_query_tree_reply);
    if (!tree) {
        return {};
    }
    const xcb_window_t* children = xcb_query_tree_children(tree.get());
    return {children, children + xcb_query_tree_children_length(tree.get())};
}

xcb_window_t XServer::TopLevelOf(xcb_window_t window) {
    while (true) {
        auto tree = Ask(Connection(), xcb_query_tree(Connection(), window), xcb_query_tree_reply);
        if (!tree) {
            throw std::runtime_error("no window " + std::to_string(window));
        }
        if (tree->parent == Root() || tree->parent == XCB_NONE) {
            return window;
        }
        window = tree->parent;
    }
}

bool XServer::IsAbove(xcb_window_t upper, xcb_window_t lower) {
    const std::vector<xcb_window_t> stack = Stacking();
    const auto upper_at = std::find(stack.begin(), stack.end(), TopLevelOf(upper));
    const auto lower_at = std::find(stack.begin(), stack.end(), TopLevelOf(lower));
    return upper_at != stack.end() && lower_at != stack.end() && upper_at > lower_at;
}

std::vector<std::string> XServer::NetWmState(xcb_window_t window) {
    xcb_connection_t* c = Connection();
    auto property =
        Ask(c, xcb_get_property(c, 0, window, Atom("_NET_WM_STATE"), XCB_ATOM_ATOM, 0, 64),
            xcb_get_property_reply);
    std::vector<std::string> names;
    if (!property || property->format != 32) {
        return names;
    }
    const auto* atoms = static_cast<const xcb_atom_t*>(xcb_get_property_value(property.get()));
    const int count = xcb_get_property_value_length(property.get()) / 4;
    for (int i = 0; i < count; ++i) {
        names.push_back(AtomName(atoms[i]));
    }
    return names;
}

xcb_atom_t XServer::Atom(const std::string& name) {
    auto reply =
        Ask(Connection(),
            xcb_intern_atom(Connection(), 0, static_cast<std::uint16_t>(name.size()), name.c_str()),
            xcb_intern_atom_reply);
    if (!reply) {
        throw std::runtime_error("cannot intern atom " + name);
    }
    return reply->atom;
}

std::string XServer::AtomName(xcb_atom_t atom) {
    auto reply = Ask(Connection(), xcb_get_atom_name(Connection(), atom), xcb_get_atom_name_reply);
    if (!reply) {
        return {};
    }
    return {xcb_get_atom_name_name(reply.get()),
            static_cast<std::size_t>(xcb_get_atom_name_name_length(reply.get()))};
}

std::string XServer::WmInstance(xcb_window_t window) {
    xcb_connection_t* c = Connection();
    auto property =
        Ask(c, xcb_get_property(c, 0, window, XCB_ATOM_WM_CLASS, XCB_ATOM_STRING, 0, 64),
            xcb_get_property_reply);
    if (!property) {
        return {};
    }
    const char* value = static_cast<const char*>(xcb_get_property_value(property.get()));
    const auto length = static_cast<std::size_t>(xcb_get_property_value_length(property.get()));
    return std::string(value, strnlen(value, length));
}

std::optional<Rect> XServer::ViewableWindowOfSize(int width, int height) {
    for (const xcb_window_t w : Stacking()) {
        const auto r = Geometry(w);
        if (r && r->width == width && r->height == height && IsViewable(w)) {
            return r;
        }
    }
    return std::nullopt;
}

}  // namespace colvexa::test
