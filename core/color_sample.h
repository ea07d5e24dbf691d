#pragma once

#include <cstdint>
#include <string>

namespace colvexa {

// The value a pixel read gives when the pixel cannot be read.
inline constexpr std::uint32_t CLR_INVALID = 0xFFFFFFFF;

// One tick's reading: the cursor position and the pixel under it, 0x00BBGGRR.
struct ColorSample {
    std::int32_t X = 0;
    std::int32_t Y = 0;
    std::uint32_t ColorValue = 0;
    std::int32_t R = 0;
    std::int32_t G = 0;
    std::int32_t B = 0;
};

// Splits the channels; bits 24 to 31 go to no channel. 0x001E140A -> R 10, G 20, B 30.
ColorSample MakeColorSample(std::int32_t x, std::int32_t y, std::uint32_t colorValue);

// (1919, 1079) -> "[1919,1079]".
std::string FormatPixel(const ColorSample& s);
// (10, 20, 30) -> "[10,20,30]".
std::string FormatRgb(const ColorSample& s);
// Red first: (10, 20, 30) -> "#0A141E".
std::string FormatHtml(const ColorSample& s);
// Blue first, the byte order of the value itself: (10, 20, 30) -> "0x1E140A".
std::string FormatHex(const ColorSample& s);

}  // namespace colvexa
