// The decoration tiles: tile 7 is black and never drawn, and pictures larger than one cell
// must not show where their tiles meet.
#include <cmath>
#include <gtest/gtest.h>

#include "AssetFiles.h"
#include "DecorLayout.h"

using namespace assettest;

namespace {

constexpr int kTile = 36;

// On the two head slabs a chalk drawing runs over the stone and across the seams.
bool Chalked(const DecorPicture& p) {
    return &p == &kDecorPictures[kFirstHeadSlab] || &p == &kDecorPictures[kSecondHeadSlab];
}

// The chalk is far lighter than the brown stone: where it lies, the stone is not measured.
bool IsChalk(QRgb c) { return qGray(c) > 150; }

QPoint TileOrigin(int value) { return {kTile * (value & 7), kTile * (value >> 3)}; }

double Step(QRgb a, QRgb b) {
    return (std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) +
            std::abs(qBlue(a) - qBlue(b))) / 3.0;
}

// Mean colour step across the seam where tile `first` meets tile `second` (to its right, or
// below it when `below`), and the mean step between neighbouring pixels inside the two tiles
// in the same direction, away from their outer edges where a picture's frame may be.
struct SeamMeasure {
    double seam = 0, inside = 0;
};

SeamMeasure Measure(const QImage& sheet, int first, int second, bool below, bool chalked = false) {
    const QPoint a = TileOrigin(first), b = TileOrigin(second);
    auto px = [&](QPoint o, int along, int across) {
        return below ? sheet.pixel(o.x() + across, o.y() + along)
                     : sheet.pixel(o.x() + along, o.y() + across);
    };
    SeamMeasure m;
    int seamCount = 0, insideCount = 0;
    auto step = [&](QRgb p, QRgb q, double& sum, int& count) {
        if (chalked && (IsChalk(p) || IsChalk(q))) return;
        sum += Step(p, q);
        ++count;
    };
    for (int across = 4; across < kTile - 4; ++across) {
        step(px(a, kTile - 1, across), px(b, 0, across), m.seam, seamCount);
        for (int along = 0; along < kTile - 9; ++along) {
            step(px(a, along + 8, across), px(a, along + 9, across), m.inside, insideCount);
            step(px(b, along, across), px(b, along + 1, across), m.inside, insideCount);
        }
    }
    m.seam /= seamCount;
    m.inside /= insideCount;
    return m;
}

bool Joins(const SeamMeasure& m) { return m.seam <= 1.6 * m.inside + 3.0; }

class DecorSheet : public ::testing::Test {
protected:
    QImage sheet = LoadPng(kDecorSheet.Path);
};

}  // namespace

TEST_F(DecorSheet, IsEightByEightTilesInOpaqueTrueColour) {
    EXPECT_EQ(sheet.size(), QSize(288, 288));
    const PngHeader h = ReadPngHeader(kDecorSheet.Path);
    EXPECT_EQ(h.colourType, 2);
    EXPECT_EQ(h.bitDepth, 8);
}

TEST_F(DecorSheet, TileSevenIsPlainBlack) {
    for (int y = 0; y < kTile; ++y) {
        for (int x = 0; x < kTile; ++x) ASSERT_TRUE(IsBlack(sheet.pixel(252 + x, y))) << x << "," << y;
    }
}

TEST_F(DecorSheet, EveryOtherTileShowsAPictureNotAPlainColour) {
    for (int v = 0; v < 64; ++v) {
        if (v == 7) continue;
        const QPoint o = TileOrigin(v);
        double sum = 0, sumSq = 0;
        for (int y = 0; y < kTile; ++y) {
            for (int x = 0; x < kTile; ++x) {
                const double g = qGray(sheet.pixel(o.x() + x, o.y() + y));
                sum += g;
                sumSq += g * g;
            }
        }
        const double n = kTile * kTile;
        EXPECT_GT(std::sqrt(sumSq / n - (sum / n) * (sum / n)), 4.0) << "tile " << v;
    }
}

TEST_F(DecorSheet, TilesOfOnePictureJoinWithoutASeam) {
    for (const DecorPicture& p : kDecorPictures) {
        for (int r = 0; r < p.Rows; ++r) {
            for (int c = 0; c < p.Columns; ++c) {
                const int v = p.Tile(c, r);
                if (c + 1 < p.Columns) {
                    const SeamMeasure m = Measure(sheet, v, p.Tile(c + 1, r), false, Chalked(p));
                    EXPECT_TRUE(Joins(m)) << p.Name << ": " << v << " | " << v + 1 << " seam "
                                          << m.seam << " inside " << m.inside;
                }
                if (r + 1 < p.Rows) {
                    const int below = p.Tile(c, r + 1);
                    const SeamMeasure m = Measure(sheet, v, below, true, Chalked(p));
                    EXPECT_TRUE(Joins(m)) << p.Name << ": " << v << " over " << below << " seam "
                                          << m.seam << " inside " << m.inside;
                }
            }
        }
    }
}

TEST_F(DecorSheet, TilesOfDifferentPicturesDoShowASeam) {
    // The measure above must be able to fail: unrelated neighbours are caught by it.
    EXPECT_FALSE(Joins(Measure(sheet, 48, 49, false)));  // granite | wood
    EXPECT_FALSE(Joins(Measure(sheet, 2, 3, false)));    // slab edge | strip edge
    EXPECT_FALSE(Joins(Measure(sheet, 27, 28, false)));  // stone strip | white marble
    EXPECT_FALSE(Joins(Measure(sheet, 18, 26, true)));   // slab bottom over strip top
}
