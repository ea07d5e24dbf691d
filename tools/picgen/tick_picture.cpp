#include <array>

#include "colour.h"
#include "geometry.h"
#include "pictures.h"
#include "raster.h"

namespace picgen {

namespace {

// Clockwise from the short arm's top corner at the left edge.
constexpr std::array<Point, 10> kTick{{
    {0, 8},     // short arm, left edge, top
    {7, 14.2},  // inner corner of the V
    {18, 3},    // long arm, top
    {22, 3},
    {10.2, 20},
    {9.2, 21},  // flat bottom, right end
    {4, 21},    // flat bottom, left end
    {2.2, 15.9},
    {1, 13.9},
    {0, 13},  // short arm, left edge, bottom
}};

constexpr Point kInnerCorner = kTick[1];
constexpr Point kLongArmTop = kTick[2];

}  // namespace

QImage DrawTick() {
    const Rgba fill = FromHex(0xA6E41E);
    const Rgba highlight = FromHex(0xE4FBB0);
    const Rgba outline = FromHex(0x3F7D0C);

    return Rasterize(24, 24, [&](double x, double y) {
        const Point p{x, y};
        const double d = PolygonDistance(p, kTick);
        if (d > 0) {
            return Rgba{};
        }
        if (d > -1) {
            return outline;
        }
        // The band just inside the outline along the long arm's upper edge.
        if (SegmentDistance(p, kInnerCorner, kLongArmTop) < 2.2 && x > kInnerCorner.x + 1) {
            return highlight;
        }
        return fill;
    });
}

}  // namespace picgen
