#include <algorithm>
#include <cmath>
#include <numbers>

#include "colour.h"
#include "geometry.h"
#include "pictures.h"
#include "raster.h"

namespace picgen {

namespace {

constexpr Point kRingCentre{8, 8};
constexpr double kRingRadius = 4.4;
constexpr double kGap = 40;  // half the opening at the top, in degrees

// Distance to the ring's centre line, open at the top, with round ends.
double RingDistance(Point p) {
    const double angle =
        std::atan2(p.x - kRingCentre.x, kRingCentre.y - p.y) * 180 / std::numbers::pi;
    if (std::fabs(angle) >= kGap) {
        return std::fabs(Distance(p, kRingCentre) - kRingRadius);
    }
    const double end = kGap * std::numbers::pi / 180;
    const Point left{kRingCentre.x - kRingRadius * std::sin(end),
                     kRingCentre.y - kRingRadius * std::cos(end)};
    const Point right{kRingCentre.x + kRingRadius * std::sin(end), left.y};
    return std::min(Distance(p, left), Distance(p, right));
}

bool InPowerSymbol(Point p) {
    return RingDistance(p) < 0.9 || SegmentDistance(p, {8, 4}, {8, 7.5}) < 1;
}

}  // namespace

QImage DrawClosePicture() {
    const Rgba gloss = FromHex(0xFA8F9A);
    const Rgba glossEnd = FromHex(0xE53544);
    const Rgba deep = FromHex(0xC8101C);
    const Rgba deepest = FromHex(0x9A0812);
    const Rgba edge = FromHex(0x7A0008);
    const Rgba white = FromHex(0xFFFFFF);

    return Rasterize(16, 16, [&](double x, double y) {
        const Point p{x, y};
        const double d = RoundedRectDistance(p, 0, 0, 16, 15, 4);
        if (d > 0) {
            const double s = RoundedRectDistance({x, y - 1}, 0.5, 0, 15.5, 15, 4);
            return Rgba{0, 0, 0, 0.3 * Smoothstep(0.8, -0.8, s)};
        }
        if (InPowerSymbol(p)) {
            return white;
        }
        if (d > -0.9) {
            return edge;
        }
        const Rgba ground =
            y < 7.5 ? Mix(gloss, glossEnd, (y - 1) / 6.5) : Mix(deep, deepest, (y - 7.5) / 6.5);
        // A drop shadow keeps the symbol legible on the pale gloss.
        return InPowerSymbol({x, y - 0.8}) ? Over(WithAlpha(edge, 0.45), ground) : ground;
    });
}

}  // namespace picgen
