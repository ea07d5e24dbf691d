#include <unistd.h>

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <optional>
#include <ostream>
#include <string>

#include "tests/support/child_process.h"
#include "tests/support/x_server.h"
#include "ui/pictures.h"
#include "ui/readout_font.h"

namespace colvexa::test {
namespace {

struct FreeDeleter {
    void operator()(void* p) const { std::free(p); }
};

// The server's pixels over the area, for a 24-bit TrueColor screen of 32-bit pixels.
QImage Grab(XServer& server, const Rect& area) {
    xcb_connection_t* c = server.Connection();
    std::unique_ptr<xcb_get_image_reply_t, FreeDeleter> image(xcb_get_image_reply(
        c,
        xcb_get_image(c, XCB_IMAGE_FORMAT_Z_PIXMAP, server.Root(), static_cast<int16_t>(area.x),
                      static_cast<int16_t>(area.y), static_cast<uint16_t>(area.width),
                      static_cast<uint16_t>(area.height), ~0u),
        nullptr));
    if (!image || image->depth != 24 ||
        xcb_get_image_data_length(image.get()) != area.width * area.height * 4) {
        return {};
    }
    QImage out(area.width, area.height, QImage::Format_RGB32);
    const auto* data = reinterpret_cast<const std::uint32_t*>(xcb_get_image_data(image.get()));
    for (int y = 0; y < area.height; ++y) {
        for (int x = 0; x < area.width; ++x) {
            out.setPixel(x, y, 0xFF000000u | (data[y * area.width + x] & 0xFFFFFFu));
        }
    }
    return out;
}

// Text as the readout font draws it in black on white, each font pixel an s × s block.
QImage ReadoutText(const std::string& text, int s) {
    QImage image(ui::ReadoutTextWidth(text), ui::kReadoutGlyphHeight, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    ui::DrawReadoutText(painter, QPoint(0, 0), text, Qt::black);
    painter.end();
    return image.scaled(image.size() * s, Qt::IgnoreAspectRatio, Qt::FastTransformation);
}

std::string WmClass(XServer& server, xcb_window_t window) {
    xcb_connection_t* c = server.Connection();
    std::unique_ptr<xcb_get_property_reply_t, FreeDeleter> reply(xcb_get_property_reply(
        c, xcb_get_property(c, 0, window, XCB_ATOM_WM_CLASS, XCB_ATOM_STRING, 0, 64), nullptr));
    if (!reply) {
        return {};
    }
    return std::string(static_cast<const char*>(xcb_get_property_value(reply.get())),
                       static_cast<std::size_t>(xcb_get_property_value_length(reply.get())));
}

// The program's main window: its viewable top-level window of more than a few pixels.
std::optional<Rect> MainWindow(XServer& server) {
    for (const xcb_window_t w : server.Stacking()) {
        if (WmClass(server, w).starts_with("colvexa") && server.IsViewable(w)) {
            const auto r = server.Geometry(w);
            if (r && r->width > 100) {
                return r;
            }
        }
    }
    return std::nullopt;
}

// Sets an environment variable for the life of the object.
class ScopedEnv {
public:
    ScopedEnv(const char* name, const std::string& value) : name_(name) {
        if (const char* old = std::getenv(name)) {
            old_ = old;
        }
        setenv(name, value.c_str(), 1);
    }
    ~ScopedEnv() {
        if (old_) {
            setenv(name_, old_->c_str(), 1);
        } else {
            unsetenv(name_);
        }
    }

private:
    const char* name_;
    std::optional<std::string> old_;
};

void MergeXResources(XServer& server, const std::string& resources) {
    char name[] = "/tmp/colvexa-xrdb-XXXXXX";
    const int fd = mkstemp(name);
    ASSERT_GE(fd, 0);
    close(fd);
    std::ofstream(name) << resources;
    ChildProcess xrdb({"xrdb", "-merge", name}, {});
    ASSERT_TRUE(server.WaitUntil([&] { return !xrdb.Running(); }));
    unlink(name);
}

struct Scale {
    const char* name;
    double factor;        // the device pixel ratio the window should get
    const char* qtScale;  // QT_SCALE_FACTOR
    const char* xftDpi;   // Xft.dpi in the X resources, or nullptr
};

void PrintTo(const Scale& scale, std::ostream* out) {
    *out << scale.name;
}

class HiDpi : public testing::TestWithParam<Scale> {};

// Logical rounding of these odd physical points would land one pixel off at 1.5 and 2.
constexpr int kPointerX = 203;
constexpr int kPointerY = 157;
constexpr std::uint32_t kColour = 0x123456;
constexpr std::uint32_t kAround = 0xC08040;

TEST_P(HiDpi, WindowScalesWholeAndReadsThePhysicalPixel) {
    const Scale scale = GetParam();
    const double s = scale.factor;
    // At 2 the window sits at (634, 600) and measures 308 × 426.
    XServer server({.width = 1000, .height = 1100});
    if (scale.xftDpi != nullptr) {
        MergeXResources(server, std::string("Xft.dpi: ") + scale.xftDpi + "\n");
    }
    server.Paint({kPointerX - 20, kPointerY - 20, 41, 41}, kAround);
    server.Paint({kPointerX, kPointerY, 1, 1}, kColour);
    server.MovePointer(kPointerX, kPointerY);

    ScopedEnv factor("QT_SCALE_FACTOR", scale.qtScale);
    ScopedEnv runtime("XDG_RUNTIME_DIR", "/tmp");
    ChildProcess program({COLVEXA_PROGRAM}, {});
    std::optional<Rect> window;
    ASSERT_TRUE(server.WaitUntil([&] { return (window = MainWindow(server)).has_value(); }));
    EXPECT_EQ(window->width, std::lround(154 * s));
    EXPECT_EQ(window->height, std::lround(213 * s));
    EXPECT_EQ(window->x, std::lround(317 * s));

    // Window coordinates of a client point, in the screen's pixels.
    auto at = [&](int x, int y) {
        return QPoint(window->x + static_cast<int>((2 + x) * s),
                      window->y + static_cast<int>((2 + y) * s));
    };
    auto grab = [&](QPoint p, int w, int h) { return Grab(server, {p.x(), p.y(), w, h}); };

    // The swatch shows the physical pixel's colour, not a neighbour's.
    const QPoint swatch = at(112 + 19, 16 + 47);
    ASSERT_TRUE(server.WaitUntil([&] {
        return grab(swatch, 1, 1).pixel(0, 0) == (0xFF000000u | kColour);
    })) << "swatch shows "
        << std::hex << grab(swatch, 1, 1).pixel(0, 0);

    // Readout rows left of the swatch: font pixels only, no grey from blending.
    const QPoint rowsFrom = at(0, 16);
    const QPoint rowsTo = at(111, 108);
    const QImage rows = grab(rowsFrom, rowsTo.x() - rowsFrom.x(), rowsTo.y() - rowsFrom.y());
    ASSERT_FALSE(rows.isNull());
    int grey = 0;
    for (int y = 0; y < rows.height(); ++y) {
        for (int x = 0; x < rows.width(); ++x) {
            const QRgb p = rows.pixel(x, y) & 0xFFFFFF;
            grey += p != 0 && p != 0xFFFFFF;
        }
    }
    EXPECT_EQ(grey, 0) << "pixels neither black nor white in the readout rows";

    const int whole = static_cast<int>(s);
    if (whole != s) {
        return;  // fractional: the rest compares block by block
    }
    const std::string pixel =
        "[" + std::to_string(kPointerX) + "," + std::to_string(kPointerY) + "]";
    const QImage pixelText = ReadoutText(pixel, whole);
    EXPECT_EQ(grab(at(36, 16), pixelText.width(), pixelText.height()), pixelText)
        << "PIXEL does not read " << pixel;
    const QImage rgbText = ReadoutText("[18,52,86]", whole);
    EXPECT_EQ(grab(at(35, 28), rgbText.width(), rgbText.height()), rgbText);

    // Pictures: every picture pixel an s × s block of its own colour, nothing smoothed or cut.
    const QImage palette = ui::PalettePicture().convertToFormat(QImage::Format_RGB32);
    const QImage palettePixels = grab(at(0, 112), 150 * whole, 97 * whole);
    EXPECT_EQ(palettePixels, palette.scaled(palette.size() * whole, Qt::IgnoreAspectRatio,
                                            Qt::FastTransformation));
    for (const QPoint icon : {at(114, 0), at(134, 0)}) {
        const QImage shown = grab(icon, 16 * whole, 16 * whole);
        const QImage sampled = shown.scaled(16, 16, Qt::IgnoreAspectRatio, Qt::FastTransformation);
        EXPECT_EQ(shown,
                  sampled.scaled(shown.size(), Qt::IgnoreAspectRatio, Qt::FastTransformation))
            << "icon at " << icon.x() << "," << icon.y() << " is not whole blocks";
    }
}

INSTANTIATE_TEST_SUITE_P(Scales, HiDpi,
                         testing::Values(Scale{"One", 1, "1", nullptr},
                                         Scale{"OneAndAHalf", 1.5, "1.5", nullptr},
                                         Scale{"Two", 2, "2", nullptr},
                                         Scale{"TwoFromXftDpi192", 2, "1", "192"}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace colvexa::test
