#include "core/renderings.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace colvexa {
namespace {

TEST(FormatBracketed, JoinsItemsWithCommasInBrackets) {
    EXPECT_EQ(FormatBracketed({"0", "0"}), "[0,0]");
    EXPECT_EQ(FormatBracketed({"-5", "1079"}), "[-5,1079]");
    EXPECT_EQ(FormatBracketed({"10", "20", "30"}), "[10,20,30]");
    EXPECT_EQ(FormatBracketed({"100", "0", "0", "0"}), "[100,0,0,0]");
}

TEST(IntToStr, WritesSignedDecimal) {
    EXPECT_EQ(IntToStr(0), "0");
    EXPECT_EQ(IntToStr(-5), "-5");
    EXPECT_EQ(IntToStr(1079), "1079");
    EXPECT_EQ(IntToStr(2147483647), "2147483647");
    EXPECT_EQ(IntToStr(std::numeric_limits<std::int32_t>::min()), "-2147483648");
}

TEST(IntToHex, PadsToTheMinimumAndNeverCuts) {
    const struct {
        std::int32_t v;
        const char* expected;
    } cases[] = {{0, "00"},   {9, "09"},    {10, "0A"},    {15, "0F"},
                 {16, "10"},  {127, "7F"},  {128, "80"},   {200, "C8"},
                 {255, "FF"}, {256, "100"}, {4095, "FFF"}, {-1, "FFFFFFFF"}};
    for (const auto& c : cases) {
        EXPECT_EQ(IntToHex(c.v, 2), c.expected) << c.v;
    }
    EXPECT_EQ(IntToHex(5, 0), "5");
}

TEST(FormatWhole, RoundsHalvesAwayFromZeroAndNeverWritesMinusZero) {
    const struct {
        double v;
        const char* expected;
    } cases[] = {
        {0.5, "1"},
        {1.5, "2"},
        {2.5, "3"},
        {12.5, "13"},
        {99.5, "100"},
        {359.5, "360"},
        {359.4, "359"},
        {-0.5, "-1"},
        {-1.5, "-2"},
        {-2.5, "-3"},
        {-99.6, "-100"},
        {0.4, "0"},
        {-0.4, "0"},
        {-0.05, "0"},
        {0.0, "0"},
        {-0.0, "0"},
        {100.0, "100"},
        {360.0, "360"},
        {61.5, "62"},
        {-61.5, "-62"},
        {std::nextafter(2.5, 0.0), "2"},
        {1.0 / 3.0, "0"},
        {999.4, "999"},
        {999.5, "1,000"},
        {-1234567.0, "-1,234,567"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FormatWhole(c.v), c.expected) << c.v;
    }
}

TEST(FormatWhole, SingleGivesTheTextOfTheSameValueAsDouble) {
    EXPECT_EQ(FormatWhole(std::nextafter(0.5f, 0.0f)), "0");  // 0.49999997
    EXPECT_EQ(FormatWhole(-std::nextafter(0.5f, 0.0f)), "0");
    for (const float v : {12.5f, -0.5f, 61.5f, 8.5f, -20.5f, 0.0f, -0.0f, 359.0f}) {
        EXPECT_EQ(FormatWhole(v), FormatWhole(static_cast<double>(v))) << v;
    }
}

TEST(FormatWhole, OutOfRangeValuesGiveTextsNotUndefinedConversions) {
    EXPECT_EQ(FormatWhole(1e20), "1E20");
    EXPECT_EQ(FormatWhole(std::numeric_limits<double>::infinity()), "INF");
    EXPECT_EQ(FormatWhole(-std::numeric_limits<double>::infinity()), "-INF");
    EXPECT_EQ(FormatWhole(std::numeric_limits<double>::quiet_NaN()), "NAN");
}

}  // namespace
}  // namespace colvexa
