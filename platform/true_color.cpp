#include "platform/true_color.h"

#include <bit>

namespace colvexa::platform {
namespace {

std::uint32_t Channel(std::uint32_t pixel, std::uint32_t mask) {
    const int bits = std::popcount(mask);
    if (bits == 0) {
        return 0;
    }
    const std::uint32_t value = (pixel & mask) >> std::countr_zero(mask);
    if (bits >= 8) {
        return value >> (bits - 8);
    }
    std::uint32_t out = 0;
    for (int shift = 8 - bits; shift > -bits; shift -= bits) {
        out |= shift >= 0 ? value << shift : value >> -shift;
    }
    return out & 0xFF;
}

}  // namespace

std::uint32_t ColorValueFromPixel(std::uint32_t pixel, const ChannelMasks& masks) {
    return Channel(pixel, masks.red) | Channel(pixel, masks.green) << 8 |
           Channel(pixel, masks.blue) << 16;
}

}  // namespace colvexa::platform
