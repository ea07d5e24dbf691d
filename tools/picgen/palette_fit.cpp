#include <QColor>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>

#include "jpeg_codec.h"
#include "palette.h"

namespace picgen {

namespace {

constexpr int kQuality = 71;  // lands the file near 1.7 KB
constexpr int kRounds = 12;
constexpr double kStep = 0.5;  // full steps chase the quantiser's noise round and round

struct Target {
    int x;
    std::uint32_t rgb;
};

constexpr std::array<Target, 7> kPureHues{{
    {0, 0xEF0600},    // red
    {30, 0xF0AD04},   // amber
    {60, 0x05F00F},   // green
    {90, 0x00C8DF},   // cyan
    {120, 0x0819E5},  // blue
    {135, 0x560C97},  // purple
    {149, 0xC40A2F},  // crimson
}};

struct Encoding {
    QByteArray jpeg;
    int worstError = 0;  // largest channel difference on the middle row, 0..255
};

}  // namespace

// Compression shifts the colours (most at the right edge, where the hue turns fastest and the
// chroma is shared between pixel pairs), so the drawn stops are nudged against what decodes.
QByteArray MakePaletteJpeg() {
    std::array<PaletteStop, kPureHues.size()> stops;
    for (std::size_t i = 0; i < stops.size(); ++i) {
        stops[i] = {kPureHues[i].x, FromHex(kPureHues[i].rgb)};
    }
    Encoding best;
    for (int round = 0; round < kRounds; ++round) {
        const QByteArray jpeg = EncodeProgressiveJpeg(DrawPalette(stops), kQuality);
        const QImage decoded = DecodeJpeg(jpeg);
        int worst = 0;
        for (std::size_t i = 0; i < stops.size(); ++i) {
            const QColor got = decoded.pixelColor(stops[i].x, kPalettePureRow);
            const Rgba want = FromHex(kPureHues[i].rgb);
            const std::array<double, 3> error{got.redF() - want.r, got.greenF() - want.g,
                                              got.blueF() - want.b};
            for (double e : error) {
                worst = std::max(worst, static_cast<int>(std::lround(std::fabs(e) * 255)));
            }
            Rgba& c = stops[i].colour;
            c = {Clamp01(c.r - kStep * error[0]), Clamp01(c.g - kStep * error[1]),
                 Clamp01(c.b - kStep * error[2]), 1};
        }
        if (best.jpeg.isEmpty() || worst < best.worstError) {
            best = {jpeg, worst};
        }
    }
    return best.jpeg;
}

}  // namespace picgen
