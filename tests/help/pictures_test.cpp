// helppics: the help pages' pictures are cut from the art exactly as the game draws it.
#include "pictures.h"

#include <gtest/gtest.h>

#include <QImage>

#include "board_layout.h"
#include "sprites.h"

namespace slcy::helppics {
namespace {

// The pieces come from the 1x or the 2x art, which the pictures tell apart by their size.
class HelpPicturesOfPieces : public ::testing::TestWithParam<int> {
  protected:
    int scale = GetParam();
    int cell = kCellSize * scale;

    // A piece sheet whose every frame is filled with a colour naming its column and row.
    QImage NumberedSheet() const {
        QImage sheet(12 * cell, 5 * cell, QImage::Format_RGB32);
        for (int row = 0; row < 5; ++row)
            for (int column = 0; column < 12; ++column)
                for (int y = 0; y < cell; ++y)
                    for (int x = 0; x < cell; ++x)
                        sheet.setPixel(column * cell + x, row * cell + y, qRgb(column, row, 7));
        return sheet;
    }
};

TEST_P(HelpPicturesOfPieces, ARestingPieceIsFrameThreeTimesItsOrientationInTheRowOfItsKind) {
    const QImage tee = RestingPiece(NumberedSheet(), 4, 2);
    ASSERT_EQ(tee.size(), QSize(cell, cell));
    EXPECT_EQ(tee.pixel(0, 0), qRgb(6, 3, 7));
    EXPECT_EQ(tee.pixel(cell - 1, cell - 1), qRgb(6, 3, 7));
    EXPECT_EQ(RestingPiece(NumberedSheet(), 1, 0).pixel(5, 5), qRgb(0, 0, 7));
    EXPECT_EQ(RestingPiece(NumberedSheet(), 5, 3).pixel(5, 5), qRgb(9, 4, 7));
}

TEST_P(HelpPicturesOfPieces, AWetPieceChangesOnlyTheDiscOverItsOpening) {
    QImage piece(cell, cell, QImage::Format_RGB32);
    piece.fill(qRgb(200, 190, 170));
    // A strip whose disc is the single pixel (5, 6) of each cell.
    const int size = kMarkerSize * scale;
    QImage markers(8 * size, size, QImage::Format_RGB32);
    markers.fill(qRgb(0, 0, 0));
    for (int x = kMarkerMask * size; x < (kMarkerMask + 1) * size; ++x)
        for (int y = 0; y < size; ++y) markers.setPixel(x, y, qRgb(255, 255, 255));
    markers.setPixel(kMarkerMask * size + 5, 6, qRgb(0, 0, 0));
    markers.setPixel(kWetMarker * size + 5, 6, qRgb(40, 250, 60));

    const QImage wet = WetPiece(piece, markers);
    const int inset = kMarkerInset * scale;
    for (int y = 0; y < cell; ++y)
        for (int x = 0; x < cell; ++x) {
            const bool disc = x == inset + 5 && y == inset + 6;
            EXPECT_EQ(wet.pixel(x, y), disc ? qRgb(40, 250, 60) : qRgb(200, 190, 170))
                << x << "," << y;
        }
}

INSTANTIATE_TEST_SUITE_P(Art, HelpPicturesOfPieces, ::testing::Values(1, 2));

TEST(HelpPictures, AGlyphShowsItsFirstImageWithTheKeyColourTransparent) {
    // Two 2 x 2 images side by side; the key colour is the lower-left pixel.
    QImage glyph(4, 2, QImage::Format_RGB32);
    glyph.fill(qRgb(10, 20, 30));
    glyph.setPixel(0, 1, qRgb(0, 255, 255));
    glyph.setPixel(1, 0, qRgb(0, 255, 255));
    glyph.setPixel(2, 0, qRgb(99, 99, 99));

    const QImage picture = GlyphPicture(glyph, 2);
    ASSERT_EQ(picture.size(), QSize(2, 2));
    EXPECT_EQ(qAlpha(picture.pixel(0, 1)), 0);
    EXPECT_EQ(qAlpha(picture.pixel(1, 0)), 0);
    EXPECT_EQ(picture.pixel(0, 0), qRgb(10, 20, 30));
    EXPECT_EQ(picture.pixel(1, 1), qRgb(10, 20, 30));
}

TEST(HelpPictures, PicturesInARowStandSideBySide) {
    QImage a(3, 2, QImage::Format_ARGB32);
    a.fill(qRgb(1, 1, 1));
    QImage b(4, 5, QImage::Format_ARGB32);
    b.fill(qRgb(2, 2, 2));
    const QImage row = Row({a, b});
    ASSERT_EQ(row.size(), QSize(7, 5));
    EXPECT_EQ(row.pixel(2, 1), qRgb(1, 1, 1));
    EXPECT_EQ(row.pixel(3, 4), qRgb(2, 2, 2));
    EXPECT_EQ(qAlpha(row.pixel(0, 4)), 0);
}

}  // namespace
}  // namespace slcy::helppics
