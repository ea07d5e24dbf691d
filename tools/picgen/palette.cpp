#include "palette.h"

#include <cmath>
#include <vector>

#include "smooth_curve.h"

namespace picgen {

namespace {

constexpr double kTopColour = 0.1;      // share of the hue left in the top row's tint
constexpr double kBottomColour = 0.05;  // share left in the bottom row

struct HsvCurves {
    std::vector<CurvePoint> hue, saturation, value;
};

HsvCurves MakeCurves(std::span<const PaletteStop> pureRow) {
    HsvCurves curves;
    double lastHue = -1;
    for (const PaletteStop& stop : pureRow) {
        const Hsv hsv = RgbToHsv(stop.colour);
        double hue = hsv.hue;
        while (hue < lastHue) {  // once round the circle, never back
            hue += 360;
        }
        lastHue = hue;
        curves.hue.push_back({static_cast<double>(stop.x), hue});
        curves.saturation.push_back({static_cast<double>(stop.x), hsv.saturation});
        curves.value.push_back({static_cast<double>(stop.x), hsv.value});
    }
    return curves;
}

int ToByte(double v) {
    return static_cast<int>(std::lround(Clamp01(v) * 255));
}

}  // namespace

QImage DrawPalette(std::span<const PaletteStop> pureRow) {
    const HsvCurves curves = MakeCurves(pureRow);
    const Rgba white = FromHex(0xFFFFFF);
    const Rgba black = FromHex(0x000000);

    QImage image(kPaletteWidth, kPaletteHeight, QImage::Format_RGB888);
    for (int x = 0; x < kPaletteWidth; ++x) {
        const Rgba pure =
            HsvToRgb(SmoothCurveAt(curves.hue, x), SmoothCurveAt(curves.saturation, x),
                     SmoothCurveAt(curves.value, x));
        for (int y = 0; y < kPaletteHeight; ++y) {
            const double t = static_cast<double>(y - kPalettePureRow) / kPalettePureRow;
            const Rgba c = t < 0 ? Mix(pure, white, -t * (1 - kTopColour))
                                 : Mix(pure, black, t * (1 - kBottomColour));
            image.setPixel(x, y, qRgb(ToByte(c.r), ToByte(c.g), ToByte(c.b)));
        }
    }
    return image;
}

}  // namespace picgen
