#include "platform/true_color.h"

#include <gtest/gtest.h>

namespace colvexa::platform {
namespace {

// Layouts no test server offers: blue in the high bits, a one-bit and a 3-bit channel, and
// masks that leave bits of the pixel to no channel.
TEST(ColorValueFromPixel, TakesEachChannelFromItsOwnMask) {
    const struct {
        std::uint32_t pixel;
        ChannelMasks masks;
        std::uint32_t expected;
    } cases[] = {
        {0x0000FF80, {0x000000FF, 0x0000FF00, 0x00FF0000}, 0x0000FF80},  // 8-8-8, blue high
        {0x0000001F, {0x0000001F, 0x000007E0, 0x0000F800}, 0x000000FF},  // 5-6-5, red low
        {0x00000001, {0x00000001, 0x00000002, 0x00000004}, 0x000000FF},  // one bit: 0 or 255
        {0x00000005, {0x00000007, 0x00000038, 0x000000C0}, 0x000000B6},  // 3 bits: 101 -> 10110110
        {0x000000C0, {0x00000007, 0x00000038, 0x000000C0}, 0x00FF0000},  // 2 bits: 11 -> 255
        {0xFF123456, {0x00FF0000, 0x0000FF00, 0x000000FF}, 0x00563412},  // top byte to no channel
        {0xC0000000, {0x3FF00000, 0x000FFC00, 0x000003FF}, 0x00000000},  // nor the top 2 bits
        {0x00000000, {0, 0, 0}, 0x00000000},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ColorValueFromPixel(c.pixel, c.masks), c.expected) << std::hex << c.pixel;
    }
}

}  // namespace
}  // namespace colvexa::platform
