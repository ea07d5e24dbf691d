#pragma once

#include <cstdint>

namespace colvexa {

// The wide real type of the readout arithmetic: x87 80-bit extended where long double is
// that (x86-64 Linux), double where it is not (MSVC). The texts are the same either way.
#if COLVEXA_WIDE_DOUBLE
using Extended = double;
#else
using Extended = long double;
#endif

// 1/255 rounded to nearest in Extended: significand 0x8080808080808081, exponent -8 at
// 80 bits; a hair above 1/255. The readouts scale to percent by multiplying by it.
inline constexpr Extended Reciprocal255 = Extended(1) / Extended(255);

// Integer part, toward zero: 2.9 -> 2, -2.9 -> -2, -0.5 -> 0.
std::int32_t TruncToInt(Extended x);

// number * numerator / denominator from the exact 64-bit product, rounded to nearest with
// halves away from zero; -1 when denominator is 0 or the result leaves 32 bits.
// MulDiv(1, 60, 8) -> 8, MulDiv(-1, 60, 8) -> -8, MulDiv(5, 7, 0) -> -1.
std::int32_t MulDiv(std::int32_t number, std::int32_t numerator, std::int32_t denominator);

}  // namespace colvexa
