#pragma once

#include <cstdint>
#include <string>

namespace colvexa {

// Luma and colour differences (BT.601 weights) in whole percent of 255, each component
// stored as a single twice on the way, which decides some texts:
// (255, 0, 0) -> "[30,-15,62]", (0, 99, 83) -> "[26,3,-23]".
std::string FormatYuv(std::int32_t R, std::int32_t G, std::int32_t B);

}  // namespace colvexa
