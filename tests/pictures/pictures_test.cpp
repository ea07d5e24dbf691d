#include <gtest/gtest.h>

#include <QColor>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>  // jpeglib.h needs FILE and size_t first
#include <numbers>
#include <ostream>
#include <stdexcept>
#include <vector>

#include <jpeglib.h>

namespace {

const QString kPicturesDir = QStringLiteral(COLVEXA_PICTURES_DIR);

const QStringList kPictureFiles{"emblem16.png", "about16.png", "close16.png", "tick24.png",
                                "icon48.png",   "colvexa.ico", "palette.jpg"};

QByteArray ReadCommitted(const QString& name) {
    QFile file(QDir(kPicturesDir).filePath(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QImage LoadIcon(const QString& name) {
    return QImage(QDir(kPicturesDir).filePath(name)).convertToFormat(QImage::Format_ARGB32);
}

bool IsWhite(QRgb c) {
    return qAlpha(c) == 255 && qRed(c) >= 240 && qGreen(c) >= 240 && qBlue(c) >= 240;
}

int Luma(QRgb c) {
    return (299 * qRed(c) + 587 * qGreen(c) + 114 * qBlue(c)) / 1000;
}

// --- Icon files ---------------------------------------------------------------------------

struct IconFile {
    const char* name;
    int size;
};

void PrintTo(const IconFile& icon, std::ostream* os) {
    *os << icon.name;
}

class IconFileTest : public testing::TestWithParam<IconFile> {};

TEST_P(IconFileTest, HasItsSizeAndATransparentGround) {
    const QImage image(QDir(kPicturesDir).filePath(GetParam().name));
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(image.size(), QSize(GetParam().size, GetParam().size));
    ASSERT_TRUE(image.hasAlphaChannel());
    EXPECT_EQ(qAlpha(image.pixel(0, 0)), 0);
}

INSTANTIATE_TEST_SUITE_P(Pictures, IconFileTest,
                         testing::Values(IconFile{"emblem16.png", 16}, IconFile{"about16.png", 16},
                                         IconFile{"close16.png", 16}, IconFile{"tick24.png", 24},
                                         IconFile{"icon48.png", 48}, IconFile{"colvexa.ico", 48}),
                         [](const auto& info) {
                             return QString(info.param.name).replace('.', '_').toStdString();
                         });

TEST(IconFormat, PngsAreEightBitRgba) {
    for (const char* name :
         {"emblem16.png", "about16.png", "close16.png", "tick24.png", "icon48.png"}) {
        const QByteArray png = ReadCommitted(name);
        ASSERT_GT(png.size(), 26) << name;
        EXPECT_EQ(png.mid(12, 4), "IHDR") << name;
        EXPECT_EQ(png[24], 8) << name << ": bit depth";
        EXPECT_EQ(png[25], 6) << name << ": colour type RGBA";
    }
}

TEST(IconFormat, IcoHoldsOne48PixelImageOf32Bits) {
    const QByteArray ico = ReadCommitted("colvexa.ico");
    ASSERT_GE(ico.size(), 22);
    auto word = [&](int at) {
        return static_cast<quint8>(ico[at]) | static_cast<quint8>(ico[at + 1]) << 8;
    };
    EXPECT_EQ(word(0), 0);  // reserved
    EXPECT_EQ(word(2), 1);  // icon, not cursor
    EXPECT_EQ(word(4), 1);  // image count
    EXPECT_EQ(static_cast<quint8>(ico[6]), 48);
    EXPECT_EQ(static_cast<quint8>(ico[7]), 48);
    EXPECT_EQ(word(12), 32);  // bits per pixel
    // The transparency mask after the 48 x 48 x 4 colour bytes: bit set where alpha is 0, rows
    // bottom-up and padded to 8 bytes with zeros.
    const QImage png = LoadIcon("icon48.png");
    const int maskStart = 22 + 40 + 48 * 48 * 4;
    ASSERT_EQ(ico.size(), maskStart + 48 * 8);
    for (int row = 0; row < 48; ++row) {
        const int y = 47 - row;
        for (int x = 0; x < 48; ++x) {
            const bool set =
                static_cast<quint8>(ico[maskStart + row * 8 + x / 8]) & (0x80 >> (x % 8));
            EXPECT_EQ(set, qAlpha(png.pixel(x, y)) == 0) << x << "," << y;
        }
        EXPECT_EQ(ico.mid(maskStart + row * 8 + 6, 2), QByteArray(2, '\0')) << "row " << y;
    }
    // Qt reads icons premultiplied; compare in that form so rounding does not show.
    const auto premultiplied = [](const char* name) {
        return QImage(QDir(kPicturesDir).filePath(name))
            .convertToFormat(QImage::Format_ARGB32_Premultiplied);
    };
    EXPECT_EQ(premultiplied("colvexa.ico"), premultiplied("icon48.png"));
}

// --- Colour wheels: the emblem and its larger counterpart, the application icon --------------

struct Wheel {
    const char* name;
    double centre;
    double radius;
    double rim;
};

void PrintTo(const Wheel& wheel, std::ostream* os) {
    *os << wheel.name;
}

struct RimHue {
    const char* where;
    double angle;  // degrees clockwise from the top
    int lowest;    // hue range, may wrap past 360
    int highest;
};

constexpr RimHue kRimHues[] = {
    {"top: pink/magenta", 0, 290, 345},    {"right: red/orange", 90, 345, 40},
    {"lower right: yellow", 135, 45, 75},  {"bottom: green", 180, 95, 150},
    {"lower left: cyan", 225, 165, 200},   {"left: blue", 270, 215, 255},
    {"upper left: violet", 315, 260, 295},
};

class WheelTest : public testing::TestWithParam<Wheel> {
protected:
    QRgb At(double angle, double distance) const {
        const double a = angle * std::numbers::pi / 180;
        const Wheel& w = GetParam();
        return image_.pixel(static_cast<int>(w.centre + distance * std::sin(a)),
                            static_cast<int>(w.centre - distance * std::cos(a)));
    }
    QImage image_ = LoadIcon(GetParam().name);
};

TEST_P(WheelTest, HuesRunRoundTheRimInTheirPlaces) {
    const double distance = (GetParam().radius - GetParam().rim) * 0.75;
    for (const RimHue& rim : kRimHues) {
        const QColor c = QColor::fromRgba(At(rim.angle, distance));
        const int hue = c.hsvHue();
        const bool inRange = rim.lowest <= rim.highest ? hue >= rim.lowest && hue <= rim.highest
                                                       : hue >= rim.lowest || hue <= rim.highest;
        EXPECT_TRUE(inRange) << rim.where << ": hue " << hue << " " << c.name().toStdString();
        EXPECT_GT(c.hsvSaturation(), 120) << rim.where;
        EXPECT_EQ(c.alpha(), 255) << rim.where;
    }
}

TEST_P(WheelTest, FadesToNearWhiteAtTheCentre) {
    const QRgb centre = At(0, 0);
    EXPECT_EQ(qAlpha(centre), 255);
    EXPECT_GE(std::min({qRed(centre), qGreen(centre), qBlue(centre)}), 200);
}

TEST_P(WheelTest, HasADarkGreyRimAllRound) {
    // Every 30-degree sector of the rim band holds a solid dark grey pixel; a thin rim shares
    // its other pixels with the hues.
    const Wheel& w = GetParam();
    std::array<bool, 12> sectors{};
    for (int y = 0; y < image_.height(); ++y) {
        for (int x = 0; x < image_.width(); ++x) {
            const double dx = x + 0.5 - w.centre, dy = y + 0.5 - w.centre;
            const double d = std::hypot(dx, dy);
            const QRgb c = image_.pixel(x, y);
            const auto [lo, hi] = std::minmax({qRed(c), qGreen(c), qBlue(c)});
            if (d >= w.radius - w.rim - 0.5 && d <= w.radius && qAlpha(c) >= 200 && hi <= 140 &&
                hi - lo <= 40) {
                const double angle = std::atan2(dx, -dy) * 180 / std::numbers::pi + 360;
                sectors[static_cast<int>(angle / 30) % 12] = true;
            }
        }
    }
    for (int i = 0; i < 12; ++i) {
        EXPECT_TRUE(sectors[i]) << "no rim from " << i * 30 << " degrees";
    }
}

TEST_P(WheelTest, OutsideTheDiscOnlyAFaintShadowDownAndRight) {
    const Wheel& w = GetParam();
    const int size = image_.width();
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            const double d = std::hypot(x + 0.5 - w.centre, y + 0.5 - w.centre);
            const QRgb c = image_.pixel(x, y);
            if (d < w.radius + 0.75) {
                continue;
            }
            EXPECT_LT(qAlpha(c), 128) << x << "," << y;
            EXPECT_LE(qRed(c) + qGreen(c) + qBlue(c), 30) << x << "," << y;  // black, see-through
            if (x + 0.5 < w.centre - w.radius || y + 0.5 < w.centre - w.radius) {
                EXPECT_EQ(qAlpha(c), 0) << x << "," << y;  // nothing up or left of the disc
            }
        }
    }
    EXPECT_GT(qAlpha(image_.pixel(static_cast<int>(w.centre),
                                  static_cast<int>(w.centre + w.radius + 0.5))),
              0)
        << "no shadow below the disc";
}

INSTANTIATE_TEST_SUITE_P(Pictures, WheelTest,
                         testing::Values(Wheel{"emblem16.png", 8, 6, 1.2},
                                         Wheel{"icon48.png", 24, 21, 2}),
                         [](const auto& info) {
                             return QString(info.param.name).replace('.', '_').toStdString();
                         });

TEST(Emblem, DiscSpansColumnsAndRowsTwoToThirteen) {
    const QImage emblem = LoadIcon("emblem16.png");
    for (int i = 2; i <= 13; ++i) {
        EXPECT_GE(qAlpha(emblem.pixel(i, 8)), 100) << "column " << i;
        EXPECT_GE(qAlpha(emblem.pixel(8, i)), 100) << "row " << i;
    }
    for (int i : {0, 1}) {
        EXPECT_EQ(qAlpha(emblem.pixel(i, 8)), 0) << "column " << i;
        EXPECT_EQ(qAlpha(emblem.pixel(8, i)), 0) << "row " << i;
    }
}

// --- About picture -------------------------------------------------------------------------

TEST(AboutPicture, WhiteExclamationMarkOnOrange) {
    const QImage about = LoadIcon("about16.png");
    for (int y = 2; y <= 13; ++y) {
        const bool inMark = (y >= 4 && y <= 8) || y == 10 || y == 11;
        for (int x = 6; x <= 9; ++x) {
            EXPECT_EQ(IsWhite(about.pixel(x, y)), inMark && (x == 7 || x == 8)) << x << "," << y;
        }
    }
    const QRgb body = about.pixel(4, 8);
    EXPECT_GE(qRed(body), 220);
    EXPECT_TRUE(qGreen(body) >= 110 && qGreen(body) <= 170) << qGreen(body);
    EXPECT_LE(qBlue(body), 70);
}

TEST(AboutPicture, RoundedWithDarkerEdgeAndLighterTopAndBottomRims) {
    const QImage about = LoadIcon("about16.png");
    for (QPoint corner : {QPoint(0, 0), QPoint(15, 0), QPoint(0, 15), QPoint(15, 15)}) {
        EXPECT_EQ(qAlpha(about.pixel(corner)), 0) << corner.x() << "," << corner.y();
    }
    const int body = Luma(about.pixel(4, 8));
    EXPECT_LT(Luma(about.pixel(0, 8)), body - 30);   // left edge
    EXPECT_LT(Luma(about.pixel(15, 8)), body - 30);  // right edge
    EXPECT_GT(Luma(about.pixel(8, 1)), body + 20);   // top rim
    EXPECT_GT(Luma(about.pixel(8, 14)), body + 15);  // bottom rim
}

// --- Close picture -------------------------------------------------------------------------

TEST(ClosePicture, GlossyRedWithFaintShadowBelow) {
    const QImage close = LoadIcon("close16.png");
    const QRgb gloss = close.pixel(3, 2), deep = close.pixel(3, 12);
    EXPECT_GE(qRed(gloss), 220);
    EXPECT_GE(qGreen(gloss), 90);  // pink, not pure red
    EXPECT_LE(qGreen(deep), 40);
    EXPECT_TRUE(qRed(deep) >= 120 && qRed(deep) <= 210) << qRed(deep);
    for (int x = 3; x <= 12; ++x) {
        const QRgb shadow = close.pixel(x, 15);
        EXPECT_TRUE(qAlpha(shadow) > 0 && qAlpha(shadow) < 128) << x;
        EXPECT_LE(qRed(shadow), 60) << x;
    }
}

TEST(ClosePicture, PowerSymbolRingOpenAtTheTopAroundTheBar) {
    const QImage close = LoadIcon("close16.png");
    for (QPoint bar : {QPoint(7, 4), QPoint(8, 4), QPoint(7, 6), QPoint(8, 6)}) {
        EXPECT_TRUE(IsWhite(close.pixel(bar))) << "bar " << bar.x() << "," << bar.y();
    }
    for (QPoint ring : {QPoint(3, 8), QPoint(12, 8), QPoint(7, 12), QPoint(8, 12)}) {
        EXPECT_TRUE(IsWhite(close.pixel(ring))) << "ring " << ring.x() << "," << ring.y();
    }
    for (QPoint gap : {QPoint(6, 3), QPoint(9, 3)}) {
        EXPECT_LT(qGreen(close.pixel(gap)), 180) << "gap " << gap.x() << "," << gap.y();
    }
    EXPECT_FALSE(IsWhite(close.pixel(7, 9))) << "bar stops above the centre";
}

// --- Tick ----------------------------------------------------------------------------------

// Where the mark is at least half opaque.
std::vector<int> CoveredColumns(const QImage& image, int y) {
    std::vector<int> covered;
    for (int x = 0; x < image.width(); ++x) {
        if (qAlpha(image.pixel(x, y)) >= 128) {
            covered.push_back(x);
        }
    }
    return covered;
}

std::vector<int> CoveredRows(const QImage& image, int x) {
    std::vector<int> covered;
    for (int y = 0; y < image.height(); ++y) {
        if (qAlpha(image.pixel(x, y)) >= 128) {
            covered.push_back(y);
        }
    }
    return covered;
}

TEST(Tick, MarkStaysInRowsThreeToTwenty) {
    const QImage tick = LoadIcon("tick24.png");
    for (int y : {0, 1, 2, 21, 22, 23}) {
        for (int x = 0; x < 24; ++x) {
            EXPECT_EQ(qAlpha(tick.pixel(x, y)), 0) << x << "," << y;
        }
    }
}

TEST(Tick, ArmsEndWhereDrawn) {
    const QImage tick = LoadIcon("tick24.png");
    EXPECT_EQ(CoveredRows(tick, 0), (std::vector<int>{8, 9, 10, 11, 12})) << "left edge";
    EXPECT_EQ(CoveredColumns(tick, 3), (std::vector<int>{18, 19, 20, 21})) << "long arm's top";
    EXPECT_EQ(CoveredColumns(tick, 20), (std::vector<int>{4, 5, 6, 7, 8, 9})) << "lowest row";
    const std::vector<int> row19 = CoveredColumns(tick, 19);
    for (int x = 4; x <= 9; ++x) {
        EXPECT_NE(std::find(row19.begin(), row19.end(), x), row19.end()) << "row 19, column " << x;
    }
}

TEST(Tick, YellowGreenWithDarkOutlineAndPaleHighlight) {
    const QImage tick = LoadIcon("tick24.png");
    const QRgb fill = tick.pixel(6, 17);
    EXPECT_GE(qGreen(fill), 200);
    EXPECT_GE(qRed(fill), 130);  // yellow-green, not plain green
    EXPECT_LE(qBlue(fill), 80);
    for (QPoint edge : {QPoint(0, 10), QPoint(6, 20), QPoint(19, 3)}) {
        const QRgb c = tick.pixel(edge);
        EXPECT_LT(Luma(c), Luma(fill) - 60) << edge.x() << "," << edge.y();
        EXPECT_GT(qGreen(c), qRed(c)) << edge.x() << "," << edge.y();
    }
    const QRgb highlight = tick.pixel(13, 9);  // just inside the long arm's upper edge
    EXPECT_GT(Luma(highlight), Luma(fill) + 15);
    EXPECT_GE(qBlue(highlight), 120);
    EXPECT_GT(qGreen(highlight), qRed(highlight));
}

// --- Palette -------------------------------------------------------------------------------

[[noreturn]] void ThrowJpegError(j_common_ptr cinfo) {
    char message[JMSG_LENGTH_MAX];
    (*cinfo->err->format_message)(cinfo, message);
    throw std::runtime_error(message);
}

struct Jpeg {
    bool progressive = false;
    int width = 0, height = 0, components = 0;
    J_COLOR_SPACE colourSpace = JCS_UNKNOWN;
    bool jfif = false;
    int jfifMajor = 0, jfifMinor = 0;
    int densityUnit = 0, xDensity = 0, yDensity = 0;
    QImage pixels;  // RGB888
};

Jpeg ReadJpeg(const QByteArray& data) {
    jpeg_decompress_struct cinfo{};
    jpeg_error_mgr jerr{};
    cinfo.err = jpeg_std_error(&jerr);
    jerr.error_exit = ThrowJpegError;
    jpeg_create_decompress(&cinfo);
    Jpeg jpeg;
    try {
        jpeg_mem_src(&cinfo, reinterpret_cast<const unsigned char*>(data.constData()),
                     static_cast<unsigned long>(data.size()));
        jpeg_read_header(&cinfo, TRUE);
        jpeg.progressive = cinfo.progressive_mode;
        jpeg.width = static_cast<int>(cinfo.image_width);
        jpeg.height = static_cast<int>(cinfo.image_height);
        jpeg.components = cinfo.num_components;
        jpeg.colourSpace = cinfo.jpeg_color_space;
        jpeg.jfif = cinfo.saw_JFIF_marker;
        jpeg.jfifMajor = cinfo.JFIF_major_version;
        jpeg.jfifMinor = cinfo.JFIF_minor_version;
        jpeg.densityUnit = cinfo.density_unit;
        jpeg.xDensity = cinfo.X_density;
        jpeg.yDensity = cinfo.Y_density;
        cinfo.out_color_space = JCS_RGB;
        jpeg_start_decompress(&cinfo);
        jpeg.pixels = QImage(jpeg.width, jpeg.height, QImage::Format_RGB888);
        while (cinfo.output_scanline < cinfo.output_height) {
            JSAMPROW row = jpeg.pixels.scanLine(static_cast<int>(cinfo.output_scanline));
            jpeg_read_scanlines(&cinfo, &row, 1);
        }
        jpeg_finish_decompress(&cinfo);
    } catch (...) {
        jpeg_destroy_decompress(&cinfo);
        throw;
    }
    jpeg_destroy_decompress(&cinfo);
    return jpeg;
}

class PaletteTest : public testing::Test {
protected:
    QByteArray bytes_ = ReadCommitted("palette.jpg");
    Jpeg jpeg_ = ReadJpeg(bytes_);
};

TEST_F(PaletteTest, IsAProgressiveJfif101ColourJpegAt100Dpi) {
    EXPECT_TRUE(jpeg_.progressive);
    EXPECT_EQ(jpeg_.width, 150);
    EXPECT_EQ(jpeg_.height, 97);
    EXPECT_EQ(jpeg_.components, 3);
    EXPECT_EQ(jpeg_.colourSpace, JCS_YCbCr);
    EXPECT_TRUE(jpeg_.jfif);
    EXPECT_EQ(jpeg_.jfifMajor, 1);
    EXPECT_EQ(jpeg_.jfifMinor, 1);
    EXPECT_EQ(jpeg_.densityUnit, 1);  // dots per inch
    EXPECT_EQ(jpeg_.xDensity, 100);
    EXPECT_EQ(jpeg_.yDensity, 100);
    EXPECT_GE(bytes_.size(), 1400);
    EXPECT_LE(bytes_.size(), 2100);
}

TEST_F(PaletteTest, MiddleRowDecodesToThePureHues) {
    constexpr int kTolerance = 6;  // per channel, out of 255
    struct Pure {
        int x;
        QRgb rgb;
    };
    for (const Pure& pure :
         {Pure{0, 0xEF0600}, Pure{30, 0xF0AD04}, Pure{60, 0x05F00F}, Pure{90, 0x00C8DF},
          Pure{120, 0x0819E5}, Pure{135, 0x560C97}, Pure{149, 0xC40A2F}}) {
        const QRgb got = jpeg_.pixels.pixel(pure.x, 48);
        EXPECT_NEAR(qRed(got), qRed(pure.rgb), kTolerance) << "x = " << pure.x;
        EXPECT_NEAR(qGreen(got), qGreen(pure.rgb), kTolerance) << "x = " << pure.x;
        EXPECT_NEAR(qBlue(got), qBlue(pure.rgb), kTolerance) << "x = " << pure.x;
    }
}

TEST_F(PaletteTest, HueGoesOnceRoundFromLeftToRight) {
    int last = -1;
    for (int x = 0; x < jpeg_.width; ++x) {
        const int hue = jpeg_.pixels.pixelColor(x, 48).hsvHue();
        EXPECT_GE(hue, last - 3) << "x = " << x;  // a little give for compression noise
        last = std::max(last, hue);
    }
    EXPECT_LE(jpeg_.pixels.pixelColor(0, 48).hsvHue(), 10);
    EXPECT_GE(last, 340);
}

TEST_F(PaletteTest, PaleTintsAtTheTopNearBlackAtTheBottom) {
    const QRgb topLeft = jpeg_.pixels.pixel(0, 0);
    EXPECT_NEAR(qRed(topLeft), 0xFF, 8);
    EXPECT_NEAR(qGreen(topLeft), 0xE7, 8);
    EXPECT_NEAR(qBlue(topLeft), 0xE3, 8);
    for (int x = 0; x < jpeg_.width; ++x) {
        const QRgb top = jpeg_.pixels.pixel(x, 0), bottom = jpeg_.pixels.pixel(x, 96);
        EXPECT_GE(std::min({qRed(top), qGreen(top), qBlue(top)}), 200) << "x = " << x;
        EXPECT_LE(std::max({qRed(bottom), qGreen(bottom), qBlue(bottom)}), 40) << "x = " << x;
    }
}

// --- The generator -------------------------------------------------------------------------

int RunPicgen(const QStringList& arguments) {
    QProcess picgen;
    picgen.start(QStringLiteral(COLVEXA_PICGEN), arguments);
    if (!picgen.waitForFinished(120000) || picgen.exitStatus() != QProcess::NormalExit) {
        return -1;
    }
    return picgen.exitCode();
}

TEST(Picgen, RedrawsTheCommittedPicturesByteForByte) {
    QTemporaryDir out;
    ASSERT_TRUE(out.isValid());
    ASSERT_EQ(RunPicgen({out.path()}), 0);
    QStringList made = QDir(out.path()).entryList(QDir::Files, QDir::Name);
    QStringList expected = kPictureFiles;
    expected.sort();
    EXPECT_EQ(made, expected);
    for (const QString& name : kPictureFiles) {
        QFile file(QDir(out.path()).filePath(name));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << name.toStdString();
        const QByteArray committed = ReadCommitted(name);
        EXPECT_FALSE(committed.isEmpty()) << name.toStdString();
        EXPECT_TRUE(file.readAll() == committed)
            << name.toStdString() << " differs: run picgen ui/pictures and commit the result";
    }
}

TEST(Picgen, RefusesAMissingOrUnusableFolder) {
    EXPECT_EQ(RunPicgen({}), 2);
    EXPECT_EQ(RunPicgen({"a", "b"}), 2);
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString blocker = QDir(dir.path()).filePath("file");
    QFile file(blocker);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    EXPECT_EQ(RunPicgen({blocker}), 1);                        // a file where the folder goes
    EXPECT_EQ(RunPicgen({QDir(blocker).filePath("sub")}), 1);  // nor can one go under it
}

}  // namespace
