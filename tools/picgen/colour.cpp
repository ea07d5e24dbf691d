#include "colour.h"

#include <algorithm>
#include <cmath>

namespace picgen {

double Clamp01(double v) {
    return std::clamp(v, 0.0, 1.0);
}

Rgba FromHex(std::uint32_t rgb) {
    return {((rgb >> 16) & 0xFF) / 255.0, ((rgb >> 8) & 0xFF) / 255.0, (rgb & 0xFF) / 255.0, 1};
}

Rgba WithAlpha(Rgba c, double alpha) {
    c.a = alpha;
    return c;
}

Rgba Mix(const Rgba& from, const Rgba& to, double t) {
    t = Clamp01(t);
    auto lerp = [t](double x, double y) { return x + (y - x) * t; };
    return {lerp(from.r, to.r), lerp(from.g, to.g), lerp(from.b, to.b), lerp(from.a, to.a)};
}

Rgba Over(const Rgba& top, const Rgba& bottom) {
    const double a = top.a + bottom.a * (1 - top.a);
    if (a <= 0) {
        return {};
    }
    auto blend = [&](double t, double b) { return (t * top.a + b * bottom.a * (1 - top.a)) / a; };
    return {blend(top.r, bottom.r), blend(top.g, bottom.g), blend(top.b, bottom.b), a};
}

Rgba HsvToRgb(double hue, double saturation, double value) {
    const double h = std::fmod(std::fmod(hue, 360.0) + 360.0, 360.0) / 60.0;
    const double c = value * saturation;
    const double x = c * (1 - std::fabs(std::fmod(h, 2.0) - 1));
    const double m = value - c;
    double r = 0, g = 0, b = 0;
    switch (static_cast<int>(h)) {
        case 0:
            r = c, g = x;
            break;
        case 1:
            r = x, g = c;
            break;
        case 2:
            g = c, b = x;
            break;
        case 3:
            g = x, b = c;
            break;
        case 4:
            r = x, b = c;
            break;
        default:
            r = c, b = x;
            break;
    }
    return {r + m, g + m, b + m, 1};
}

Hsv RgbToHsv(const Rgba& c) {
    const double max = std::max({c.r, c.g, c.b});
    const double min = std::min({c.r, c.g, c.b});
    const double span = max - min;
    Hsv out{0, max > 0 ? span / max : 0, max};
    if (span <= 0) {
        return out;
    }
    if (max == c.r) {
        out.hue = 60 * (c.g - c.b) / span;
    } else if (max == c.g) {
        out.hue = 60 * (c.b - c.r) / span + 120;
    } else {
        out.hue = 60 * (c.r - c.g) / span + 240;
    }
    if (out.hue < 0) {
        out.hue += 360;
    }
    return out;
}

}  // namespace picgen
