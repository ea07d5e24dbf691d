#include "ui/readout_font.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <iterator>
#include <string_view>
#include <utility>
#include <vector>

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QRect>

namespace colvexa::ui {
namespace {

constexpr int kFirstChar = 0x20;
constexpr int kLastChar = 0x7E;
constexpr int kGlyphCount = kLastChar - kFirstChar + 1;
constexpr int kGlyphsPerBlock = 8;

// One byte per pixel row, bit 5 the leftmost column.
using Glyph = std::array<std::uint8_t, kReadoutGlyphHeight>;

// The glyphs in blocks of eight characters side by side, one string per pixel row: '#' ink,
// '.' background, one space between neighbouring cells.
// clang-format off
constexpr std::string_view kArt[] = {
    //  0x20   !      "      #      $      %      &      '
    "...... ..#... .#.#.. .#.#.. ..#... ##.... .##... ..#...",
    "...... ..#... .#.#.. .#.#.. .####. ##..#. #..#.. ..#...",
    "...... ..#... .#.#.. #####. #.#... ...#.. #.#... .#....",
    "...... ..#... ...... .#.#.. .###.. ..#... .#.... ......",
    "...... ..#... ...... #####. ..#.#. .#.... #.#.#. ......",
    "...... ...... ...... .#.#.. ####.. #..##. #..#.. ......",
    "...... ..#... ...... .#.#.. ..#... ...##. .##.#. ......",
    "...... ...... ...... ...... ...... ...... ...... ......",
    //  (      )      *      +      ,      -      .      /
    "...#.. .#.... ...... ...... ...... ...... ...... ......",
    "..#... ..#... ..#... ..#... ...... ...... ...... ....#.",
    ".#.... ...#.. #.#.#. ..#... ...... ...... ...... ...#..",
    ".#.... ...#.. .###.. #####. ...... #####. ...... ..#...",
    ".#.... ...#.. #.#.#. ..#... ...... ...... ...... .#....",
    "..#... ..#... ..#... ..#... .##... ...... .##... #.....",
    "...#.. .#.... ...... ...... .##... ...... .##... ......",
    "...... ...... ...... ...... .#.... ...... ...... ......",
    //  0      1      2      3      4      5      6      7
    ".###.. ..#... .###.. .###.. ...#.. #####. ..##.. #####.",
    "#...#. .##... #...#. #...#. ..##.. #..... .#.... ....#.",
    "#..##. #.#... ....#. ....#. .#.#.. ####.. #..... ...#..",
    "#.#.#. ..#... ...#.. ..##.. #..#.. ....#. ####.. ..#...",
    "##..#. ..#... ..#... ....#. #####. ....#. #...#. .#....",
    "#...#. ..#... .#.... #...#. ...#.. #...#. #...#. .#....",
    ".###.. #####. #####. .###.. ...#.. .###.. .###.. .#....",
    "...... ...... ...... ...... ...... ...... ...... ......",
    //  8      9      :      ;      <      =      >      ?
    ".###.. .###.. ...... ...... ...#.. ...... .#.... .###..",
    "#...#. #...#. ...... ...... ..#... ...... ..#... #...#.",
    "#...#. #...#. .##... .##... .#.... #####. ...#.. ....#.",
    ".###.. .####. .##... .##... #..... ...... ....#. ...#..",
    "#...#. ....#. ...... ...... .#.... #####. ...#.. ..#...",
    "#...#. ...#.. .##... .##... ..#... ...... ..#... ......",
    ".###.. .##... .##... .##... ...#.. ...... .#.... ..#...",
    "...... ...... ...... .#.... ...... ...... ...... ......",
    //  @      A      B      C      D      E      F      G
    ".###.. .###.. ####.. .###.. ###... #####. #####. .###..",
    "#...#. #...#. #...#. #...#. #..#.. #..... #..... #...#.",
    "#.###. #...#. #...#. #..... #...#. #..... #..... #.....",
    "#.#.#. #####. ####.. #..... #...#. ####.. ####.. #.###.",
    "#.###. #...#. #...#. #..... #...#. #..... #..... #...#.",
    "#..... #...#. #...#. #...#. #..#.. #..... #..... #...#.",
    ".####. #...#. ####.. .###.. ###... #####. #..... .####.",
    "...... ...... ...... ...... ...... ...... ...... ......",
    //  H      I      J      K      L      M      N      O
    "#...#. .###.. ..###. #...#. #..... #...#. #...#. .###..",
    "#...#. ..#... ...#.. #..#.. #..... ##.##. #...#. #...#.",
    "#...#. ..#... ...#.. #.#... #..... #.#.#. ##..#. #...#.",
    "#####. ..#... ...#.. ##.... #..... #.#.#. #.#.#. #...#.",
    "#...#. ..#... ...#.. #.#... #..... #...#. #..##. #...#.",
    "#...#. ..#... #..#.. #..#.. #..... #...#. #...#. #...#.",
    "#...#. .###.. .##... #...#. #####. #...#. #...#. .###..",
    "...... ...... ...... ...... ...... ...... ...... ......",
    //  P      Q      R      S      T      U      V      W
    "####.. .###.. ####.. .###.. #####. #...#. #...#. #...#.",
    "#...#. #...#. #...#. #...#. ..#... #...#. #...#. #...#.",
    "#...#. #...#. #...#. #..... ..#... #...#. #...#. #...#.",
    "####.. #...#. ####.. .###.. ..#... #...#. #...#. #.#.#.",
    "#..... #.#.#. #.#... ....#. ..#... #...#. #...#. #.#.#.",
    "#..... #..#.. #..#.. #...#. ..#... #...#. .#.#.. #.#.#.",
    "#..... .##.#. #...#. .###.. ..#... .###.. ..#... .#.#..",
    "...... ...... ...... ...... ...... ...... ...... ......",
    //  X      Y      Z      [      \      ]      ^      _
    "#...#. #...#. #####. .###.. ...... .###.. ..#... ......",
    "#...#. #...#. ....#. .#.... #..... ...#.. .#.#.. ......",
    ".#.#.. .#.#.. ...#.. .#.... .#.... ...#.. #...#. ......",
    "..#... ..#... ..#... .#.... ..#... ...#.. ...... ......",
    ".#.#.. ..#... .#.... .#.... ...#.. ...#.. ...... ......",
    "#...#. ..#... #..... .#.... ....#. ...#.. ...... ......",
    "#...#. ..#... #####. .###.. ...... .###.. ...... ......",
    "...... ...... ...... ...... ...... ...... ...... #####.",
    //  `      a      b      c      d      e      f      g
    ".##... ...... #..... ...... ....#. ...... ..##.. ......",
    "..#... ...... #..... ...... ....#. ...... .#..#. ......",
    "...#.. .###.. #.##.. .###.. .##.#. .###.. .#.... .####.",
    "...... ....#. ##..#. #..... #..##. #...#. ###... #...#.",
    "...... .####. #...#. #..... #...#. #####. .#.... #...#.",
    "...... #...#. #...#. #...#. #...#. #..... .#.... .####.",
    "...... .####. ####.. .###.. .####. .###.. .#.... ....#.",
    "...... ...... ...... ...... ...... ...... ...... .###..",
    //  h      i      j      k      l      m      n      o
    "#..... ..#... ...#.. #..... .##... ...... ...... ......",
    "#..... ...... ...... #..... ..#... ...... ...... ......",
    "#.##.. .##... ..##.. #..#.. ..#... ##.#.. #.##.. .###..",
    "##..#. ..#... ...#.. #.#... ..#... #.#.#. ##..#. #...#.",
    "#...#. ..#... ...#.. ##.... ..#... #.#.#. #...#. #...#.",
    "#...#. ..#... ...#.. #.#... ..#... #.#.#. #...#. #...#.",
    "#...#. .###.. #..#.. #..#.. .###.. #.#.#. #...#. .###..",
    "...... ...... .##... ...... ...... ...... ...... ......",
    //  p      q      r      s      t      u      v      w
    "...... ...... ...... ...... .#.... ...... ...... ......",
    "...... ...... ...... ...... .#.... ...... ...... ......",
    "####.. .####. #.##.. .####. ####.. #...#. #...#. #...#.",
    "#...#. #...#. ##..#. #..... .#.... #...#. #...#. #...#.",
    "#...#. #...#. #..... .###.. .#.... #...#. #...#. #.#.#.",
    "####.. .####. #..... ....#. .#..#. #..##. .#.#.. #.#.#.",
    "#..... ....#. #..... ####.. ..##.. .##.#. ..#... .#.#..",
    "#..... ....#. ...... ...... ...... ...... ...... ......",
    //  x      y      z      {      |      }      ~
    "...... ...... ...... ...##. ..#... ##.... .##.#.",
    "...... ...... ...... ..#... ..#... ..#... #..#..",
    "#...#. #...#. #####. ..#... ..#... ..#... ......",
    ".#.#.. #...#. ...#.. .#.... ..#... ...#.. ......",
    "..#... #...#. ..#... ..#... ..#... ..#... ......",
    ".#.#.. .####. .#.... ..#... ..#... ..#... ......",
    "#...#. ....#. #####. ...##. ..#... ##.... ......",
    "...... .###.. ...... ...... ...... ...... ......",
};
// clang-format on

// Runs at compile time, so a malformed row of the art fails the build.
consteval std::array<Glyph, kGlyphCount> ParseArt() {
    static_assert(std::size(kArt) ==
                  (kGlyphCount + kGlyphsPerBlock - 1) / kGlyphsPerBlock * kReadoutGlyphHeight);
    constexpr std::size_t kCellStride = kReadoutGlyphWidth + 1;
    std::array<Glyph, kGlyphCount> glyphs{};
    for (int g = 0; g < kGlyphCount; ++g) {
        const int block = g / kGlyphsPerBlock;
        const int cellsInBlock = std::min(kGlyphsPerBlock, kGlyphCount - block * kGlyphsPerBlock);
        for (int row = 0; row < kReadoutGlyphHeight; ++row) {
            const std::string_view line = kArt[block * kReadoutGlyphHeight + row];
            if (line.size() != cellsInBlock * kCellStride - 1) {
                throw "art row of the wrong length";
            }
            const std::size_t start = (g % kGlyphsPerBlock) * kCellStride;
            std::uint8_t bits = 0;
            for (int x = 0; x < kReadoutGlyphWidth; ++x) {
                const char pixel = line[start + x];
                if (pixel != '#' && pixel != '.') {
                    throw "art pixel neither '#' nor '.'";
                }
                bits = static_cast<std::uint8_t>(bits << 1 | (pixel == '#' ? 1 : 0));
            }
            glyphs[g][row] = bits;
        }
    }
    return glyphs;
}

constexpr std::array<Glyph, kGlyphCount> kGlyphs = ParseArt();

int GlyphIndex(char c) {
    const auto code = static_cast<unsigned char>(c);
    return code >= kFirstChar && code <= kLastChar ? code - kFirstChar : '?' - kFirstChar;
}

// All glyphs in one row of cells, ink in the given (premultiplied) colour.
QImage BuildAtlas(QRgb ink) {
    QImage atlas(kGlyphCount * kReadoutGlyphWidth, kReadoutGlyphHeight,
                 QImage::Format_ARGB32_Premultiplied);
    atlas.fill(Qt::transparent);
    for (int row = 0; row < kReadoutGlyphHeight; ++row) {
        auto* line = reinterpret_cast<QRgb*>(atlas.scanLine(row));
        for (int g = 0; g < kGlyphCount; ++g) {
            for (int x = 0; x < kReadoutGlyphWidth; ++x) {
                if (kGlyphs[g][row] >> (kReadoutGlyphWidth - 1 - x) & 1) {
                    line[g * kReadoutGlyphWidth + x] = ink;
                }
            }
        }
    }
    return atlas;
}

// The window draws in one or two colours; the bound only keeps a caller that cycles through
// colours from growing the cache without end.
const QImage& AtlasFor(const QColor& colour) {
    constexpr std::size_t kMaxAtlases = 8;
    static std::vector<std::pair<QRgb, QImage>> atlases;
    const QRgb key = colour.rgba();
    for (const auto& [rgba, atlas] : atlases) {
        if (rgba == key) {
            return atlas;
        }
    }
    if (atlases.size() == kMaxAtlases) {
        atlases.erase(atlases.begin());
    }
    return atlases.emplace_back(key, BuildAtlas(qPremultiply(key))).second;
}

}  // namespace

int ReadoutTextWidth(std::string_view text) {
    return static_cast<int>(text.size()) * kReadoutGlyphWidth;
}

void DrawReadoutText(QPainter& painter, QPoint topLeft, std::string_view text,
                     const QColor& colour) {
    if (text.empty()) {
        return;
    }
    const QImage& atlas = AtlasFor(colour);

    // Either hint would blend neighbouring font pixels into grey once the painter scales.
    constexpr QPainter::RenderHints kBlurring =
        QPainter::SmoothPixmapTransform | QPainter::Antialiasing;
    const QPainter::RenderHints restore = painter.renderHints() & kBlurring;
    painter.setRenderHints(kBlurring, false);

    QRect cell(topLeft, QSize(kReadoutGlyphWidth, kReadoutGlyphHeight));
    for (const char c : text) {
        const QRect source(GlyphIndex(c) * kReadoutGlyphWidth, 0, kReadoutGlyphWidth,
                           kReadoutGlyphHeight);
        painter.drawImage(cell, atlas, source);
        cell.translate(kReadoutGlyphWidth, 0);
    }

    painter.setRenderHints(restore, true);
}

}  // namespace colvexa::ui
