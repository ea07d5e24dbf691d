#include "core/cmyk.h"

#include "core/arithmetic.h"
#include "core/renderings.h"

namespace colvexa {

namespace {

// Cyan and yellow go through MulDiv and come out as whole percentages, 0 to 100.
double WholePercentBelow(std::int32_t channel, double key) {
    const std::int32_t distance = TruncToInt(Extended(255 - channel) - key);
    return MulDiv(distance, 100, 255) - 100;
}

}  // namespace

std::string FormatCmyk(std::int32_t R, std::int32_t G, std::int32_t B) {
    // One minus the channel, not 255 minus it: the steps below are built on this form.
    const double invertedRed = 1 - R;
    const double invertedGreen = 1 - G;
    const double invertedBlue = 1 - B;
    const double m = invertedGreen < invertedBlue ? invertedGreen : invertedBlue;
    const double key = m > invertedRed ? invertedRed : m;

    const double cyan = WholePercentBelow(R, key);

    Extended t = Extended(255 - G) - key;
    t = t * Reciprocal255;
    t = t - 1;
    t = t * 100;
    const double magenta = static_cast<double>(t);  // may be -0.392..., shown as "0"

    const double yellow = WholePercentBelow(B, key);

    Extended k = Extended(255) + key;
    k = k * Reciprocal255;
    k = k * 100;
    const double keyValue = static_cast<double>(k);

    return FormatBracketedWholes({cyan, magenta, yellow, keyValue});
}

}  // namespace colvexa
