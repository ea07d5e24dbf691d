#pragma once

#include <string_view>

#include <QPoint>

class QColor;
class QPainter;

namespace colvexa::ui {

// The readouts' fixed-pitch raster font: printable ASCII in 6 × 8-pixel cells, the glyph in
// the left five columns, capitals and digits in rows 0 to 6, descenders in row 7.
inline constexpr int kReadoutGlyphWidth = 6;
inline constexpr int kReadoutGlyphHeight = 8;

// 6 pixels per character: "PIXEL:" -> 36.
int ReadoutTextWidth(std::string_view text);

// Draws text with the top-left corner of its first cell at topLeft, in colour, painting only
// the glyph pixels so the background shows through. Any character outside 0x20 to 0x7E draws
// as '?'. Pixels are scaled nearest-neighbour whatever the painter's transform and render
// hints, so at device pixel ratio 2 each font pixel is a crisp 2 × 2 block.
void DrawReadoutText(QPainter& painter, QPoint topLeft, std::string_view text,
                     const QColor& colour);

}  // namespace colvexa::ui
