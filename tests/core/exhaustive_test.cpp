// Every readout against exact integer arithmetic, for all 16,777,216 colours.

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "core/cmyk.h"
#include "core/hsl.h"
#include "core/hsv.h"
#include "core/yuv.h"
#include "exact_rounding.h"

namespace colvexa {
namespace {

using exact::Binary32;
using exact::NearestBinary32;
using exact::RoundDiv;
using exact::RoundHalfUp;

// Counts mismatches over a whole pass but keeps the details of only the first few.
class Mismatches {
public:
    // True when this mismatch is one of the first few, whose details belong in the report.
    bool Record() { return count_++ < kKept; }
    void Note(int r, int g, int b, std::string_view what) {
        report_ += "\n  (" + std::to_string(r) + ", " + std::to_string(g) + ", " +
                   std::to_string(b) + "): ";
        report_ += what;
    }
    void Texts(int r, int g, int b, std::string_view got, std::string_view want) {
        if (Record()) {
            Note(r, g, b, "got \"" + std::string(got) + "\", want \"" + std::string(want) + "\"");
        }
    }
    long count() const { return count_; }
    const std::string& report() const { return report_; }

private:
    static constexpr long kKept = 8;
    long count_ = 0;
    std::string report_;
};

// Decimal texts of every item a readout can hold, made once: the passes build millions of
// expected texts.
class ItemTexts {
public:
    static constexpr int kMin = -100;
    static constexpr int kMax = 400;

