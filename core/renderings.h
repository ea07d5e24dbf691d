#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>

// Readout texts are short ASCII strings; every colour readout fits std::string's inline
// buffer, so building one does not touch the heap.
namespace colvexa {

// "[" + items joined by "," + "]": {"12", "-3"} -> "[12,-3]".
std::string FormatBracketed(std::initializer_list<std::string_view> items);

// Signed decimal: -5 -> "-5", -2147483648 -> "-2147483648".
std::string IntToStr(std::int32_t v);

// Upper-case hex of v read as unsigned, zero-padded to digits, never cut: (10, 2) -> "0A",
// (256, 2) -> "100".
std::string IntToHex(std::int32_t v, int digits);

// The stored value rounded to the nearest whole number, halves away from zero, never "-0":
// 2.5 -> "3", -0.5 -> "-1", -0.4 -> "0". Magnitudes from 1000 on get "," digit groups.
std::string FormatWhole(float v);
std::string FormatWhole(double v);

// The same texts as FormatBracketed of IntToStr, or of FormatWhole, of each item, built in
// one buffer: {-5, 1079} -> "[-5,1079]", {0.4, 61.5, -0.5} -> "[0,62,-1]". Two to four items.
std::string FormatBracketedInts(std::initializer_list<std::int32_t> items);
std::string FormatBracketedWholes(std::initializer_list<double> items);

}  // namespace colvexa
