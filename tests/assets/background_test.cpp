// The board background: a plate with a black edge, two black slots under the gauge and the
// level bar, a plain playfield and the title at the upper right, at 2x in doubled coordinates.
#include <cmath>
#include <gtest/gtest.h>

#include "AssetFiles.h"

using namespace assettest;

namespace {

class BoardBackground : public ScaledArt {
  protected:
    QImage plate = LoadPng(At(kBoardBackground.Path));
    int s = Scale();
};

bool IsTitleWhite(QRgb c) { return qRed(c) > 235 && qGreen(c) > 235 && qBlue(c) > 235; }

}  // namespace

TEST_P(BoardBackground, IsTheBoardAreaInOpaqueTrueColour) {
    EXPECT_EQ(plate.size(), QSize(500, 333) * s);
    const PngHeader h = ReadPngHeader(At(kBoardBackground.Path));
    EXPECT_EQ(h.colourType, 2);
    EXPECT_EQ(h.bitDepth, 8);
}

TEST_P(BoardBackground, BothSlotsAreBlack) {
    for (int left : {410, 450}) {
        for (int y = 130 * s; y < 310 * s; ++y) {
            for (int x = left * s; x < (left + 22) * s; ++x) {
                ASSERT_TRUE(IsBlack(plate.pixel(x, y))) << x << "," << y;
            }
        }
    }
}

TEST_P(BoardBackground, BlackBorderRunsRoundAllFourEdges) {
    const int w = plate.width(), h = plate.height();
    for (int i = 0; i < 4 * s; ++i) {
        for (int x = 0; x < w; ++x) {
            ASSERT_TRUE(IsBlack(plate.pixel(x, i))) << x << "," << i;
            ASSERT_TRUE(IsBlack(plate.pixel(x, h - 1 - i))) << x << "," << h - 1 - i;
        }
        for (int y = 0; y < h; ++y) {
            ASSERT_TRUE(IsBlack(plate.pixel(i, y))) << i << "," << y;
            ASSERT_TRUE(IsBlack(plate.pixel(w - 1 - i, y))) << w - 1 - i << "," << y;
        }
    }
}

TEST_P(BoardBackground, PlayfieldIsPlatePlainOfLines) {
    // A grid line, or any line, would make one column (or row) of the playfield stand apart
    // from both its neighbours all along its length.
    const int left = 22 * s, right = 382 * s - 1, top = 22 * s, bottom = 310 * s - 1;
    auto columnMean = [&](int x) {
        double sum = 0;
        for (int y = top; y <= bottom; ++y) sum += qGray(plate.pixel(x, y));
        return sum / (bottom - top + 1);
    };
    auto rowMean = [&](int y) {
        double sum = 0;
        for (int x = left; x <= right; ++x) sum += qGray(plate.pixel(x, y));
        return sum / (right - left + 1);
    };
    for (int x = left + 1; x < right; ++x) {
        EXPECT_LT(std::fabs(columnMean(x) - (columnMean(x - 1) + columnMean(x + 1)) / 2), 4.0) << "x " << x;
    }
    for (int y = top + 1; y < bottom; ++y) {
        EXPECT_LT(std::fabs(rowMean(y) - (rowMean(y - 1) + rowMean(y + 1)) / 2), 4.0) << "y " << y;
    }
    for (int y = top; y <= bottom; ++y) {
        for (int x = left; x <= right; ++x) {
            ASSERT_FALSE(IsBlack(plate.pixel(x, y))) << x << "," << y;
            ASSERT_FALSE(IsTitleWhite(plate.pixel(x, y))) << x << "," << y;
        }
    }
}

TEST_P(BoardBackground, TitleLetteringStaysInsideItsBox) {
    int inside = 0;
    for (int y = 0; y < plate.height(); ++y) {
        for (int x = 0; x < plate.width(); ++x) {
            if (!IsTitleWhite(plate.pixel(x, y))) continue;
            const bool inBox = x >= 400 * s && x < 485 * s && y >= 22 * s && y < 108 * s;
            EXPECT_TRUE(inBox) << "white at " << x << "," << y;
            inside += inBox;
        }
    }
    EXPECT_GT(inside, 300 * s * s) << "three lines of bold white letters";
}

TEST_P(BoardBackground, TitleGlowsRed) {
    int red = 0;
    for (int y = 22 * s; y < 108 * s; ++y) {
        for (int x = 400 * s; x < 485 * s; ++x) {
            const QRgb c = plate.pixel(x, y);
            red += qRed(c) > 180 && qGreen(c) < 110 && qBlue(c) < 110;
        }
    }
    EXPECT_GT(red, 150 * s * s);
}

INSTANTIATE_AT_BOTH_SCALES(BoardBackground);