    ItemTexts() {
        for (int v = kMin; v <= kMax; ++v) {
            Entry& e = entries_[v - kMin];
            const std::string text = std::to_string(v);
            text.copy(e.text, sizeof e.text);
            e.size = static_cast<unsigned char>(text.size());
        }
    }
    // Writes v at p and returns the end.
    char* Append(char* p, int v) const {
        const Entry& e = entries_[v - kMin];
        std::memcpy(p, e.text, sizeof e.text);
        return p + e.size;
    }

private:
    struct Entry {
        char text[4] = {};
        unsigned char size = 0;
    };
    Entry entries_[kMax - kMin + 1];
};

const ItemTexts kItemTexts;

// "[a,b,...]" into buf, which has room for four spare bytes; returns the length.
template <std::size_t N>
std::size_t Bracketed(char* buf, const int (&items)[N]) {
    char* p = buf;
    *p++ = '[';
    for (std::size_t i = 0; i < N; ++i) {
        if (i != 0) {
            *p++ = ',';
        }
        p = kItemTexts.Append(p, items[i]);
    }
    *p++ = ']';
    return static_cast<std::size_t>(p - buf);
}

// The checks below run 16 million times; plain loops over the characters keep the Debug
// build from spending its time in calls to string members.

// A "-" stands only at the start of an item, so any "-0" is a "-0" item or a leading zero.
bool HasNegativeZeroItem(const std::string& text) {
    const char* p = text.data();
    for (std::size_t i = 1; i < text.size(); ++i) {
        if (p[i - 1] == '-' && p[i] == '0') {
            return true;
        }
    }
    return false;
}

bool SameText(const std::string& got, std::string_view want) {
    return got.size() == want.size() && std::memcmp(got.data(), want.data(), want.size()) == 0;
}

bool HueIs360(const std::string& text) {
    return text.size() > 5 && std::memcmp(text.data(), "[360,", 5) == 0;
}

// Both readouts put the hue first and the saturation second.
bool SameHueAndSaturation(const std::string& a, const std::string& b) {
    int commas = 0;
    std::size_t i = 0;
    for (; i < a.size() && commas < 2; ++i) {
        commas += a[i] == ',';
    }
    return commas == 2 && b.size() >= i && std::memcmp(a.data(), b.data(), i) == 0;
}

int Max3(int a, int b, int c) {
    return a > b ? (a > c ? a : c) : (b > c ? b : c);
}
int Min3(int a, int b, int c) {
    return a < b ? (a < c ? a : c) : (b < c ? b : c);
}

template <typename F>
void ForEachColour(F&& f) {
    for (int r = 0; r < 256; ++r) {
        for (int g = 0; g < 256; ++g) {
            for (int b = 0; b < 256; ++b) {
                f(r, g, b);
            }
        }
    }
}

double ToDouble(Binary32 x) {
    return std::ldexp(static_cast<double>(x.m), x.e);
}

// The oracle's own rounding, on values worked out by hand.
TEST(ExactRounding, NearestSingleAndWholeNumber) {
    // Red's V sum 156.825 and its percentage, which lands exactly on a half.
    const Binary32 red_v = NearestBinary32(15682500, 100000, 0);
    EXPECT_EQ(ToDouble(red_v), 156.82499694824219);
    const Binary32 red_v_percent = NearestBinary32(std::uint64_t{red_v.m} * 100, 255, red_v.e);
    EXPECT_EQ(ToDouble(red_v_percent), 61.5);
    EXPECT_EQ(RoundHalfUp(red_v_percent), 62);
    // (0, 99, 83): Y sum 67.575 stored just below, so the percentage stays below 26.5.
    const Binary32 y = NearestBinary32(67575, 1000, 0);
    EXPECT_EQ(ToDouble(y), 67.57499694824219);
    const Binary32 y_percent = NearestBinary32(std::uint64_t{y.m} * 100, 255, y.e);
    EXPECT_EQ(ToDouble(y_percent), 26.499998092651367);
    EXPECT_EQ(RoundHalfUp(y_percent), 26);
    // Ties between singles go to the even significand; carrying into 2^24 renormalises.
    EXPECT_EQ(ToDouble(NearestBinary32(16777217, 1, 0)), 16777216.0);
    EXPECT_EQ(ToDouble(NearestBinary32(16777219, 1, 0)), 16777220.0);
    EXPECT_EQ(ToDouble(NearestBinary32((1u << 25) - 1, 2, 0)), 16777216.0);
    EXPECT_EQ(ToDouble(NearestBinary32(1, 3, 0)), static_cast<double>(1.0f / 3.0f));

    EXPECT_EQ(RoundDiv(15, 2), 8);
    EXPECT_EQ(RoundDiv(-15, 2), -8);
    EXPECT_EQ(RoundDiv(-100, 255), 0);
    EXPECT_EQ(RoundDiv(14, 4), 4);
}

TEST(ExhaustiveReadouts, CmykIsOneLevelFromTheLargestChannel) {
    // Cyan, magenta and yellow depend only on the distance below the largest channel L,
    // the key only on L.
    int distance_item[256];
    int key_item[256];
    for (int i = 0; i < 256; ++i) {
        distance_item[i] = static_cast<int>(RoundDiv((i - 1) * 100, 255));
        key_item[i] = static_cast<int>(RoundDiv((256 - i) * 100, 255));
    }
    Mismatches bad;
    char want[32];
    ForEachColour([&](int r, int g, int b) {
        const int l = Max3(r, g, b);
        const int items[4] = {distance_item[l - r], distance_item[l - g], distance_item[l - b],
                              key_item[l]};
        const std::string got = FormatCmyk(r, g, b);
        const std::string_view expected(want, Bracketed(want, items));
        if (!SameText(got, expected) || HasNegativeZeroItem(got)) {
            bad.Texts(r, g, b, got, expected);
        }
    });
    EXPECT_EQ(bad.count(), 0) << bad.report();
}

struct ExpectedHsv {
    int hue;
    int saturation;
    int value;
};

// Hue by integer division rounded halves away from zero, then wrapped; saturation from a
// whole 0..255 level.
ExpectedHsv HsvItems(int r, int g, int b) {
    const int v = Max3(r, g, b);
    const int d = v - Min3(r, g, b);
    const int s255 = v == 0 ? 0 : static_cast<int>(RoundDiv(255 * d, v));
    int hue = 0;
    if (s255 != 0) {
        if (r == v) {
            hue = static_cast<int>(RoundDiv(60 * (g - b), d));
        } else if (g == v) {
            hue = static_cast<int>(RoundDiv(60 * (b - r), d)) + 120;
        } else {
            hue = static_cast<int>(RoundDiv(60 * (r - g), d)) + 240;
        }
        if (hue < 0) {
            hue += 360;
        }
    }
    return {hue, static_cast<int>(RoundDiv(100 * s255, 255)),
            static_cast<int>(RoundDiv(100 * v, 255))};
}

// One pass for both: the HSL text is built from the same reading as the HSV text.
TEST(ExhaustiveReadouts, HsvAndHslShareHueAndSaturation) {
    Mismatches hsv_bad;
    Mismatches hsl_bad;
    char want[32];
    ForEachColour([&](int r, int g, int b) {
        const ExpectedHsv e = HsvItems(r, g, b);
        const int lightness =
            static_cast<int>(RoundDiv(100 * (Max3(r, g, b) + Min3(r, g, b)), 510));
        const HsvReading reading = ComputeHsv(r, g, b);

        const int hsv_items[3] = {e.hue, e.saturation, e.value};
        const std::string hsv = FormatHsv(reading);
        std::string_view expected(want, Bracketed(want, hsv_items));
        if (!SameText(hsv, expected) || HasNegativeZeroItem(hsv) || HueIs360(hsv)) {
            hsv_bad.Texts(r, g, b, hsv, expected);
        }

        const int hsl_items[3] = {e.hue, e.saturation, lightness};
        const std::string hsl = FormatHsl(r, g, b, reading);
        expected = std::string_view(want, Bracketed(want, hsl_items));
        if (!SameText(hsl, expected) || HasNegativeZeroItem(hsl) || HueIs360(hsl)) {
            hsl_bad.Texts(r, g, b, hsl, expected);
        } else if (!SameHueAndSaturation(hsl, hsv) && hsl_bad.Record()) {
            hsl_bad.Note(r, g, b, "HSL \"" + hsl + "\" beside HSV \"" + hsv + "\"");
        }
    });
    EXPECT_EQ(hsv_bad.count(), 0) << "HSV:" << hsv_bad.report();
    EXPECT_EQ(hsl_bad.count(), 0) << "HSL:" << hsl_bad.report();
}

// The text item of one YUV component whose weighted sum is num / den exactly: the sum is
// stored as the nearest single, the percentage sum * 100 / 255 as the nearest single again.
int YuvItem(std::int64_t num, std::int64_t den) {
    if (num == 0) {
        return 0;
    }
    const Binary32 sum = NearestBinary32(static_cast<std::uint64_t>(std::abs(num)),
                                         static_cast<std::uint64_t>(den), 0);
    const Binary32 percent = NearestBinary32(std::uint64_t{sum.m} * 100, 255, sum.e);
    const int magnitude = static_cast<int>(RoundHalfUp(percent));
    return num < 0 ? -magnitude : magnitude;
}

int NearestWhole(double v) {
    return static_cast<int>(std::round(v));
}

// Colours whose Y, U and V items change when the arithmetic skips stores to single.
struct YuvChanges {
    long y = 0;
    long u = 0;
    long v = 0;

