#pragma once

#include <cstdint>

namespace colvexa::platform {

// Where a TrueColor visual keeps each channel in a pixel value.
struct ChannelMasks {
    std::uint32_t red = 0;
    std::uint32_t green = 0;
    std::uint32_t blue = 0;
};

// The pixel's colour as 0x00BBGGRR. A channel of fewer than 8 bits has its bits repeated
// downward to fill 8 (5 bits v: v << 3 | v >> 2), one of more than 8 keeps its top 8: this is
// what the X server itself answers for the pixel. Scaling by 255 / max instead differs from it.
std::uint32_t ColorValueFromPixel(std::uint32_t pixel, const ChannelMasks& masks);

}  // namespace colvexa::platform
