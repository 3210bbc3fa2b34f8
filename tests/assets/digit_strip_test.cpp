// The dot-matrix counters: 4 x 7 dots of 2 x 2 pixels on a 3-pixel pitch in 11 x 20 cells.
#include <QSet>
#include <array>
#include <gtest/gtest.h>

#include "AssetFiles.h"

using namespace assettest;

namespace {

constexpr int kCellW = 11, kCellH = 20;

struct Strip {
    const char* file;
    int width;
    QRgb lit, unlit;
};
const Strip kLevel = {kLevelDigitStrip.Path, 148, qRgb(0xFF, 0xFF, 0x00), qRgb(0x40, 0x40, 0x00)};
const Strip kTime = {kTimeDigitStrip.Path, 121, qRgb(0x00, 0xFF, 0x00), qRgb(0x00, 0x40, 0x00)};

bool IsDot(int x, int y) { return x % 3 != 2 && y % 3 != 2; }

// The lit dots of cell `cell` as 28 bits, row by row.
std::uint32_t Shape(const QImage& strip, const Strip& s, int cell) {
    std::uint32_t bits = 0;
    for (int row = 0; row < 7; ++row) {
        for (int col = 0; col < 4; ++col) {
            if ((strip.pixel(cell * kCellW + col * 3, row * 3) | 0xFF000000) == s.lit) {
                bits |= 1u << (row * 4 + col);
            }
        }
    }
    return bits;
}

QSet<QRgb> ColoursUsed(const QImage& image) {
    QSet<QRgb> used;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) used.insert(image.pixel(x, y) | 0xFF000000);
    }
    return used;
}

}  // namespace

TEST(DigitStrips, AreEightBitPaletteImagesWithoutTransparency) {
    for (const Strip& s : {kLevel, kTime}) {
        const PngHeader h = ReadPngHeader(s.file);
        EXPECT_EQ(h.width, s.width) << s.file;
        EXPECT_EQ(h.height, kCellH) << s.file;
        EXPECT_EQ(h.colourType, 3) << s.file;
        EXPECT_EQ(h.bitDepth, 8) << s.file;
        EXPECT_FALSE(h.hasTransparencyChunk) << s.file;
    }
}

TEST(DigitStrips, UseOnlyBlackAndTheirDotAndFaceColours) {
    const QSet<QRgb> level = {qRgb(0, 0, 0), kLevel.lit, kLevel.unlit, qRgb(0xFF, 0, 0)};
    const QSet<QRgb> time = {qRgb(0, 0, 0), kTime.lit, kTime.unlit};
    EXPECT_TRUE(level.contains(ColoursUsed(LoadPng(kLevel.file))));
    EXPECT_TRUE(time.contains(ColoursUsed(LoadPng(kTime.file))));
    EXPECT_TRUE(ColoursUsed(LoadPng(kLevel.file)).contains(qRgb(0xFF, 0, 0)));
}

TEST(DigitStrips, DotsAreTwoByTwoOnAThreePixelPitchWithBlackBetween) {
    for (const Strip& s : {kLevel, kTime}) {
        const QImage strip = LoadPng(s.file);
        for (int cell = 0; cell <= 10; ++cell) {
            for (int y = 0; y < kCellH; ++y) {
                for (int x = 0; x < kCellW; ++x) {
                    const QRgb c = strip.pixel(cell * kCellW + x, y) | 0xFF000000;
                    if (!IsDot(x, y)) {
                        ASSERT_TRUE(IsBlack(c)) << s.file << " cell " << cell << " " << x << "," << y;
                        continue;
                    }
                    ASSERT_TRUE(c == s.lit || c == s.unlit) << s.file << " cell " << cell << " " << x << "," << y;
                    // All four pixels of a dot agree.
                    ASSERT_EQ(c, strip.pixel(cell * kCellW + x - x % 3, y - y % 3) | 0xFF000000);
                }
            }
        }
    }
}

TEST(DigitStrips, BlankCellHasNoLitDot) {
    for (const Strip& s : {kLevel, kTime}) EXPECT_EQ(Shape(LoadPng(s.file), s, 10), 0u) << s.file;
}

