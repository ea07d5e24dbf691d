#pragma once

#include <cstdint>

// Writers behind the renderings: each writes its text at out and returns the end. They let
// a readout build its whole text in one stack buffer and make one string of it.
namespace colvexa::detail {

inline constexpr int kMaxIntChars = 11;    // "-2147483648"
inline constexpr int kMaxWholeChars = 26;  // "-999,999,999,999,999" or "-1.79769313486232E308"

char* WriteInt(char* out, std::int32_t v);

// Exactly two upper-case digits of the low byte: 10 -> "0A".
inline char* WriteHexByte(char* out, std::int32_t v) {
    constexpr char kDigits[] = "0123456789ABCDEF";
    out[0] = kDigits[(v >> 4) & 0xF];
    out[1] = kDigits[v & 0xF];
    return out + 2;
}

// 0 to 999, no leading zeros.
inline char* WriteSmall(char* out, unsigned u) {
    if (u >= 100) {
        *out++ = static_cast<char>('0' + u / 100);
        u %= 100;
        *out++ = static_cast<char>('0' + u / 10);
    } else if (u >= 10) {
        *out++ = static_cast<char>('0' + u / 10);
    }
    *out++ = static_cast<char>('0' + u % 10);
    return out;
}

// Magnitudes of 999.5 and more, infinities and NaN.
char* WriteWholeLarge(char* out, double v);

// The nearest whole number, halves away from zero, never "-0".
inline char* WriteWhole(char* out, double v) {
    // Every readout value lands here: no digit groups, 32-bit arithmetic.
    if (!(v > -999.5 && v < 999.5)) {
        return WriteWholeLarge(out, v);
    }
    int whole = static_cast<int>(v);
    const double fraction = v - whole;  // exact
    if (fraction >= 0.5) {
        ++whole;
    } else if (fraction <= -0.5) {
        --whole;
    }
    if (whole < 0) {
        *out++ = '-';  // never for a value that rounds to 0
        whole = -whole;
    }
    return WriteSmall(out, static_cast<unsigned>(whole));
}

}  // namespace colvexa::detail
