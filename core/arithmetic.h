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

// Integer part, toward zero, whatever the rounding mode: 2.9 -> 2, -2.9 -> -2, -0.5 -> 0.
// The low 32 bits of the 64-bit integer part; 0 where that is undefined (NaN, beyond 2^63).
inline std::int32_t TruncToInt(Extended x) {
    // Through double and the SSE truncation: converting x87 values straight to integers
    // reloads the FPU control word twice, which costs more than the whole readout. The
    // double may round onto the next integer away from x; the comparison undoes that.
    if (x > Extended(-0x1p52) && x < Extended(0x1p52)) {
        std::int64_t whole = static_cast<std::int64_t>(static_cast<double>(x));
        if (x >= 0 && Extended(whole) > x) {
            --whole;
        } else if (x < 0 && Extended(whole) < x) {
            ++whole;
        }
        return static_cast<std::int32_t>(whole);
    }
    if (x > Extended(-0x1p63) && x < Extended(0x1p63)) {
        return static_cast<std::int32_t>(static_cast<std::int64_t>(x));
    }
    return 0;
}

// number * numerator / denominator from the exact 64-bit product, rounded to nearest with
// halves away from zero; -1 when denominator is 0 or the result leaves 32 bits.
// MulDiv(1, 60, 8) -> 8, MulDiv(-1, 60, 8) -> -8, MulDiv(5, 7, 0) -> -1.
inline std::int32_t MulDiv(std::int32_t number, std::int32_t numerator, std::int32_t denominator) {
    if (denominator == 0) {
        return -1;
    }
    const std::int64_t product = std::int64_t{number} * numerator;
    const bool negative = (product < 0) != (denominator < 0);
    // |product| <= 2^62, so 2 * |product| + |denominator| fits in 64 unsigned bits.
    const std::uint64_t p =
        product < 0 ? 0 - static_cast<std::uint64_t>(product) : static_cast<std::uint64_t>(product);
    const std::uint64_t d = denominator < 0 ? 0 - static_cast<std::uint64_t>(denominator)
                                            : static_cast<std::uint64_t>(denominator);
    const std::uint64_t twice = 2 * p + d;
    // Halves away from zero; a 32-bit division where it fits is several times faster.
    const std::uint64_t q =
        twice <= UINT32_MAX ? static_cast<std::uint32_t>(twice) / static_cast<std::uint32_t>(2 * d)
                            : twice / (2 * d);
    if (q > (negative ? std::uint64_t{1} << 31 : INT32_MAX)) {
        return -1;
    }
    return static_cast<std::int32_t>(negative ? 0 - q : q);
}

}  // namespace colvexa
