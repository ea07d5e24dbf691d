#include <gtest/gtest.h>

#include <utility>

#include "core/cmyk.h"
#include "core/color_sample.h"
#include "core/hsl.h"
#include "core/hsv.h"
#include "core/yuv.h"

namespace colvexa {
namespace {

struct Rgb {
    std::int32_t r, g, b;
};

std::ostream& operator<<(std::ostream& out, const Rgb& c) {
    return out << "(" << c.r << ", " << c.g << ", " << c.b << ")";
}

TEST(ColorSample, SplitsTheChannelsAndLeavesTheTopByteToNone) {
    const ColorSample s = MakeColorSample(-5, 1079, 0xAB32C8C7);
    EXPECT_EQ(s.X, -5);
    EXPECT_EQ(s.Y, 1079);
    EXPECT_EQ(s.ColorValue, 0xAB32C8C7u);
    EXPECT_EQ(s.R, 0xC7);
    EXPECT_EQ(s.G, 0xC8);
    EXPECT_EQ(s.B, 0x32);

    const ColorSample invalid = MakeColorSample(7, 8, CLR_INVALID);
    EXPECT_EQ(invalid.R, 255);
    EXPECT_EQ(invalid.G, 255);
    EXPECT_EQ(invalid.B, 255);
}

// Worked ticks: cursor, pixel value and the texts of all eight readouts.
TEST(Readouts, WorkedTicks) {
    const struct {
        std::int32_t x, y;
        std::uint32_t value;
        const char *pixel, *rgb, *html, *hex, *cmyk, *hsv, *yuv, *hsl;
    } ticks[] = {
        {100, 200, 0x000000FF, "[100,200]", "[255,0,0]", "#FF0000", "0x0000FF", "[0,100,100,0]",
         "[0,100,100]", "[30,-15,62]", "[0,100,50]"},
        {0, 0, 0x00FF0000, "[0,0]", "[0,0,255]", "#0000FF", "0xFF0000", "[100,100,0,0]",
         "[240,100,100]", "[11,44,-10]", "[240,100,50]"},
        {0, 0, 0x00808080, "[0,0]", "[128,128,128]", "#808080", "0x808080", "[0,0,0,50]",
         "[0,0,50]", "[50,0,0]", "[0,0,50]"},
        {1919, 1079, 0x001E140A, "[1919,1079]", "[10,20,30]", "#0A141E", "0x1E140A", "[7,4,0,89]",
         "[210,67,12]", "[7,2,-3]", "[210,67,8]"},
        {5, 5, 0x00FFFFFF, "[5,5]", "[255,255,255]", "#FFFFFF", "0xFFFFFF", "[0,0,0,0]",
         "[0,0,100]", "[100,0,0]", "[0,0,100]"},
        {5, 5, 0x00000000, "[5,5]", "[0,0,0]", "#000000", "0x000000", "[0,0,0,100]", "[0,0,0]",
         "[0,0,0]", "[0,0,0]"},
        {-5, 1079, 0x0032C8C8, "[-5,1079]", "[200,200,50]", "#C8C832", "0x32C8C8", "[0,0,58,22]",
         "[60,75,78]", "[72,-26,6]", "[60,75,49]"},
    };
    for (const auto& t : ticks) {
        SCOPED_TRACE(t.pixel);
        const ColorSample s = MakeColorSample(t.x, t.y, t.value);
        EXPECT_EQ(FormatPixel(s), t.pixel);
        EXPECT_EQ(FormatRgb(s), t.rgb);
        EXPECT_EQ(FormatHtml(s), t.html);
        EXPECT_EQ(FormatHex(s), t.hex);
        EXPECT_EQ(FormatCmyk(s.R, s.G, s.B), t.cmyk);
        const HsvReading reading = ComputeHsv(s.R, s.G, s.B);
        EXPECT_EQ(FormatHsv(reading), t.hsv);
        EXPECT_EQ(FormatYuv(s.R, s.G, s.B), t.yuv);
        EXPECT_EQ(FormatHsl(s.R, s.G, s.B, reading), t.hsl);
    }
}

TEST(Readouts, ExtremeCoordinatesAreWrittenWhole) {
    EXPECT_EQ(FormatPixel(MakeColorSample(INT32_MIN, INT32_MAX, 0)), "[-2147483648,2147483647]");
}

TEST(Cmyk, Table) {
    const std::pair<Rgb, const char*> cases[] = {
        {{0, 0, 0}, "[0,0,0,100]"},        {{255, 255, 255}, "[0,0,0,0]"},
        {{255, 0, 0}, "[0,100,100,0]"},    {{0, 255, 0}, "[100,0,100,0]"},
        {{0, 0, 255}, "[100,100,0,0]"},    {{255, 255, 0}, "[0,0,100,0]"},
        {{0, 255, 255}, "[100,0,0,0]"},    {{255, 0, 255}, "[0,100,0,0]"},
        {{128, 128, 128}, "[0,0,0,50]"},   {{127, 127, 127}, "[0,0,0,51]"},
        {{10, 20, 30}, "[7,4,0,89]"},      {{30, 20, 10}, "[0,4,7,89]"},
        {{200, 200, 100}, "[0,0,39,22]"},  {{255, 128, 0}, "[0,49,100,0]"},
        {{100, 150, 200}, "[39,19,0,22]"}, {{128, 0, 0}, "[0,50,50,50]"},
        {{129, 0, 0}, "[0,50,50,50]"},     {{0, 254, 0}, "[99,0,99,1]"},
        {{255, 254, 255}, "[0,0,0,0]"},    {{1, 1, 1}, "[0,0,0,100]"},
        {{2, 2, 2}, "[0,0,0,100]"},        {{3, 3, 3}, "[0,0,0,99]"},
        {{254, 254, 254}, "[0,0,0,1]"},    {{1, 0, 0}, "[0,0,0,100]"},
    };
    for (const auto& [c, expected] : cases) {
        EXPECT_EQ(FormatCmyk(c.r, c.g, c.b), expected) << c;
    }
}

TEST(Hsv, Table) {
    const std::pair<Rgb, const char*> cases[] = {
        {{0, 0, 0}, "[0,0,0]"},           {{255, 255, 255}, "[0,0,100]"},
        {{128, 128, 128}, "[0,0,50]"},    {{127, 127, 127}, "[0,0,50]"},
        {{1, 1, 1}, "[0,0,0]"},           {{255, 0, 0}, "[0,100,100]"},
        {{0, 255, 0}, "[120,100,100]"},   {{0, 0, 255}, "[240,100,100]"},
        {{255, 255, 0}, "[60,100,100]"},  {{0, 255, 255}, "[180,100,100]"},
        {{255, 0, 255}, "[300,100,100]"}, {{200, 200, 10}, "[60,95,78]"},
        {{10, 20, 30}, "[210,67,12]"},    {{255, 128, 0}, "[30,100,100]"},
        {{9, 2, 1}, "[8,89,4]"},          {{9, 1, 2}, "[352,89,4]"},
        {{255, 0, 1}, "[0,100,100]"},     {{3, 3, 18}, "[240,84,7]"},
        {{255, 255, 254}, "[60,0,100]"},  {{0, 1, 0}, "[120,100,0]"},
    };
    for (const auto& [c, expected] : cases) {
        EXPECT_EQ(FormatHsv(ComputeHsv(c.r, c.g, c.b)), expected) << c;
    }
}

TEST(Hsv, ReadingHoldsWholeHueAndTwiceRoundedSaturation) {
    const HsvReading reading = ComputeHsv(3, 3, 18);
    EXPECT_EQ(reading.Hue, 240.0f);
    EXPECT_EQ(reading.Saturation, static_cast<float>(213.0L * 100 / 255));
    EXPECT_EQ(ComputeHsv(9, 1, 2).Hue, 352.0f);
}

TEST(Yuv, Table) {
    const std::pair<Rgb, const char*> cases[] = {
        {{0, 0, 0}, "[0,0,0]"},          {{255, 255, 255}, "[100,0,0]"},
        {{255, 0, 0}, "[30,-15,62]"},    {{0, 255, 0}, "[59,-29,-51]"},
        {{0, 0, 255}, "[11,44,-10]"},    {{255, 255, 0}, "[89,-44,10]"},
        {{0, 255, 255}, "[70,15,-62]"},  {{255, 0, 255}, "[41,29,51]"},
        {{128, 128, 128}, "[50,0,0]"},   {{127, 127, 127}, "[50,0,0]"},
        {{10, 20, 30}, "[7,2,-3]"},      {{200, 200, 100}, "[74,-17,4]"},
        {{255, 128, 0}, "[59,-29,36]"},  {{0, 51, 17}, "[13,-3,-11]"},
        {{0, 21, 82}, "[9,12,-7]"},      {{0, 99, 83}, "[26,3,-23]"},
        {{112, 254, 209}, "[81,1,-32]"}, {{128, 226, 190}, "[76,-1,-22]"},
        {{1, 86, 86}, "[24,5,-21]"},     {{1, 0, 0}, "[0,0,0]"},
        {{0, 1, 0}, "[0,0,0]"},
    };
    for (const auto& [c, expected] : cases) {
        EXPECT_EQ(FormatYuv(c.r, c.g, c.b), expected) << c;
    }
}

TEST(Hsl, TableWithTheHsvOfTheSameColour) {
    const struct {
        Rgb c;
        const char *hsl, *hsv;
    } cases[] = {
        {{0, 0, 0}, "[0,0,0]", "[0,0,0]"},
        {{255, 255, 255}, "[0,0,100]", "[0,0,100]"},
        {{128, 128, 128}, "[0,0,50]", "[0,0,50]"},
        {{127, 127, 127}, "[0,0,50]", "[0,0,50]"},
        {{255, 0, 0}, "[0,100,50]", "[0,100,100]"},
        {{0, 255, 0}, "[120,100,50]", "[120,100,100]"},
        {{0, 0, 255}, "[240,100,50]", "[240,100,100]"},
        {{255, 255, 0}, "[60,100,50]", "[60,100,100]"},
        {{200, 200, 10}, "[60,95,41]", "[60,95,78]"},
        {{10, 20, 30}, "[210,67,8]", "[210,67,12]"},
        {{9, 1, 2}, "[352,89,2]", "[352,89,4]"},
        {{128, 0, 1}, "[0,100,25]", "[0,100,50]"},
        {{255, 255, 254}, "[60,0,100]", "[60,0,100]"},
        {{1, 1, 0}, "[60,100,0]", "[60,100,0]"},
    };
    for (const auto& t : cases) {
        const HsvReading reading = ComputeHsv(t.c.r, t.c.g, t.c.b);
        EXPECT_EQ(FormatHsv(reading), t.hsv) << t.c;
        EXPECT_EQ(FormatHsl(t.c.r, t.c.g, t.c.b, reading), t.hsl) << t.c;
    }
}

TEST(Hsl, ShowsTheReadingItIsGivenNotOneOfItsOwn) {
    HsvReading reading;
    reading.Hue = 17;
    reading.Saturation = 42.4f;
    EXPECT_EQ(FormatHsl(10, 20, 30, reading), "[17,42,8]");
}

}  // namespace
}  // namespace colvexa
