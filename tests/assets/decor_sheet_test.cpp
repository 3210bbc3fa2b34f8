// The decoration tiles: tile 7 is black and never drawn, and pictures larger than one cell
// must not show where their tiles meet, at 1x and, in doubled coordinates, at 2x.
#include <cmath>
#include <gtest/gtest.h>

#include "AssetFiles.h"
#include "DecorLayout.h"

using namespace assettest;

namespace {

// On the two head slabs a chalk drawing runs over the stone and across the seams.
bool Chalked(const DecorPicture& p) {
    return &p == &kDecorPictures[kFirstHeadSlab] || &p == &kDecorPictures[kSecondHeadSlab];
}

// The chalk is far lighter than the brown stone: where it lies, the stone is not measured.
bool IsChalk(QRgb c) { return qGray(c) > 150; }

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

// The picture seen at its design size: each square of scale x scale pixels averaged. A seam is a
// matter of the design; the crisp specks of the 2x art, one of which may happen to lie on the
// seam, are not.
QImage AtDesignSize(const QImage& image, int scale) {
    QImage design(image.size() / scale, QImage::Format_RGB32);
    for (int y = 0; y < design.height(); ++y) {
        for (int x = 0; x < design.width(); ++x) {
            int r = 0, g = 0, b = 0;
            for (int j = 0; j < scale; ++j) {
                for (int i = 0; i < scale; ++i) {
                    const QRgb c = image.pixel(x * scale + i, y * scale + j);
                    r += qRed(c), g += qGreen(c), b += qBlue(c);
                }
            }
            const int n = scale * scale;
            design.setPixel(x, y, qRgb((r + n / 2) / n, (g + n / 2) / n, (b + n / 2) / n));
        }
    }
    return design;
}

class DecorSheet : public ScaledArt {
  protected:
    QImage sheet = LoadPng(At(kDecorSheet.Path));
    int tile = 36 * Scale();
    QImage design = AtDesignSize(sheet, Scale());

    QPoint TileOrigin(int value, int size) const {
        return {size * (value & 7), size * (value >> 3)};
    }
    SeamMeasure Measure(int first, int second, bool below, bool chalked = false) const;
};

SeamMeasure DecorSheet::Measure(int first, int second, bool below, bool chalked) const {
    constexpr int kTile = 36;
    const QPoint a = TileOrigin(first, kTile), b = TileOrigin(second, kTile);
    auto px = [&](QPoint o, int along, int across) {
        return below ? design.pixel(o.x() + across, o.y() + along)
                     : design.pixel(o.x() + along, o.y() + across);
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

}  // namespace

TEST_P(DecorSheet, IsEightByEightTilesInOpaqueTrueColour) {
    EXPECT_EQ(sheet.size(), QSize(288, 288) * Scale());
    const PngHeader h = ReadPngHeader(At(kDecorSheet.Path));
    EXPECT_EQ(h.colourType, 2);
    EXPECT_EQ(h.bitDepth, 8);
}

TEST_P(DecorSheet, TileSevenIsPlainBlack) {
    const QPoint seven = TileOrigin(7, tile);
    for (int y = 0; y < tile; ++y) {
        for (int x = 0; x < tile; ++x)
            ASSERT_TRUE(IsBlack(sheet.pixel(seven.x() + x, seven.y() + y))) << x << "," << y;
    }
}

TEST_P(DecorSheet, EveryOtherTileShowsAPictureNotAPlainColour) {
    for (int v = 0; v < 64; ++v) {
        if (v == 7) continue;
        const QPoint o = TileOrigin(v, tile);
        double sum = 0, sumSq = 0;
        for (int y = 0; y < tile; ++y) {
            for (int x = 0; x < tile; ++x) {
                const double g = qGray(sheet.pixel(o.x() + x, o.y() + y));
                sum += g;
                sumSq += g * g;
            }
        }
        const double n = tile * tile;
        EXPECT_GT(std::sqrt(sumSq / n - (sum / n) * (sum / n)), 4.0) << "tile " << v;
    }
}

TEST_P(DecorSheet, TilesOfOnePictureJoinWithoutASeam) {
    for (const DecorPicture& p : kDecorPictures) {
        for (int r = 0; r < p.Rows; ++r) {
            for (int c = 0; c < p.Columns; ++c) {
                const int v = p.Tile(c, r);
                if (c + 1 < p.Columns) {
                    const SeamMeasure m = Measure(v, p.Tile(c + 1, r), false, Chalked(p));
                    EXPECT_TRUE(Joins(m)) << p.Name << ": " << v << " | " << v + 1 << " seam "
                                          << m.seam << " inside " << m.inside;
                }
                if (r + 1 < p.Rows) {
                    const int below = p.Tile(c, r + 1);
                    const SeamMeasure m = Measure(v, below, true, Chalked(p));
                    EXPECT_TRUE(Joins(m)) << p.Name << ": " << v << " over " << below << " seam "
                                          << m.seam << " inside " << m.inside;
                }
            }
        }
    }
}

TEST_P(DecorSheet, TilesOfDifferentPicturesDoShowASeam) {
    // The measure above must be able to fail: unrelated neighbours are caught by it.
    EXPECT_FALSE(Joins(Measure(48, 49, false)));  // granite | wood
    EXPECT_FALSE(Joins(Measure(2, 3, false)));    // slab edge | strip edge
    EXPECT_FALSE(Joins(Measure(27, 28, false)));  // stone strip | white marble
    EXPECT_FALSE(Joins(Measure(18, 26, true)));   // slab bottom over strip top
}

INSTANTIATE_AT_BOTH_SCALES(DecorSheet);
