#include "ui/readout_font.h"

#include <string>
#include <string_view>

#include <gtest/gtest.h>
#include <QColor>
#include <QImage>
#include <QPainter>

namespace colvexa::ui {
namespace {

constexpr int kW = kReadoutGlyphWidth;
constexpr int kH = kReadoutGlyphHeight;

std::string AllPrintable() {
    std::string text;
    for (char c = 0x20; c <= 0x7E; ++c) {
        text += c;
    }
    return text;
}

// The text drawn at `at` on a transparent image of the given size.
QImage Render(std::string_view text, QSize size, QPoint at = {}, const QColor& colour = Qt::black) {
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    DrawReadoutText(painter, at, text, colour);
    painter.end();
    return image;
}

QImage Render(std::string_view text) {
    return Render(text, QSize(ReadoutTextWidth(text), kH));
}

bool Ink(const QImage& image, int x, int y) {
    return qAlpha(image.pixel(x, y)) != 0;
}

// Rows in which a single character's glyph has ink.
std::string InkRows(char c) {
    const QImage glyph = Render(std::string(1, c));
    std::string rows;
    for (int y = 0; y < kH; ++y) {
        bool any = false;
        for (int x = 0; x < kW; ++x) {
            any = any || Ink(glyph, x, y);
        }
        rows += any ? '#' : '.';
    }
    return rows;
}

TEST(ReadoutFontTest, WidthIsSixPixelsPerCharacter) {
    EXPECT_EQ(ReadoutTextWidth(""), 0);
    EXPECT_EQ(ReadoutTextWidth("PIXEL:"), 36);
    EXPECT_EQ(ReadoutTextWidth("[255,128,0]"), 66);
}

TEST(ReadoutFontTest, EveryGlyphBarSpaceHasInkInItsFiveBodyColumnsOnly) {
    EXPECT_EQ(InkRows(' '), "........");
    for (char c = 0x21; c <= 0x7E; ++c) {
        SCOPED_TRACE(std::string("glyph '") + c + "'");
        const QImage glyph = Render(std::string(1, c));
        EXPECT_NE(InkRows(c), "........");
        for (int y = 0; y < kH; ++y) {
            EXPECT_FALSE(Ink(glyph, kW - 1, y)) << "spacing column inked in row " << y;
        }
    }
}

TEST(ReadoutFontTest, NoTwoGlyphsAreAlike) {
    const std::string all = AllPrintable();
    for (std::size_t i = 0; i < all.size(); ++i) {
        const QImage a = Render(all.substr(i, 1));
        for (std::size_t j = i + 1; j < all.size(); ++j) {
            EXPECT_NE(a, Render(all.substr(j, 1))) << "'" << all[i] << "' and '" << all[j] << "'";
        }
    }
}

// Which rows a glyph inks tells whether the right glyph landed in the cell and sits on the
// line: capitals and digits fill rows 0 to 6, descenders alone reach row 7.
TEST(ReadoutFontTest, GlyphsSitOnTheBaseline) {
    for (char c : std::string_view("ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789")) {
        EXPECT_EQ(InkRows(c), "#######.") << "'" << c << "'";
    }
    for (char c : std::string_view("acemnorsuvwxz")) {
        EXPECT_EQ(InkRows(c), "..#####.") << "'" << c << "'";
    }
    for (char c : std::string_view("gpqy")) {
        EXPECT_EQ(InkRows(c), "..######") << "'" << c << "'";
    }
    EXPECT_EQ(InkRows('j'), "#.######");
    EXPECT_EQ(InkRows('-'), "...#....");
    EXPECT_EQ(InkRows('_'), ".......#");
    EXPECT_EQ(InkRows('.'), ".....##.");
    EXPECT_EQ(InkRows(','), ".....###");
}

// Every pixel is either untouched or exactly the colour, only inside the text's cells, and
// each cell holds the glyph that character draws alone.
TEST(ReadoutFontTest, DrawsOnlyGlyphPixelsInTheColourSixPixelsApart) {
    const QPoint at(3, 2);
    for (const QColor colour : {QColor(Qt::black), QColor(200, 30, 60)}) {
        for (std::string_view text : {"[255,128,0]", "#FF8000", "0x0080FF", "[-5,1079]"}) {
            SCOPED_TRACE(std::string(text));
            const QRect box(at, QSize(ReadoutTextWidth(text), kH));
            const QImage image = Render(text, box.size() + QSize(10, 6), at, colour);
            for (int y = 0; y < image.height(); ++y) {
                for (int x = 0; x < image.width(); ++x) {
                    const QRgb pixel = image.pixel(x, y);
                    if (!box.contains(x, y)) {
                        ASSERT_EQ(pixel, 0u) << "ink outside the text at " << x << "," << y;
                    } else if (pixel != 0) {
                        ASSERT_EQ(pixel, colour.rgba()) << "blended pixel at " << x << "," << y;
                    }
                }
            }
            for (std::size_t i = 0; i < text.size(); ++i) {
                const QImage glyph = Render(text.substr(i, 1), QSize(kW, kH), {}, colour);
                EXPECT_EQ(image.copy(at.x() + int(i) * kW, at.y(), kW, kH), glyph) << "cell " << i;
            }
        }
    }
}

// The window paints at the screen's device pixel ratio, and other drawing may have left the
// painter with smoothing on: each font pixel must still become a solid 2 × 2 block.
TEST(ReadoutFontTest, ScaledByTwoEachPixelBecomesASolidBlock) {
    const std::string text = AllPrintable();
    const QImage single = Render(text);
    const QPainter::RenderHints smoothing =
        QPainter::SmoothPixmapTransform | QPainter::Antialiasing;
    for (const bool viaPixelRatio : {false, true}) {
        SCOPED_TRACE(viaPixelRatio ? "device pixel ratio 2" : "painter scale 2");
        QImage image(single.size() * 2, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        {
            QPainter painter;
            if (viaPixelRatio) {
                image.setDevicePixelRatio(2);
                painter.begin(&image);
            } else {
                painter.begin(&image);
                painter.scale(2, 2);
            }
            painter.setRenderHints(smoothing);
            DrawReadoutText(painter, QPoint(0, 0), text, Qt::black);
            EXPECT_EQ(painter.renderHints() & smoothing, smoothing) << "caller's hints lost";
        }
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                ASSERT_EQ(image.pixel(x, y), single.pixel(x / 2, y / 2)) << x << "," << y;
            }
        }
    }
}

TEST(ReadoutFontTest, CharactersOutsidePrintableAsciiDrawAsQuestionMark) {
    const QImage question = Render("?");
    for (const char c : {'\0', '\t', '\n', '\x1F', '\x7F', '\x80', '\xC3', '\xFF'}) {
        EXPECT_EQ(Render(std::string_view(&c, 1)), question)
            << "byte " << int(static_cast<unsigned char>(c));
    }
    EXPECT_EQ(Render("A\x7F"
                     "B"),
              Render("A?B"));
}

}  // namespace
}  // namespace colvexa::ui
