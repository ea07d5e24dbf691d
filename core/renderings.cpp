#include "core/renderings.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>

namespace colvexa {

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

std::string IntToStr(std::int32_t v) {
    char buffer[16];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, v).ptr;
    return std::string(buffer, end);
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

namespace {

// Beyond 15 digits the platform's number format falls back to its general one: "1E15".
std::string FormatGeneral(double v) {
    char buffer[32];
    char* end =
        std::to_chars(buffer, buffer + sizeof buffer, v, std::chars_format::general, 15).ptr;
    std::string text(buffer, end);
    if (const auto e = text.find('e'); e != std::string::npos) {
        std::size_t digits = e + 1;
        if (text[digits] == '+') {
            text.erase(digits, 1);
        } else if (text[digits] == '-') {
            ++digits;
        }
        while (digits + 1 < text.size() && text[digits] == '0') {
            text.erase(digits, 1);
        }
        text[e] = 'E';
    }
    return text;
}

}  // namespace

std::string FormatWhole(double v) {
    if (std::isnan(v)) {
        return "NAN";
    }
    if (std::isinf(v)) {
        return v > 0 ? "INF" : "-INF";
    }
    const double rounded = std::round(v);  // exact; halves away from zero
    if (rounded == 0) {
        return "0";  // also for -0.4 and negative zero
    }
    if (std::fabs(rounded) >= 1e15) {
        return FormatGeneral(v);
    }
    const std::int64_t whole = static_cast<std::int64_t>(rounded);
    std::uint64_t magnitude = whole < 0 ? 0 - static_cast<std::uint64_t>(whole) : whole;
    char buffer[32];
    char* start = buffer + sizeof buffer;
    int written = 0;
    do {
        if (written > 0 && written % 3 == 0) {
            *--start = ',';
        }
        *--start = static_cast<char>('0' + magnitude % 10);
        magnitude /= 10;
        ++written;
    } while (magnitude != 0);
    if (whole < 0) {
        *--start = '-';
    }
    return std::string(start, buffer + sizeof buffer);
}

std::string FormatWhole(float v) {
    return FormatWhole(static_cast<double>(v));  // widening is exact
}

}  // namespace colvexa
