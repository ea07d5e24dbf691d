#include "core/hsv.h"

#include "core/arithmetic.h"
#include "core/renderings.h"

namespace colvexa {

HsvReading ComputeHsv(std::int32_t R, std::int32_t G, std::int32_t B) {
    const std::int32_t lesser = R < G ? R : G;
    const float min = static_cast<float>(B <= lesser ? B : lesser);
    const std::int32_t greater = R > G ? R : G;
    const float V = static_cast<float>(B >= greater ? B : greater);
    const float d = V - min;

    float S255 = 0;
    if (V != 0) {
        S255 = static_cast<float>(MulDiv(TruncToInt(d), 255, TruncToInt(V)));
    }

    float H = 0;
    if (S255 != 0) {
        const std::int32_t spread = TruncToInt(d);
        if (static_cast<float>(R) == V) {
            H = static_cast<float>(MulDiv(G - B, 60, spread));
        } else if (static_cast<float>(G) == V) {
            H = static_cast<float>(MulDiv(B - R, 60, spread) + 120);
        } else {
            H = static_cast<float>(MulDiv(R - G, 60, spread) + 240);
        }
    }
    if (H < 0) {
        H = H + 360;
    }

    HsvReading reading;
    reading.Hue = H;
    reading.Saturation = static_cast<float>((Reciprocal255 * Extended(S255)) * 100);
    reading.Value = static_cast<float>((Reciprocal255 * Extended(V)) * 100);
    return reading;
}

std::string FormatHsv(const HsvReading& reading) {
    return FormatBracketedWholes({reading.Hue, reading.Saturation, reading.Value});
}

}  // namespace colvexa
