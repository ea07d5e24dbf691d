#include "raster.h"

#include <cmath>

namespace picgen {

namespace {

constexpr int kSamples = 16;  // per pixel and axis

int ToByte(double v) {
    return static_cast<int>(std::lround(Clamp01(v) * 255));
}

}  // namespace

QImage Rasterize(int width, int height, const Shader& shade) {
    QImage image(width, height, QImage::Format_ARGB32);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            double r = 0, g = 0, b = 0, a = 0;
            for (int sy = 0; sy < kSamples; ++sy) {
                for (int sx = 0; sx < kSamples; ++sx) {
                    const Rgba c = shade(x + (sx + 0.5) / kSamples, y + (sy + 0.5) / kSamples);
                    r += c.r * c.a;
                    g += c.g * c.a;
                    b += c.b * c.a;
                    a += c.a;
                }
            }
            const int alpha = ToByte(a / (kSamples * kSamples));
            image.setPixel(
                x, y, alpha == 0 ? 0u : qRgba(ToByte(r / a), ToByte(g / a), ToByte(b / a), alpha));
        }
    }
    return image;
}

}  // namespace picgen
