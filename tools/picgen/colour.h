#pragma once

#include <cstdint>

namespace picgen {

// Straight (not premultiplied) colour, every channel 0..1.
struct Rgba {
    double r = 0;
    double g = 0;
    double b = 0;
    double a = 0;
};

double Clamp01(double v);

// 0xRRGGBB -> opaque colour.
Rgba FromHex(std::uint32_t rgb);
Rgba WithAlpha(Rgba c, double alpha);

// from at t = 0, to at t = 1; t is clamped.
Rgba Mix(const Rgba& from, const Rgba& to, double t);

// Porter-Duff "over".
Rgba Over(const Rgba& top, const Rgba& bottom);

// Hue in degrees (any value, wrapped), saturation and value 0..1.
Rgba HsvToRgb(double hue, double saturation, double value);

struct Hsv {
    double hue = 0;  // 0 <= hue < 360
    double saturation = 0;
    double value = 0;
};
Hsv RgbToHsv(const Rgba& c);

}  // namespace picgen
