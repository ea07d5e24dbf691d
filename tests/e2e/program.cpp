#include "tests/e2e/program.h"
#include "platform/xcb_util.h"

#include <fcntl.h>
#include <unistd.h>

#include <QColor>
#include <QPainter>
#include <algorithm>
#include <bit>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <stdexcept>
#include <thread>

#include "ui/readout_font.h"

#ifndef COLVEXA_PROGRAM
#error "COLVEXA_PROGRAM must name the program's binary"
#endif

namespace colvexa::e2e {
namespace {

using platform::Ask;
using platform::Reply;

const xcb_screen_t& ScreenOf(xcb_connection_t* c) {
    return *xcb_setup_roots_iterator(xcb_get_setup(c)).data;
}

const xcb_visualtype_t* RootVisual(xcb_connection_t* c) {
    const xcb_screen_t& screen = ScreenOf(c);
    for (auto d = xcb_screen_allowed_depths_iterator(&screen); d.rem; xcb_depth_next(&d)) {
        for (auto v = xcb_depth_visuals_iterator(d.data); v.rem; xcb_visualtype_next(&v)) {
            if (v.data->visual_id == screen.root_visual) {
                return v.data;
            }
        }
    }
    return nullptr;
}

// The channel under the mask, widened or cut to 8 bits.
int Channel(std::uint32_t pixel, std::uint32_t mask) {
    const int bits = std::popcount(mask);
    const std::uint32_t v = (pixel & mask) >> std::countr_zero(mask);
    return static_cast<int>(bits >= 8 ? v >> (bits - 8) : v << (8 - bits));
}

std::vector<xcb_window_t> Children(xcb_connection_t* c, xcb_window_t window) {
    auto tree = Ask(c, xcb_query_tree(c, window), xcb_query_tree_reply);
    if (!tree) {
        return {};
    }
    const xcb_window_t* children = xcb_query_tree_children(tree.get());
    return {children, children + xcb_query_tree_children_length(tree.get())};
}

}  // namespace

ScopedEnv::ScopedEnv(std::string name, const std::optional<std::string>& value)
    : name_(std::move(name)) {
    if (const char* old = std::getenv(name_.c_str())) {
        old_ = old;
    }
    if (value) {
        setenv(name_.c_str(), value->c_str(), 1);
    } else {
        unsetenv(name_.c_str());
    }
}

ScopedEnv::~ScopedEnv() {
    if (old_) {
        setenv(name_.c_str(), old_->c_str(), 1);
    } else {
        unsetenv(name_.c_str());
    }
}

TempDir::TempDir() {
    char name[] = "/tmp/colvexa-e2e-XXXXXX";
    if (mkdtemp(name) == nullptr) {
        throw std::runtime_error("mkdtemp: " + std::string(std::strerror(errno)));
    }
    path_ = name;
}

TempDir::~TempDir() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

QImage Grab(XServer& server, const Rect& area) {
    xcb_connection_t* c = server.Connection();
    const xcb_visualtype_t* visual = RootVisual(c);
    if (!visual || visual->_class != XCB_VISUAL_CLASS_TRUE_COLOR) {
        throw std::runtime_error("Grab needs a TrueColor root visual");
    }
    auto image =
        Ask(c,
            xcb_get_image(c, XCB_IMAGE_FORMAT_Z_PIXMAP, server.Root(),
                          static_cast<std::int16_t>(area.x), static_cast<std::int16_t>(area.y),
                          static_cast<std::uint16_t>(area.width),
                          static_cast<std::uint16_t>(area.height), ~0u),
            xcb_get_image_reply);
    if (!image) {
        throw std::runtime_error("cannot read the screen's pixels (area off screen?)");
    }
    const xcb_setup_t* setup = xcb_get_setup(c);
    int bits = 0;
    for (auto f = xcb_setup_pixmap_formats_iterator(setup); f.rem; xcb_format_next(&f)) {
        if (f.data->depth == image->depth) {
            bits = f.data->bits_per_pixel;
        }
    }
    const int bytes = bits / 8;
    const int stride = xcb_get_image_data_length(image.get()) / area.height;
    if (bits % 8 != 0 || bytes < 1 || bytes > 4 || stride < bytes * area.width) {
        throw std::runtime_error("unexpected image format at depth " +
                                 std::to_string(image->depth));
    }
    const std::uint8_t* data = xcb_get_image_data(image.get());
    const bool lsb_first = setup->image_byte_order == XCB_IMAGE_ORDER_LSB_FIRST;
    QImage out(area.width, area.height, QImage::Format_RGB32);
    for (int y = 0; y < area.height; ++y) {
        for (int x = 0; x < area.width; ++x) {
            const std::uint8_t* p = data + y * stride + x * bytes;
            std::uint32_t pixel = 0;
            for (int i = 0; i < bytes; ++i) {
                pixel |= std::uint32_t{p[i]} << (8 * (lsb_first ? i : bytes - 1 - i));
            }
            out.setPixel(x, y,
                         qRgb(Channel(pixel, visual->red_mask), Channel(pixel, visual->green_mask),
                              Channel(pixel, visual->blue_mask)));
        }
    }
    return out;
}

QImage ReadoutText(const std::string& text, int width) {
    QImage image(std::max(width, ui::ReadoutTextWidth(text)), ui::kReadoutGlyphHeight,
                 QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    ui::DrawReadoutText(painter, QPoint(0, 0), text, Qt::black);
    return image;
}

int CountColor(const QImage& image, QRgb rgb) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            count += (image.pixel(x, y) & 0xFFFFFF) == (rgb & 0xFFFFFF) ? 1 : 0;
        }
    }
    return count;
}

