// The wet marker strip: everything drawn with it goes through AND with the mask cell and OR
// with a colour cell, which leaves the board alone outside the disc only if these hold. At 2x
// the cells are 24 x 24 and the disc is the same circle drawn rounder.
#include <gtest/gtest.h>

#include <array>
#include <vector>

#include "AssetFiles.h"

using namespace assettest;

namespace {

// The disc's rows from the top, each centred in the cell.
const std::vector<int>& RowWidths(int scale) {
    static const std::vector<int> k1x = {4, 8, 10, 10, 12, 12, 12, 12, 10, 10, 8, 4};
    static const std::vector<int> k2x = {6,  10, 14, 16, 18, 20, 20, 22, 22, 24, 24, 24,
                                         24, 24, 24, 22, 22, 20, 20, 18, 16, 14, 10, 6};
    return scale == 1 ? k1x : k2x;
}

class WetMarkerStrip : public ScaledArt {
  protected:
    QImage strip = LoadPng(At(kWetMarkerStrip.Path));
    int size = 12 * Scale();
    QRgb At(int cell, int x, int y) const { return strip.pixel(cell * size + x, y); }
    using ScaledArt::At;
    bool InDisc(int x, int y) const {
        if (x < 0 || y < 0 || x >= size || y >= size) return false;
        const int half = RowWidths(Scale())[y] / 2;
        return x >= size / 2 - half && x < size / 2 + half;
    }
    int DiscArea() const {
        int area = 0;
        for (int w : RowWidths(Scale())) area += w;
        return area;
    }
};

}  // namespace

TEST_P(WetMarkerStrip, IsEightCellsInOpaqueTrueColour) {
    EXPECT_EQ(strip.size(), QSize(96, 12) * Scale());
    const PngHeader h = ReadPngHeader(At(kWetMarkerStrip.Path));
    EXPECT_EQ(h.colourType, 2);
    EXPECT_EQ(h.bitDepth, 8);
}

TEST_P(WetMarkerStrip, DiscRowsAreCentredAndAsWideAsTheirTable) {
    // At 1x the rows are 4, 8, 10, 10, 12, 12, 12, 12, 10, 10, 8, 4 pixels wide, 112 in all;
    // the 4-pixel rows cover columns 4..7, the 8-pixel rows 2..9.
    int total = 0;
    for (int y = 0; y < size; ++y) {
        int first = -1, last = -1, count = 0;
        for (int x = 0; x < size; ++x) {
            if (IsBlack(At(6, x, y))) {
                if (first < 0) first = x;
                last = x;
                ++count;
            }
        }
        const int width = RowWidths(Scale())[y];
        EXPECT_EQ(count, width) << "row " << y;
        EXPECT_EQ(first, size / 2 - width / 2) << "row " << y;
        EXPECT_EQ(last, size / 2 - 1 + width / 2) << "row " << y;
        total += count;
    }
    EXPECT_EQ(total, Scale() == 1 ? 112 : DiscArea());
}

TEST_P(WetMarkerStrip, MaskIsBlackInsideAndWhiteOutside) {
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            EXPECT_EQ(At(6, x, y) & 0xFFFFFF, InDisc(x, y) ? 0x000000u : 0xFFFFFFu) << x << "," << y;
        }
    }
}

TEST_P(WetMarkerStrip, ColourCellsArePureBlackOutsideTheDisc) {
    for (int cell = 0; cell <= 5; ++cell) {
        for (int y = 0; y < size; ++y) {
            for (int x = 0; x < size; ++x) {
                if (InDisc(x, y)) continue;
                EXPECT_TRUE(IsBlack(At(cell, x, y))) << cell << ": " << x << "," << y;
            }
        }
    }
}

TEST_P(WetMarkerStrip, ColourCellsAreNeverPureBlackInsideTheDisc) {
    for (int cell = 0; cell <= 5; ++cell) {
        for (int y = 0; y < size; ++y) {
            for (int x = 0; x < size; ++x) {
                if (!InDisc(x, y)) continue;
                EXPECT_FALSE(IsBlack(At(cell, x, y))) << cell << ": " << x << "," << y;
            }
        }
    }
}

TEST_P(WetMarkerStrip, DryCellRepeatsTheOpeningOfThePieces) {
    // Shrinking water ends on cell 0, which must leave the opening the piece was drawn with.
    const QImage pieces = LoadPng(At(kPieceSheet.Path));
    const int cell = 36 * Scale(), inset = 12 * Scale();
    for (int kind = 1; kind <= 5; ++kind) {
        for (int f = 0; f < 12; ++f) {
            for (int y = 0; y < size; ++y) {
                for (int x = 0; x < size; ++x) {
                    if (!InDisc(x, y)) continue;
                    ASSERT_EQ(At(0, x, y),
                              pieces.pixel(cell * f + inset + x, cell * (kind - 1) + inset + y))
                        << "kind " << kind << " frame " << f << " at " << x << "," << y;
                }
            }
        }
    }
}

TEST_P(WetMarkerStrip, WaterGrowsFromTheDryOpeningToTheFullWetDisc) {
    auto greenness = [&](int cell) {
        double sum = 0;
        for (int y = 0; y < size; ++y) {
            for (int x = 0; x < size; ++x) {
                const QRgb c = At(cell, x, y);
                if (InDisc(x, y)) sum += qGreen(c) - std::max(qRed(c), qBlue(c));
            }
        }
        return sum / DiscArea();
    };
    EXPECT_LT(greenness(0), 5.0) << "the dry opening has no water";
    for (int cell = 1; cell <= 5; ++cell) EXPECT_GT(greenness(cell), greenness(cell - 1)) << cell;
}

TEST_P(WetMarkerStrip, WetCellIsBrightGreenDarkerAtTheRim) {
    // The rim is the outermost design pixel of the disc, whatever the scale.
    double rim = 0, middle = 0;
    int rimCount = 0, middleCount = 0;
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            if (!InDisc(x, y)) continue;
            const QRgb c = At(5, x, y);
            EXPECT_GT(qGreen(c), qRed(c)) << x << "," << y;
            EXPECT_GT(qGreen(c), qBlue(c)) << x << "," << y;
            bool edge = false;
            for (int d = 1; d <= Scale(); ++d) {
                edge = edge || !InDisc(x - d, y) || !InDisc(x + d, y) || !InDisc(x, y - d) ||
                       !InDisc(x, y + d);
            }
            (edge ? rim : middle) += qGray(c);
            ++(edge ? rimCount : middleCount);
        }
    }
    EXPECT_GT(middle / middleCount, 150);
    EXPECT_LT(rim / rimCount, middle / middleCount);
}

TEST_P(WetMarkerStrip, UnusedCellIsTheDiscInPlainRed) {
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            if (!InDisc(x, y)) continue;
            EXPECT_EQ(At(7, x, y) & 0xFFFFFF, 0xFF1919u) << x << "," << y;
        }
    }
}

INSTANTIATE_AT_BOTH_SCALES(WetMarkerStrip);
