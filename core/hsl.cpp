#include "core/hsl.h"

#include "core/arithmetic.h"
#include "core/renderings.h"

namespace colvexa {

std::string FormatHsl(std::int32_t R, std::int32_t G, std::int32_t B, const HsvReading& reading) {
    double max = 0;
    double min = 0;
    if (R > G) {
        max = R > B ? R : B;
        min = G < B ? G : B;
    } else {
        max = G > B ? G : B;
        min = R < B ? R : B;
    }
    const double L = (max + min) * 0.5;
    // Scaled in the reverse order of the HSV readout: by 100 first.
    const double lightness = static_cast<double>((Extended(L) * 100) * Reciprocal255);
    const double hue = reading.Hue;
    const double saturation = reading.Saturation;
    return FormatBracketedWholes({hue, saturation, lightness});
}

}  // namespace colvexa
