// The dot-matrix counters: 4 x 7 dots of 2 x 2 pixels on a 3-pixel pitch in 11 x 20 cells. At
// 2x the dots are 4 x 4 on a 6-pixel pitch, their corners dark, so that they look round.
#include <QSet>
#include <array>
#include <gtest/gtest.h>

#include "AssetFiles.h"

using namespace assettest;

namespace {

struct Strip {
    const char* file;
    int width;  // at 1x
    QRgb lit, unlit;
};
const Strip kLevel = {kLevelDigitStrip.Path, 148, qRgb(0xFF, 0xFF, 0x00), qRgb(0x40, 0x40, 0x00)};
const Strip kTime = {kTimeDigitStrip.Path, 121, qRgb(0x00, 0xFF, 0x00), qRgb(0x00, 0x40, 0x00)};

class DigitStrips : public ScaledArt {
  protected:
    int cellW = 11 * Scale(), cellH = 20 * Scale(), pitch = 3 * Scale(), dot = 2 * Scale();
    QImage Load(const Strip& s) const { return LoadPng(At(s.file)); }

    // Whether pixel x, y of a cell belongs to a dot: its square, less the corners from 2x on.
    bool IsDot(int x, int y) const {
        const int i = x % pitch, j = y % pitch;
        if (i >= dot || j >= dot) return false;
        const bool corner = dot > 2 && (i == 0 || i == dot - 1) && (j == 0 || j == dot - 1);
        return !corner;
    }
    // The pixel that stands for the whole dot at column col, row row of cell `cell`.
    QRgb DotColour(const QImage& strip, int cell, int col, int row) const {
        return strip.pixel(cell * cellW + col * pitch + (dot > 2 ? 1 : 0), row * pitch) |
               0xFF000000;
    }
    // The lit dots of cell `cell` as 28 bits, row by row.
    std::uint32_t Shape(const QImage& strip, const Strip& s, int cell) const {
        std::uint32_t bits = 0;
        for (int row = 0; row < 7; ++row) {
            for (int col = 0; col < 4; ++col) {
                if (DotColour(strip, cell, col, row) == s.lit) bits |= 1u << (row * 4 + col);
            }
        }
        return bits;
    }
};

}  // namespace

TEST_P(DigitStrips, AreEightBitPaletteImagesWithoutTransparency) {
    for (const Strip& s : {kLevel, kTime}) {
        const PngHeader h = ReadPngHeader(At(s.file));
        EXPECT_EQ(h.width, s.width * Scale()) << s.file;
        EXPECT_EQ(h.height, cellH) << s.file;
        EXPECT_EQ(h.colourType, 3) << s.file;
        EXPECT_EQ(h.bitDepth, 8) << s.file;
        EXPECT_FALSE(h.hasTransparencyChunk) << s.file;
    }
}

TEST_P(DigitStrips, UseOnlyBlackAndTheirDotAndFaceColours) {
    const QSet<QRgb> level = {qRgb(0, 0, 0), kLevel.lit, kLevel.unlit, qRgb(0xFF, 0, 0)};
    const QSet<QRgb> time = {qRgb(0, 0, 0), kTime.lit, kTime.unlit};
    EXPECT_TRUE(level.contains(ColoursUsed(Load(kLevel))));
    EXPECT_TRUE(time.contains(ColoursUsed(Load(kTime))));
    EXPECT_TRUE(ColoursUsed(Load(kLevel)).contains(qRgb(0xFF, 0, 0)));
}

TEST_P(DigitStrips, DotsAreTwoByTwoOnAThreePixelPitchWithBlackBetween) {
    for (const Strip& s : {kLevel, kTime}) {
        const QImage strip = Load(s);
        for (int cell = 0; cell <= 10; ++cell) {
            for (int y = 0; y < cellH; ++y) {
                for (int x = 0; x < cellW; ++x) {
                    const QRgb c = strip.pixel(cell * cellW + x, y) | 0xFF000000;
                    if (!IsDot(x, y)) {
                        ASSERT_TRUE(IsBlack(c)) << s.file << " cell " << cell << " " << x << "," << y;
                        continue;
                    }
                    ASSERT_TRUE(c == s.lit || c == s.unlit) << s.file << " cell " << cell << " " << x << "," << y;
                    // All pixels of a dot agree.
                    ASSERT_EQ(c, DotColour(strip, cell, x / pitch, y / pitch));
                }
            }
        }
    }
}

