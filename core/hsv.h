#pragma once

#include <cstdint>
#include <string>

namespace colvexa {

// One tick's HSV result; the HSL readout shows its hue and saturation again.
struct HsvReading {
    float Hue = 0;         // whole degrees, 0 to 359
    float Saturation = 0;  // percent, from a whole saturation on the 0..255 scale
    float Value = 0;       // percent
};

// Hue by rounded integer steps (halves away from zero, then wrapped), saturation rounded to
// a whole 0..255 level first: (9, 1, 2) -> hue 352; (3, 3, 18) -> saturation 83.53.
HsvReading ComputeHsv(std::int32_t R, std::int32_t G, std::int32_t B);

// Hue, saturation, value: (10, 20, 30) -> "[210,67,12]".
std::string FormatHsv(const HsvReading& reading);

}  // namespace colvexa
