#pragma once

// Exact integer rounding for the exhaustive readout checks. Nothing here touches floating
// point, so the expected texts cannot share a rounding fault with the code under test.

#include <bit>
#include <cstdint>

namespace colvexa::exact {

// n / d rounded to the nearest integer, halves away from zero; d > 0.
constexpr std::int64_t RoundDiv(std::int64_t n, std::int64_t d) {
    return n >= 0 ? (2 * n + d) / (2 * d) : -((-2 * n + d) / (2 * d));
}

// A positive binary32 value m * 2^e, with m in [2^23, 2^24).
struct Binary32 {
    std::uint32_t m;
    int e;
};

// The binary32 nearest to num / den * 2^k, ties to even; 0 < num, den < 2^32 and the result
// in the normal range. The scaled numerator stays below 2^57, so 64 bits suffice.
constexpr Binary32 NearestBinary32(std::uint64_t num, std::uint64_t den, int k) {
    // Pick s with 2^23 <= num * 2^s / den < 2^24: the estimate from the bit widths is at most
    // one too small.
    int s = 23 - (std::bit_width(num) - std::bit_width(den));
    std::uint64_t n = s >= 0 ? num << s : num;
    const std::uint64_t d = s >= 0 ? den : den << -s;
    if (n < (d << 23)) {
        n <<= 1;
        ++s;
    }
    std::uint64_t q = n / d;
    const std::uint64_t r = n % d;
    if (2 * r > d || (2 * r == d && (q & 1) != 0)) {
        ++q;
    }
    if (q == (std::uint64_t{1} << 24)) {
        q >>= 1;
        --s;
    }
    return {static_cast<std::uint32_t>(q), k - s};
}

// m * 2^e rounded to the nearest integer, halves up (away from zero for a magnitude).
constexpr std::int64_t RoundHalfUp(Binary32 x) {
    if (x.e >= 0) {
        return std::int64_t{x.m} << x.e;
    }
    const int sh = -x.e;
    if (sh > 40) {
        return 0;
    }
    return static_cast<std::int64_t>((std::uint64_t{x.m} + (std::uint64_t{1} << (sh - 1))) >> sh);
}

}  // namespace colvexa::exact
