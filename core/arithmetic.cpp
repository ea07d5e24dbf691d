#include "core/arithmetic.h"

#include <cstdlib>

namespace colvexa {

std::int32_t TruncToInt(Extended x) {
    // The readouts pass whole numbers far inside 32 bits; anything beyond 64 bits (or NaN)
    // would be undefined to convert, so it gives 0.
    if (!(x > Extended(-9.2e18) && x < Extended(9.2e18))) {
        return 0;
    }
    return static_cast<std::int32_t>(static_cast<std::int64_t>(x));
}

std::int32_t MulDiv(std::int32_t number, std::int32_t numerator, std::int32_t denominator) {
    if (denominator == 0) {
        return -1;
    }
    const std::int64_t product = std::int64_t{number} * numerator;
    const bool negative = (product < 0) != (denominator < 0);
    // |product| <= 2^62, so 2 * |product| + |denominator| fits in 64 unsigned bits.
    const std::uint64_t p =
        product < 0 ? 0 - static_cast<std::uint64_t>(product) : static_cast<std::uint64_t>(product);
    const std::uint64_t d = static_cast<std::uint64_t>(std::llabs(denominator));
    const std::uint64_t q = (2 * p + d) / (2 * d);  // halves away from zero
    const std::int64_t result =
        negative ? -static_cast<std::int64_t>(q) : static_cast<std::int64_t>(q);
    if (result < INT32_MIN || result > INT32_MAX) {
        return -1;
    }
    return static_cast<std::int32_t>(result);
}

}  // namespace colvexa