std::vector<xcb_window_t> ProgramWindows(XServer& server, int width, int height) {
    xcb_connection_t* c = server.Connection();
    std::vector<xcb_window_t> found;
    // A top-level is a child of the root, or of a window manager's frame there.
    for (xcb_window_t top : Children(c, server.Root())) {
        std::vector<xcb_window_t> candidates = Children(c, top);
        candidates.push_back(top);
        for (xcb_window_t w : candidates) {
            if (server.WmInstance(w) != "colvexa" || !server.IsViewable(w)) {
                continue;
            }
            const std::optional<Rect> g = server.Geometry(w);
            if (g && g->width == width && g->height == height) {
                found.push_back(w);
            }
        }
    }
    return found;
}

Program::Program(XServer& server) : server_(&server) {
    Start(server.Display());
    std::vector<xcb_window_t> windows;
    const bool shown = server.WaitUntil([&] {
        if (!child_->Running()) {
            throw std::runtime_error("colvexa ended at start-up:\n" + Output());
        }
        windows = ProgramWindows(server, kMainWidth, kMainHeight);
        return windows.size() == 1;
    });
    if (!shown) {
        throw std::runtime_error("colvexa's main window did not show on " + server.Display());
    }
    main_ = windows.front();

    // Client messages to the root reach everyone who selects substructure notification there.
    watcher_.reset(xcb_connect(server.Display().c_str(), nullptr));
    if (xcb_connection_has_error(watcher_.get())) {
        throw std::runtime_error("cannot connect to " + server.Display());
    }
    const std::uint32_t mask[] = {XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY};
    xcb_change_window_attributes(watcher_.get(), server.Root(), XCB_CW_EVENT_MASK, mask);
    move_resize_ = server.Atom("_NET_WM_MOVERESIZE");
    std::free(
        xcb_get_input_focus_reply(watcher_.get(), xcb_get_input_focus(watcher_.get()), nullptr));
}

Program::Program(XServer* server, std::string display) : server_(server) {
    Start(display);
}