TEST_P(DigitStrips, BlankCellHasNoLitDot) {
    for (const Strip& s : {kLevel, kTime}) EXPECT_EQ(Shape(Load(s), s, 10), 0u) << s.file;
}

TEST_P(DigitStrips, BothStripsShowTheSameTenDistinctDigits) {
    const QImage level = Load(kLevel), time = Load(kTime);
    QSet<std::uint32_t> shapes;
    for (int d = 0; d <= 9; ++d) {
        EXPECT_EQ(Shape(level, kLevel, d), Shape(time, kTime, d)) << "digit " << d;
        EXPECT_NE(Shape(level, kLevel, d), 0u) << "digit " << d;
        shapes.insert(Shape(level, kLevel, d));
    }
    EXPECT_EQ(shapes.size(), 10);
}

TEST_P(DigitStrips, DigitsLookLikeTheirNumbers) {
    // A few features any reader relies on: one is an upright stroke with nothing at its
    // lower left, zero is a ring open in the middle where eight is closed, seven has a bar.
    const QImage level = Load(kLevel);
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

TEST_P(DigitStrips, LevelStripColumnBetweenDigitsAndFacesIsBlack) {
    const QImage strip = Load(kLevel);
    for (int y = 0; y < cellH; ++y) {
        for (int x = 121 * Scale(); x < 122 * Scale(); ++x)
            EXPECT_TRUE(IsBlack(strip.pixel(x, y))) << x << "," << y;
    }
}

TEST_P(DigitStrips, LevelStripFacesAreRoundYellowSmilingAndRedFrowningOnBlack) {
    const QImage strip = Load(kLevel);
    const int s = Scale(), faceW = 13 * s;
    struct Face {
        int x;
        QRgb colour;
        bool smiling;
    };
    for (const Face& f :
         {Face{122 * s, kLevel.lit, true}, Face{135 * s, qRgb(0xFF, 0, 0), false}}) {
        int top = cellH, bottom = -1, left = faceW, right = -1;
        for (int y = 0; y < cellH; ++y) {
            for (int x = 0; x < faceW; ++x) {
                const QRgb c = strip.pixel(f.x + x, y) | 0xFF000000;
                ASSERT_TRUE(c == f.colour || IsBlack(c)) << f.x << ": " << x << "," << y;
                if (c != f.colour) continue;
                top = std::min(top, y);
                bottom = std::max(bottom, y);
                left = std::min(left, x);
                right = std::max(right, x);
            }
        }
        // 13 design pixels round, on rows 3..15.
        EXPECT_EQ(top, 3 * s) << f.x;
        EXPECT_EQ(bottom, 16 * s - 1) << f.x;
        EXPECT_EQ(left, 0) << f.x;
        EXPECT_EQ(right, faceW - 1) << f.x;
        // The mouth: black inside the face below the eyes. A smile's middle hangs lower than
        // its corners; a frown's middle rises above them.
        auto mouthRow = [&](int x) {
            for (int y = 16 * s - 1; y >= 10 * s; --y) {
                const bool inside = (strip.pixel(f.x + x, y + 1) | 0xFF000000) == f.colour;
                if (inside && IsBlack(strip.pixel(f.x + x, y))) return y;
            }
            return -1;
        };
        const int middle = mouthRow(6 * s), corner = mouthRow(3 * s);
        ASSERT_GE(middle, 0) << f.x;
        ASSERT_GE(corner, 0) << f.x;
        if (f.smiling) EXPECT_GT(middle, corner) << "smile";
        else EXPECT_LT(middle, corner) << "frown";
        // Two eyes, level with each other.
        EXPECT_TRUE(IsBlack(strip.pixel(f.x + 4 * s, 8 * s)) &&
                    IsBlack(strip.pixel(f.x + 8 * s, 8 * s)))
            << f.x;
    }
}

INSTANTIATE_AT_BOTH_SCALES(DigitStrips);
