#include "core/renderings.h"

#include <algorithm>
#include <charconv>
#include <cmath>

#include "core/text_writers.h"

namespace colvexa {

namespace detail {

char* WriteInt(char* out, std::int32_t v) {
    return std::to_chars(out, out + kMaxIntChars, v).ptr;
}

namespace {

// Beyond 15 digits the platform's number format falls back to its general one: "1E20".
char* WriteGeneral(char* out, double v) {
    char buffer[32];
    char* end =
        std::to_chars(buffer, buffer + sizeof buffer, v, std::chars_format::general, 15).ptr;
    const char* exponent = std::find(buffer, end, 'e');
    out = std::copy(static_cast<const char*>(buffer), exponent, out);
    if (exponent == end) {
        return out;
    }
    *out++ = 'E';
    const char* p = exponent + 1;
    if (*p == '-') {
        *out++ = '-';
    }
    if (*p == '-' || *p == '+') {
        ++p;
    }
    while (p + 1 < end && *p == '0') {
        ++p;
    }
    return std::copy(p, static_cast<const char*>(end), out);
}

}  // namespace

char* WriteWholeLarge(char* out, double v) {
    if (std::isnan(v)) {
        return std::copy_n("NAN", 3, out);
    }
    if (!(std::fabs(v) < 999999999999999.5)) {
        if (std::isinf(v)) {
            return v > 0 ? std::copy_n("INF", 3, out) : std::copy_n("-INF", 4, out);
        }
        return WriteGeneral(out, v);
    }
    // Halves away from zero. v minus its integer part is exact below 2^52.
    std::int64_t whole = static_cast<std::int64_t>(v);
    const double fraction = v - static_cast<double>(whole);
    if (fraction >= 0.5) {
        ++whole;
    } else if (fraction <= -0.5) {
        --whole;
    }
    if (whole < 0) {
        *out++ = '-';
    }
    std::uint64_t magnitude = whole < 0 ? 0 - static_cast<std::uint64_t>(whole) : whole;
    char digits[kMaxWholeChars];
    char* start = digits + sizeof digits;
    int written = 0;
    do {
        if (written > 0 && written % 3 == 0) {
            *--start = ',';
        }
        *--start = static_cast<char>('0' + magnitude % 10);
        magnitude /= 10;
        ++written;
    } while (magnitude != 0);
    return std::copy(start, digits + sizeof digits, out);
}

}  // namespace detail

std::string FormatBracketed(std::initializer_list<std::string_view> items) {
    std::size_t size = 1 + items.size();
    for (std::string_view item : items) {
        size += item.size();
    }
    std::string text;
    text.reserve(size);
    text += '[';
    bool first = true;
    for (std::string_view item : items) {
        if (!first) {
            text += ',';
        }
        text += item;
        first = false;
    }
    text += ']';
    return text;
}

std::string FormatBracketedInts(std::initializer_list<std::int32_t> items) {
    char buffer[4 * (detail::kMaxIntChars + 1) + 1];
    char* out = buffer;
    for (const std::int32_t item : items) {
        *out = out == buffer ? '[' : ',';
        ++out;
        out = detail::WriteInt(out, item);
    }
    *out++ = ']';
    return std::string(buffer, out);
}

std::string FormatBracketedWholes(std::initializer_list<double> items) {
    char buffer[4 * (detail::kMaxWholeChars + 1) + 1];
    char* out = buffer;
    for (const double item : items) {
        *out = out == buffer ? '[' : ',';
        ++out;
        out = detail::WriteWhole(out, item);
    }
    *out++ = ']';
    return std::string(buffer, out);
}

std::string IntToStr(std::int32_t v) {
    char buffer[detail::kMaxIntChars];
    return std::string(buffer, detail::WriteInt(buffer, v));
}

std::string IntToHex(std::int32_t v, int digits) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    char buffer[8];
    char* start = buffer + sizeof buffer;
    std::uint32_t u = static_cast<std::uint32_t>(v);
    do {
        *--start = kDigits[u & 0xF];
        u >>= 4;
    } while (u != 0);
    const std::size_t length = static_cast<std::size_t>(buffer + sizeof buffer - start);
    const std::size_t padding =
        digits > 0 && static_cast<std::size_t>(digits) > length ? digits - length : 0;
    std::string text(padding, '0');
    text.append(start, length);
    return text;
}

std::string FormatWhole(double v) {
    char buffer[detail::kMaxWholeChars];
    return std::string(buffer, detail::WriteWhole(buffer, v));
}

std::string FormatWhole(float v) {
    return FormatWhole(static_cast<double>(v));  // widening is exact
}

}  // namespace colvexa
