#pragma once

#include <cstdint>
#include <string>

namespace colvexa {

// Cyan, magenta, yellow and key in whole percent. Each of the first three is one level of
// 255 below the plain distance from the largest channel L, and the key one level above
// (256 - L): (10, 20, 30) -> "[7,4,0,89]", (255, 0, 0) -> "[0,100,100,0]".
std::string FormatCmyk(std::int32_t R, std::int32_t G, std::int32_t B);

}  // namespace colvexa