void Program::Start(const std::string& display) {
    char name[] = "/tmp/colvexa-e2e-output-XXXXXX";
    output_fd_ = mkostemp(name, O_CLOEXEC);
    if (output_fd_ < 0) {
        throw std::runtime_error("mkostemp: " + std::string(std::strerror(errno)));
    }
    unlink(name);
    // The child gets the environment as it is while it starts.
    ScopedEnv display_env("DISPLAY", display);
    ScopedEnv platform_env("QT_QPA_PLATFORM", std::nullopt);
    ScopedEnv runtime_env("XDG_RUNTIME_DIR", runtime_dir_.Path());
    child_ = std::make_unique<test::ChildProcess>(std::vector<std::string>{COLVEXA_PROGRAM},
                                                  test::ChildProcess::Options{-1, output_fd_});
}

Program::~Program() {
    watcher_.reset();
    child_.reset();
    if (output_fd_ >= 0) {
        close(output_fd_);
    }
}

Rect Program::MainGeometry() const {
    const std::optional<Rect> g = server_->Geometry(main_);
    if (!g) {
        throw std::runtime_error("colvexa's main window is gone");
    }
    return *g;
}

QPoint Program::MainClient(int x, int y) const {
    const Rect g = MainGeometry();
    return {g.x + kBorder + x, g.y + kBorder + y};
}

void Program::Click(QPoint at) {
    server_->MovePointer(at.x(), at.y());
    server_->PressButton();
    server_->ReleaseButton();
}

bool Program::MoveRequested() {
    bool requested = false;
    while (xcb_generic_event_t* event = xcb_poll_for_event(watcher_.get())) {
        if ((event->response_type & 0x7F) == XCB_CLIENT_MESSAGE) {
            const auto* message = reinterpret_cast<xcb_client_message_event_t*>(event);
            constexpr std::uint32_t kMove = 8;  // _NET_WM_MOVERESIZE_MOVE
            requested |= message->type == move_resize_ && message->window == main_ &&
                         message->data.data32[2] == kMove;
        }
        std::free(event);
    }
    return requested;
}

bool Program::Drag(QPoint from, QPoint travel, int button, const std::optional<Rect>& expected) {
    const QPoint to = from + travel;
    server_->MovePointer(from.x(), from.y());
    bool requested = MoveRequested();
    server_->PressButton(button);
    if (expected && server_->Options().window_manager) {
        // The move starts from wherever the pointer is when the program gets to ask for it,
        // so a user's travel before that is lost; wait for it as a user would.
        requested = server_->WaitUntil([&] { return MoveRequested(); });
        if (!requested) {
            server_->ReleaseButton(button);
            throw std::runtime_error("the press asked the window manager for no move");
        }
        server_->SyncWithWindowManager();
    }
    server_->MovePointer(from.x() + travel.x() / 2, from.y() + travel.y() / 2);
    server_->MovePointer(to.x(), to.y());
    if (expected) {
        const bool followed =
            server_->WaitUntil([&] { return server_->Geometry(main_) == expected; });
        server_->ReleaseButton(button);
        if (!followed) {
            throw std::runtime_error("the main window did not follow the pointer");
        }
        return requested;
    }
    // Nothing should follow: give a move, had one started, time to show itself.
    server_->WaitUntil(
        [&] {
            requested |= MoveRequested();
            return false;
        },
        std::chrono::milliseconds(400));
    server_->ReleaseButton(button);
    server_->SyncWithWindowManager();
    return requested | MoveRequested();
}

std::optional<int> Program::WaitForExit() {
    const auto deadline = std::chrono::steady_clock::now() + XServer::kTimeout;
    while (child_->Running()) {
        if (std::chrono::steady_clock::now() >= deadline) {
            return std::nullopt;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return child_->ExitCode();
}

std::string Program::Output() const {
    std::string text;
    char buffer[4096];
    off_t at = 0;
    ssize_t n = 0;
    while ((n = pread(output_fd_, buffer, sizeof buffer, at)) > 0) {
        text.append(buffer, static_cast<std::size_t>(n));
        at += n;
    }
    return text;
}

}  // namespace colvexa::e2e