TEST(DigitStrips, BothStripsShowTheSameTenDistinctDigits) {
    const QImage level = LoadPng(kLevel.file), time = LoadPng(kTime.file);
    QSet<std::uint32_t> shapes;
    for (int d = 0; d <= 9; ++d) {
        EXPECT_EQ(Shape(level, kLevel, d), Shape(time, kTime, d)) << "digit " << d;
        EXPECT_NE(Shape(level, kLevel, d), 0u) << "digit " << d;
        shapes.insert(Shape(level, kLevel, d));
    }
    EXPECT_EQ(shapes.size(), 10);
}

TEST(DigitStrips, DigitsLookLikeTheirNumbers) {
    // A few features any reader relies on: one is an upright stroke with nothing at its
    // lower left, zero is a ring open in the middle where eight is closed, seven has a bar.
    const QImage level = LoadPng(kLevel.file);
    auto dot = [&](int digit, int col, int row) {
        return (Shape(level, kLevel, digit) >> (row * 4 + col)) & 1u;
    };
    for (int row = 0; row < 7; ++row) EXPECT_TRUE(dot(1, 2, row)) << "one's stroke, row " << row;
    for (int row = 3; row < 6; ++row) EXPECT_FALSE(dot(1, 0, row)) << "one, row " << row;
    for (int row = 1; row < 6; ++row) {
        EXPECT_TRUE(dot(0, 0, row) && dot(0, 3, row)) << "zero's sides, row " << row;
    }
    const std::uint32_t middleRow = 0xFu << 12;
    EXPECT_EQ(Shape(level, kLevel, 0) & ~middleRow, Shape(level, kLevel, 8) & ~middleRow);
    EXPECT_NE(Shape(level, kLevel, 8) & middleRow, 0u) << "eight is closed in the middle";
    EXPECT_EQ(Shape(level, kLevel, 0) & middleRow, 0x9u << 12) << "zero is open in the middle";
    EXPECT_EQ(Shape(level, kLevel, 7) & 0xFu, 0xFu) << "seven's top bar";
}

TEST(LevelDigitStrip, ColumnBetweenDigitsAndFacesIsBlack) {
    const QImage strip = LoadPng(kLevel.file);
    for (int y = 0; y < kCellH; ++y) EXPECT_TRUE(IsBlack(strip.pixel(121, y))) << y;
}

TEST(LevelDigitStrip, FacesAreRoundYellowSmilingAndRedFrowningOnBlack) {
    const QImage strip = LoadPng(kLevel.file);
    struct Face {
        int x;
        QRgb colour;
        bool smiling;
    };
    for (const Face& f : {Face{122, kLevel.lit, true}, Face{135, qRgb(0xFF, 0, 0), false}}) {
        int top = kCellH, bottom = -1, left = 13, right = -1;
        for (int y = 0; y < kCellH; ++y) {
            for (int x = 0; x < 13; ++x) {
                const QRgb c = strip.pixel(f.x + x, y) | 0xFF000000;
                ASSERT_TRUE(c == f.colour || IsBlack(c)) << f.x << ": " << x << "," << y;
                if (c != f.colour) continue;
                top = std::min(top, y);
                bottom = std::max(bottom, y);
                left = std::min(left, x);
                right = std::max(right, x);
            }
        }
        EXPECT_EQ(top, 3) << f.x;
        EXPECT_EQ(bottom, 15) << f.x;
        EXPECT_EQ(left, 0) << f.x;
        EXPECT_EQ(right, 12) << f.x;
        // The mouth: black inside the face below the eyes. A smile's middle hangs lower than
        // its corners; a frown's middle rises above them.
        auto mouthRow = [&](int x) {
            for (int y = 15; y >= 10; --y) {
                const bool inside = (strip.pixel(f.x + x, y + 1) | 0xFF000000) == f.colour;
                if (inside && IsBlack(strip.pixel(f.x + x, y))) return y;
            }
            return -1;
        };
        const int middle = mouthRow(6), corner = mouthRow(3);
        ASSERT_GE(middle, 0) << f.x;
        ASSERT_GE(corner, 0) << f.x;
        if (f.smiling) EXPECT_GT(middle, corner) << "smile";
        else EXPECT_LT(middle, corner) << "frown";
        // Two eyes, level with each other.
        EXPECT_TRUE(IsBlack(strip.pixel(f.x + 4, 8)) && IsBlack(strip.pixel(f.x + 8, 8))) << f.x;
    }
}
