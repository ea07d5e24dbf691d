#include "core/color_sample.h"

#include "core/renderings.h"

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
    return FormatBracketed({IntToStr(s.X), IntToStr(s.Y)});
}

std::string FormatRgb(const ColorSample& s) {
    return FormatBracketed({IntToStr(s.R), IntToStr(s.G), IntToStr(s.B)});
}

std::string FormatHtml(const ColorSample& s) {
    return "#" + IntToHex(s.R, 2) + IntToHex(s.G, 2) + IntToHex(s.B, 2);
}

std::string FormatHex(const ColorSample& s) {
    return "0x" + IntToHex(s.B, 2) + IntToHex(s.G, 2) + IntToHex(s.R, 2);
}

}  // namespace colvexa
