#include "core/yuv.h"

#include "core/arithmetic.h"
#include "core/renderings.h"

namespace colvexa {

namespace {

// Subtracted coefficients are held positive; only U's red weight is negative.
constexpr double kYRed = 0.299, kYGreen = 0.587, kYBlue = 0.114;
constexpr double kURed = -0.14713, kUGreen = 0.28886, kUBlue = 0.436;
constexpr double kVRed = 0.615, kVGreen = 0.51499, kVBlue = 0.10001;

// Both stores to single decide texts: the sum first, then the percentage.
float Percent(float sum) {
    return static_cast<float>((Reciprocal255 * Extended(sum)) * 100);
}

}  // namespace

std::string FormatYuv(std::int32_t R, std::int32_t G, std::int32_t B) {
    const Extended r = R, g = G, b = B;
    const float ySum = static_cast<float>(r * kYRed + g * kYGreen + b * kYBlue);
    const float uSum = static_cast<float>(r * kURed - g * kUGreen + b * kUBlue);
    const float vSum = static_cast<float>(r * kVRed - g * kVGreen - b * kVBlue);
    return FormatBracketedWholes({Percent(ySum), Percent(uSum), Percent(vSum)});
}

}  // namespace colvexa