    void Count(const int (&items)[3], double y_percent, double u_percent, double v_percent) {
        y += NearestWhole(y_percent) != items[0];
        u += NearestWhole(u_percent) != items[1];
        v += NearestWhole(v_percent) != items[2];
    }
};

// One pass checks the texts and counts how many of them depend on the two stores to single,
// against plain double arithmetic computed here.
TEST(ExhaustiveReadouts, YuvRoundsEachComponentToSingleTwice) {
    // Y's exact sum (299 R + 587 G + 114 B) / 1000 takes few enough values for a table.
    std::vector<int> y_item(255 * 1000 + 1);
    for (std::size_t n = 0; n < y_item.size(); ++n) {
        y_item[n] = YuvItem(static_cast<std::int64_t>(n), 1000);
    }
    Mismatches bad;
    YuvChanges no_stores;
    YuvChanges no_first_store;
    YuvChanges no_second_store;
    char want[32];
    ForEachColour([&](int r, int g, int b) {
        const int want_items[3] = {y_item[299 * r + 587 * g + 114 * b],
                                   YuvItem(-14713 * r - 28886 * g + 43600 * b, 100000),
                                   YuvItem(61500 * r - 51499 * g - 10001 * b, 100000)};
        const std::string got = FormatYuv(r, g, b);
        const std::string_view expected(want, Bracketed(want, want_items));
        if (!SameText(got, expected) || HasNegativeZeroItem(got)) {
            bad.Texts(r, g, b, got, expected);
            return;
        }
        // Plain double arithmetic, with the coefficients as doubles in the same order.
        const double y = 0.299 * r + 0.587 * g + 0.114 * b;
        const double u = -0.14713 * r - 0.28886 * g + 0.436 * b;
        const double v = 0.615 * r - 0.51499 * g - 0.10001 * b;
        const auto percent = [](double sum) { return sum / 255 * 100; };
        const auto single = [](double x) { return static_cast<double>(static_cast<float>(x)); };
        // A stored sum times 100 is exact in double, so this is its percentage rounded once;
        // sum / 255 * 100 would round twice and move 112 more Y texts.
        const auto stored_percent = [&](double sum) { return single(sum) * 100 / 255; };
        // The text matched, so want_items are its items.
        no_stores.Count(want_items, percent(y), percent(u), percent(v));
        no_first_store.Count(want_items, single(percent(y)), single(percent(u)),
                             single(percent(v)));
        no_second_store.Count(want_items, stored_percent(y), stored_percent(u), stored_percent(v));
    });
    ASSERT_EQ(bad.count(), 0) << bad.report();

    EXPECT_EQ(no_stores.y, 2197);
    EXPECT_EQ(no_stores.u, 21);
    EXPECT_EQ(no_stores.v, 162);
    EXPECT_EQ(no_first_store.y, 544);
    EXPECT_EQ(no_first_store.u, 3);
    EXPECT_EQ(no_first_store.v, 0);
    EXPECT_EQ(no_second_store.y, 2213);
    EXPECT_EQ(no_second_store.u, 22);
    EXPECT_EQ(no_second_store.v, 2);
}

}  // namespace
}  // namespace colvexa
