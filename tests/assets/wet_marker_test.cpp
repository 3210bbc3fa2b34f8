// The wet marker strip: everything drawn with it goes through AND with the mask cell and OR
// with a colour cell, which leaves the board alone outside the disc only if these hold.
#include <array>
#include <gtest/gtest.h>

#include "AssetFiles.h"

using namespace assettest;

namespace {

constexpr int kMarker = 12;
constexpr std::array<int, 12> kRowWidths = {4, 8, 10, 10, 12, 12, 12, 12, 10, 10, 8, 4};

bool InDisc(int x, int y) {
    const int half = kRowWidths[y] / 2;
    return x >= 6 - half && x < 6 + half;
}

class WetMarkerStrip : public ::testing::Test {
protected:
    QImage strip = LoadPng(kWetMarkerStrip.Path);
    QRgb At(int cell, int x, int y) const { return strip.pixel(cell * kMarker + x, y); }
};

}  // namespace

TEST_F(WetMarkerStrip, IsEightCellsInOpaqueTrueColour) {
    EXPECT_EQ(strip.size(), QSize(96, 12));
    const PngHeader h = ReadPngHeader(kWetMarkerStrip.Path);
    EXPECT_EQ(h.colourType, 2);
    EXPECT_EQ(h.bitDepth, 8);
}

TEST_F(WetMarkerStrip, DiscRowsAreFourEightTenTenTwelveAndBackCentred) {
    // The rows as the mask shows them; 4-pixel rows cover columns 4..7, 8-pixel rows 2..9.
    int total = 0;
    for (int y = 0; y < kMarker; ++y) {
        int first = -1, last = -1, count = 0;
        for (int x = 0; x < kMarker; ++x) {
            if (IsBlack(At(6, x, y))) {
                if (first < 0) first = x;
                last = x;
                ++count;
            }
        }
        EXPECT_EQ(count, kRowWidths[y]) << "row " << y;
        EXPECT_EQ(first, 6 - kRowWidths[y] / 2) << "row " << y;
        EXPECT_EQ(last, 5 + kRowWidths[y] / 2) << "row " << y;
        total += count;
    }
    EXPECT_EQ(total, 112);
}

TEST_F(WetMarkerStrip, MaskIsBlackInsideAndWhiteOutside) {
    for (int y = 0; y < kMarker; ++y) {
        for (int x = 0; x < kMarker; ++x) {
            EXPECT_EQ(At(6, x, y) & 0xFFFFFF, InDisc(x, y) ? 0x000000u : 0xFFFFFFu) << x << "," << y;
        }
    }
}

TEST_F(WetMarkerStrip, ColourCellsArePureBlackOutsideTheDisc) {
    for (int cell = 0; cell <= 5; ++cell) {
        for (int y = 0; y < kMarker; ++y) {
            for (int x = 0; x < kMarker; ++x) {
                if (InDisc(x, y)) continue;
                EXPECT_TRUE(IsBlack(At(cell, x, y))) << cell << ": " << x << "," << y;
            }
        }
    }
}

TEST_F(WetMarkerStrip, ColourCellsAreNeverPureBlackInsideTheDisc) {
    for (int cell = 0; cell <= 5; ++cell) {
        for (int y = 0; y < kMarker; ++y) {
            for (int x = 0; x < kMarker; ++x) {
                if (!InDisc(x, y)) continue;
                EXPECT_FALSE(IsBlack(At(cell, x, y))) << cell << ": " << x << "," << y;
            }
        }
    }
}

TEST_F(WetMarkerStrip, DryCellRepeatsTheOpeningOfThePieces) {
    // Shrinking water ends on cell 0, which must leave the opening the piece was drawn with.
    const QImage pieces = LoadPng(kPieceSheet.Path);
    for (int kind = 1; kind <= 5; ++kind) {
        for (int f = 0; f < 12; ++f) {
            for (int y = 0; y < kMarker; ++y) {
                for (int x = 0; x < kMarker; ++x) {
                    if (!InDisc(x, y)) continue;
                    ASSERT_EQ(At(0, x, y), pieces.pixel(36 * f + 12 + x, 36 * (kind - 1) + 12 + y))
                        << "kind " << kind << " frame " << f << " at " << x << "," << y;
                }
            }
        }
    }
}

TEST_F(WetMarkerStrip, WaterGrowsFromTheDryOpeningToTheFullWetDisc) {
    auto greenness = [&](int cell) {
        double sum = 0;
        for (int y = 0; y < kMarker; ++y) {
            for (int x = 0; x < kMarker; ++x) {
                const QRgb c = At(cell, x, y);
                if (InDisc(x, y)) sum += qGreen(c) - std::max(qRed(c), qBlue(c));
            }
        }
        return sum / 112;
    };
    EXPECT_LT(greenness(0), 5.0) << "the dry opening has no water";
    for (int cell = 1; cell <= 5; ++cell) EXPECT_GT(greenness(cell), greenness(cell - 1)) << cell;
}

TEST_F(WetMarkerStrip, WetCellIsBrightGreenDarkerAtTheRim) {
    double rim = 0, middle = 0;
    int rimCount = 0, middleCount = 0;
    for (int y = 0; y < kMarker; ++y) {
        for (int x = 0; x < kMarker; ++x) {
            if (!InDisc(x, y)) continue;
            const QRgb c = At(5, x, y);
            EXPECT_GT(qGreen(c), qRed(c)) << x << "," << y;
            EXPECT_GT(qGreen(c), qBlue(c)) << x << "," << y;
            const bool edge = !InDisc(x - 1, y) || !InDisc(x + 1, y) || y == 0 || y == 11 ||
                              !InDisc(x, y - 1) || !InDisc(x, y + 1);
            (edge ? rim : middle) += qGray(c);
            ++(edge ? rimCount : middleCount);
        }
    }
    EXPECT_GT(middle / middleCount, 150);
    EXPECT_LT(rim / rimCount, middle / middleCount);
}

TEST_F(WetMarkerStrip, UnusedCellIsTheDiscInPlainRed) {
    for (int y = 0; y < kMarker; ++y) {
        for (int x = 0; x < kMarker; ++x) {
            if (!InDisc(x, y)) continue;
            EXPECT_EQ(At(7, x, y) & 0xFFFFFF, 0xFF1919u) << x << "," << y;
        }
    }
}
