#pragma once

#include <cstdint>
#include <string>

#include "core/hsv.h"

namespace colvexa {

// Hue and saturation of the same tick's HSV reading, lightness (max + min) / 2 in percent:
// (10, 20, 30) with its reading -> "[210,67,8]".
std::string FormatHsl(std::int32_t R, std::int32_t G, std::int32_t B, const HsvReading& reading);

}  // namespace colvexa
