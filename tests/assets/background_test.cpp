// The board background: a plate with a black edge, two black slots under the gauge and the
// level bar, a plain playfield and the title at the upper right.
#include <cmath>
#include <gtest/gtest.h>

#include "AssetFiles.h"

using namespace assettest;

namespace {

class BoardBackground : public ::testing::Test {
protected:
    QImage plate = LoadPng(kBoardBackground.Path);
};

bool IsTitleWhite(QRgb c) { return qRed(c) > 235 && qGreen(c) > 235 && qBlue(c) > 235; }

}  // namespace

TEST_F(BoardBackground, IsTheBoardAreaInOpaqueTrueColour) {
    EXPECT_EQ(plate.size(), QSize(500, 333));
    const PngHeader h = ReadPngHeader(kBoardBackground.Path);
    EXPECT_EQ(h.colourType, 2);
    EXPECT_EQ(h.bitDepth, 8);
}

TEST_F(BoardBackground, BothSlotsAreBlack) {
    for (int left : {410, 450}) {
        for (int y = 130; y <= 309; ++y) {
            for (int x = left; x < left + 22; ++x) {
                ASSERT_TRUE(IsBlack(plate.pixel(x, y))) << x << "," << y;
            }
        }
    }
}

TEST_F(BoardBackground, BlackBorderRunsRoundAllFourEdges) {
    for (int i = 0; i < 4; ++i) {
        for (int x = 0; x < 500; ++x) {
            ASSERT_TRUE(IsBlack(plate.pixel(x, i))) << x << "," << i;
            ASSERT_TRUE(IsBlack(plate.pixel(x, 332 - i))) << x << "," << 332 - i;
        }
        for (int y = 0; y < 333; ++y) {
            ASSERT_TRUE(IsBlack(plate.pixel(i, y))) << i << "," << y;
            ASSERT_TRUE(IsBlack(plate.pixel(499 - i, y))) << 499 - i << "," << y;
        }
    }
}

TEST_F(BoardBackground, PlayfieldIsPlatePlainOfLines) {
    // A grid line, or any line, would make one column (or row) of the playfield stand apart
    // from both its neighbours all along its length.
    auto columnMean = [&](int x) {
        double s = 0;
        for (int y = 22; y <= 309; ++y) s += qGray(plate.pixel(x, y));
        return s / 288;
    };
    auto rowMean = [&](int y) {
        double s = 0;
        for (int x = 22; x <= 381; ++x) s += qGray(plate.pixel(x, y));
        return s / 360;
    };
    for (int x = 23; x < 381; ++x) {
        EXPECT_LT(std::fabs(columnMean(x) - (columnMean(x - 1) + columnMean(x + 1)) / 2), 4.0) << "x " << x;
    }
    for (int y = 23; y < 309; ++y) {
        EXPECT_LT(std::fabs(rowMean(y) - (rowMean(y - 1) + rowMean(y + 1)) / 2), 4.0) << "y " << y;
    }
    for (int y = 22; y <= 309; ++y) {
        for (int x = 22; x <= 381; ++x) {
            ASSERT_FALSE(IsBlack(plate.pixel(x, y))) << x << "," << y;
            ASSERT_FALSE(IsTitleWhite(plate.pixel(x, y))) << x << "," << y;
        }
    }
}

TEST_F(BoardBackground, TitleLetteringStaysInsideItsBox) {
    int inside = 0;
    for (int y = 0; y < 333; ++y) {
        for (int x = 0; x < 500; ++x) {
            if (!IsTitleWhite(plate.pixel(x, y))) continue;
            const bool inBox = x >= 400 && x <= 484 && y >= 22 && y <= 107;
            EXPECT_TRUE(inBox) << "white at " << x << "," << y;
            inside += inBox;
        }
    }
    EXPECT_GT(inside, 300) << "three lines of bold white letters";
}

TEST_F(BoardBackground, TitleGlowsRed) {
    int red = 0;
    for (int y = 22; y <= 107; ++y) {
        for (int x = 400; x <= 484; ++x) {
            const QRgb c = plate.pixel(x, y);
            red += qRed(c) > 180 && qGreen(c) < 110 && qBlue(c) < 110;
        }
    }
    EXPECT_GT(red, 150);
}
