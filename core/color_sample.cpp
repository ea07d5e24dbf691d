#include "core/color_sample.h"

#include <algorithm>

#include "core/renderings.h"
#include "core/text_writers.h"

namespace colvexa {

ColorSample MakeColorSample(std::int32_t x, std::int32_t y, std::uint32_t colorValue) {
    ColorSample s;
    s.X = x;
    s.Y = y;
    s.ColorValue = colorValue;
    s.R = static_cast<std::int32_t>(colorValue & 0xFF);
    s.B = static_cast<std::int32_t>((colorValue >> 16) & 0xFF);
    s.G = static_cast<std::int32_t>((colorValue >> 8) & 0xFF);
    return s;
}

std::string FormatPixel(const ColorSample& s) {
    return FormatBracketedInts({s.X, s.Y});
}

std::string FormatRgb(const ColorSample& s) {
    return FormatBracketedInts({s.R, s.G, s.B});
}

namespace {

// prefix followed by the three channels as two hex digits each.
std::string FormatHexChannels(std::string_view prefix, std::int32_t first, std::int32_t second,
                              std::int32_t third) {
    char buffer[8];
    char* out = std::copy(prefix.begin(), prefix.end(), buffer);
    out = detail::WriteHexByte(out, first);
    out = detail::WriteHexByte(out, second);
    out = detail::WriteHexByte(out, third);
    return std::string(buffer, out);
}

}  // namespace

std::string FormatHtml(const ColorSample& s) {
    return FormatHexChannels("#", s.R, s.G, s.B);
}

std::string FormatHex(const ColorSample& s) {
    return FormatHexChannels("0x", s.B, s.G, s.R);
}

}  // namespace colvexa
