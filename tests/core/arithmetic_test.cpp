#include "core/arithmetic.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cstring>

namespace colvexa {
namespace {

TEST(Reciprocal255, IsOneOver255RoundedToNearestAtItsWidth) {
    if constexpr (LDBL_MANT_DIG == 64 && sizeof(Extended) == sizeof(long double)) {
        // x87 extended: 64-bit significand, then sign and 15-bit biased exponent.
        unsigned char bytes[sizeof(long double)] = {};
        std::memcpy(bytes, &Reciprocal255, 10);
        std::uint64_t significand = 0;
        std::memcpy(&significand, bytes, 8);
        const unsigned exponent = bytes[8] | (bytes[9] << 8);
        EXPECT_EQ(significand, 0x8080808080808081u);
        EXPECT_EQ(exponent, 0x3FF7u);
    } else {
        EXPECT_EQ(Reciprocal255, 1.0 / 255.0);
    }
}

TEST(TruncToInt, CutsTowardZero) {
    const struct {
        Extended x;
        std::int32_t expected;
    } cases[] = {{2.9, 2},  {-2.9, -2},   {2.9999, 2},  {-2.9999, -2}, {0.5, 0},
                 {-0.5, 0}, {100.0, 100}, {509.0, 509}, {-0.0, 0}};
    for (const auto& c : cases) {
        EXPECT_EQ(TruncToInt(c.x), c.expected) << static_cast<double>(c.x);
    }
}

TEST(MulDiv, RoundsHalvesAwayFromZeroAndFailsAsMinusOne) {
    const struct {
        std::int32_t number, numerator, denominator, expected;
    } cases[] = {
        {1, 60, 8, 8},         {-1, 60, 8, -8},        {3, 60, 8, 23},
        {-1, 60, 7, -9},       {381, 100, 255, 149},   {382, 100, 255, 150},
        {1, 255, 2, 128},      {5, 7, 0, -1},          {1, -60, 8, -8},
        {-1, 60, -8, 8},       {0, 5, 3, 0},           {INT32_MIN, INT32_MIN, INT32_MIN, INT32_MIN},
        {INT32_MAX, 2, 1, -1}, {INT32_MIN, 1, -1, -1}, {INT32_MAX, INT32_MAX, INT32_MAX, INT32_MAX},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(MulDiv(c.number, c.numerator, c.denominator), c.expected)
            << c.number << " * " << c.numerator << " / " << c.denominator;
    }
}

}  // namespace
}  // namespace colvexa
