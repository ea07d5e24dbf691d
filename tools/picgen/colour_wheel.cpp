#include <array>
#include <cmath>
#include <numbers>

#include "colour.h"
#include "geometry.h"
#include "pictures.h"
#include "raster.h"
#include "smooth_curve.h"

namespace picgen {

namespace {

struct WheelStyle {
    int size;
    double radius;  // the disc is centred in the picture
    double rim;     // width of the dark grey outline
    Point shadowOffset;
    double shadowSoftness;
    double shadowAlpha;
};

// Hue (unwrapped) by angle in degrees clockwise from the top. Not a uniform wheel: pink and
// magenta at the top, red and orange right, yellow lower right, green at the bottom, cyan lower
// left, blue left, violet upper left. The stops run one past each end so the curve closes
// smoothly at the top.
constexpr std::array<CurvePoint, 11> kHueStops{{
    {-45, 277},
    {0, 318},
    {45, 348},
    {90, 375},
    {135, 418},
    {180, 480},
    {225, 540},
    {270, 597},
    {315, 637},
    {360, 678},
    {405, 708},
}};

QImage DrawColourWheel(const WheelStyle& style) {
    const Point centre{style.size / 2.0, style.size / 2.0};
    const Point shadowCentre{centre.x + style.shadowOffset.x, centre.y + style.shadowOffset.y};
    const Rgba rim = FromHex(0x4A4A4A);
    const double inner = style.radius - style.rim;

    return Rasterize(style.size, style.size, [&](double x, double y) {
        const Point p{x, y};
        const double d = Distance(p, centre);
        if (d > style.radius) {
            const double soft = style.shadowSoftness / 2;
            const double s = Distance(p, shadowCentre) - style.radius;
            return Rgba{0, 0, 0, style.shadowAlpha * Smoothstep(soft, -soft, s)};
        }
        if (d > inner) {
            return rim;
        }
        double angle = std::atan2(x - centre.x, centre.y - y) * 180 / std::numbers::pi;
        if (angle < 0) {
            angle += 360;
        }
        return HsvToRgb(SmoothCurveAt(kHueStops, angle), d / inner, 1);
    });
}

}  // namespace

QImage DrawEmblem() {
    return DrawColourWheel({16, 6, 1.2, {0.6, 0.9}, 1.0, 0.4});
}

QImage DrawAppIcon() {
    return DrawColourWheel({48, 21, 2.0, {1.2, 1.8}, 3.0, 0.4});
}

}  // namespace picgen
