#pragma once

#include <QByteArray>
#include <QImage>

#include <span>

#include "colour.h"

namespace picgen {

constexpr int kPaletteWidth = 150;
constexpr int kPaletteHeight = 97;
constexpr int kPalettePureRow = 48;  // fully saturated; paler above, darker below

struct PaletteStop {
    int x = 0;
    Rgba colour;  // the pure hue at x on the middle row
};

// The hue/lightness picture through the given stops of the middle row, sorted by x, first at x = 0
// and last at the right edge. RGB888.
QImage DrawPalette(std::span<const PaletteStop> pureRow);

// The palette as stored: a progressive JPEG whose middle row decodes close to the listed hues.
QByteArray MakePaletteJpeg();

}  // namespace picgen
