// The board and the counters are copies out of the sprite sheets, put together with copy,
// AND and OR: checked here pixel by pixel against a composition done by hand, with the art at
// its size and at twice the size.
#include "board_drawing.h"

#include <gtest/gtest.h>

#include <QResource>

#include "AssetPaths.h"
#include "TwiceSizeArt.h"
#include "art_files.h"
#include "sprites.h"

namespace slcy {
namespace {

// The art at `scale`, the 2x art registered from beside the program first.
int ArtAt(int scale) {
    if (scale == 2) {
        EXPECT_TRUE(assets::RegisterTwiceSizeArt(QStringLiteral(SLCY_BIN_DIR)));
    }
    return scale;
}

class Drawing : public ::testing::Test {
protected:
    explicit Drawing(int scale = 1) : sheets(ArtAt(scale)), s(scale) {}

    SpriteSheets sheets;
    BoardDrawing drawing{sheets};
    BoardState board;
    const int s;  // pixels per pixel of the layout

    QRgb Sheet(SpriteSheet n, int x, int y) const { return sheets[n].pixel(x, y) | 0xFF000000; }
    QRgb Box(int x, int y) const { return drawing.box.pixel(x, y) | 0xFF000000; }

    // What pixel x, y (of the art's scale) of a cell must be: the piece frame or tile, with the
    // marker ANDed and ORed in, all places in the layout's coordinates times the scale.
    QRgb Expected(int column, int row, int x, int y) const {
        const TileCode t = board.Piece(column, row);
        const QPoint at = CellOrigin(column, row) * s;
        const int dx = x - at.x(), dy = y - at.y();
        const int cell = kCellSize * s, marker = kMarkerSize * s;
        if (t == kEmptyCell) {
            const int d = board.Decor(column, row);
            if (d == kDecorBackground) return Sheet(BoardBackground, x, y);
            return Sheet(DecorSheet, cell * (d & 7) + dx, cell * (d >> 3) + dy);
        }
        QRgb p = Sheet(PieceSheet, 3 * cell * OrientationOf(t) + dx, cell * (KindOf(t) - 1) + dy);
        const int mx = dx - kMarkerInset * s, my = dy - kMarkerInset * s;
        if (board.Wet(column, row) && mx >= 0 && mx < marker && my >= 0 && my < marker)
            p = (p & Sheet(WetMarkerStrip, 6 * marker + mx, my)) | Sheet(WetMarkerStrip, 5 * marker + mx, my);
        return p | 0xFF000000;
    }
};

class DrawingAtEitherScale : public Drawing, public ::testing::WithParamInterface<int> {
protected:
    DrawingAtEitherScale() : Drawing(GetParam()) {}
};
INSTANTIATE_TEST_SUITE_P(Art, DrawingAtEitherScale, ::testing::Values(1, 2),
                         [](const auto& scale) { return "AtScale" + std::to_string(scale.param); });

TEST_P(DrawingAtEitherScale, BoardAfterAStartIsTheCompositionOfTheSheets) {
    for (int i = 0; i < kCellCount; ++i) board.DecorGrid[i] = static_cast<std::uint8_t>(i % 64);
    board.DecorGrid[CellIndex(2, 2)] = kDecorBackground;
    board.PieceGrid[CellIndex(1, 1)] = MakeTile(kEndPiece, 0);
    board.PieceGrid[CellIndex(2, 1)] = MakeTile(kStraight, 2);
    board.PieceGrid[CellIndex(5, 5)] = MakeTile(kTee, 3);
    board.PieceGrid[CellIndex(10, 8)] = MakeTile(kCross, 1);
    board.PieceGrid[CellIndex(7, 3)] = MakeTile(kBend, 2);
    board.WetGrid[CellIndex(1, 1)] = 1;
    board.WetGrid[CellIndex(2, 1)] = 1;
    board.WetGrid[CellIndex(10, 8)] = 1;

    drawing.DrawBackground();
    ForEachCell([&](int c, int r) { drawing.DrawCell(board, c, r); });

    ASSERT_EQ(drawing.box.size(), QSize(kBoardWidth, kBoardHeight) * s);
    int wrong = 0;
    ForEachCell([&](int c, int r) {
        const QPoint at = CellOrigin(c, r) * s;
        for (int y = at.y(); y < at.y() + kCellSize * s; ++y)
            for (int x = at.x(); x < at.x() + kCellSize * s; ++x)
                wrong += Box(x, y) != Expected(c, r, x, y);
    });
    EXPECT_EQ(wrong, 0);
    // Outside the cells the background shows untouched.
    for (const QPoint p : {QPoint(0, 0), QPoint(450, 200), QPoint(21, 21)})
        EXPECT_EQ(Box(p.x() * s + s - 1, p.y() * s), Sheet(BoardBackground, p.x() * s + s - 1, p.y() * s));
}

TEST_F(Drawing, CellOneOneAndItsMarkerSitAt22And34) {
    EXPECT_EQ(CellOrigin(1, 1), QPoint(22, 22));
    EXPECT_EQ(MarkerOrigin(1, 1), QPoint(34, 34));
    EXPECT_EQ(CellOrigin(10, 8), QPoint(346, 274));
    EXPECT_EQ(MarkerOrigin(10, 8), QPoint(358, 286));
}

TEST_F(Drawing, MarkerChangesOnlyTheDiscOfTheCell) {
    drawing.DrawBackground();
    const QImage before = drawing.box.copy();
    drawing.DrawWetMarker(3, 3, 2);
    const QPoint m = MarkerOrigin(3, 3);
    for (int y = 0; y < 333; ++y)
        for (int x = 0; x < 500; ++x) {
            const bool inside = QRect(m, QSize(12, 12)).contains(x, y);
            if (!inside) {
                ASSERT_EQ(drawing.box.pixel(x, y), before.pixel(x, y)) << x << "," << y;
            }
        }
}

TEST_F(Drawing, PiecesWithoutAPictureReadNothingOutsideTheSheets) {
    drawing.DrawBackground();
    board.PieceGrid[CellIndex(4, 4)] = 6;
    board.PieceGrid[CellIndex(5, 4)] = 31;
    board.PieceGrid[CellIndex(6, 4)] = 16;
    board.DecorGrid[CellIndex(7, 4)] = 200;
    ForEachCell([&](int c, int r) { drawing.DrawCell(board, c, r); });
    drawing.DrawTurnFrame(board, 4, 4, 6, 5);
    // The cell shows the background with the dry opening in its middle.
    const QPoint at = CellOrigin(4, 4);
    EXPECT_EQ(Box(at.x(), at.y()), Sheet(BoardBackground, at.x(), at.y()));
    EXPECT_EQ(Box(at.x() + 18, at.y() + 18), (Sheet(BoardBackground, at.x() + 18, at.y() + 18) &
                                             Sheet(WetMarkerStrip, 72 + 6, 6)) |
                                                Sheet(WetMarkerStrip, 6, 6));
    const QPoint d = CellOrigin(7, 4);
    EXPECT_EQ(Box(d.x() + 5, d.y() + 5), Sheet(BoardBackground, d.x() + 5, d.y() + 5));
}

// Which strip cell stands at each of the three digit places of a counter.
std::vector<int> CounterCells(const QImage& counter, const QImage& strip) {
    std::vector<int> cells;
    for (int place = 0; place < 3; ++place) {
        int found = -1;
        for (int cell = 0; cell <= 10 && found < 0; ++cell) {
            bool same = true;
            for (int y = 0; y < 20 && same; ++y)
                for (int x = 0; x < 11 && same; ++x)
                    same = counter.pixel(13 * place + x, y) == strip.pixel(11 * cell + x, y);
            if (same) found = cell;
        }
        cells.push_back(found);
    }
    return cells;
}

TEST_F(Drawing, TimeCounterBlanksLeadingZerosButNeverTheUnits) {
    const QImage& strip = sheets[TimeDigitStrip];
    drawing.PaintTime(0);
    EXPECT_EQ(CounterCells(drawing.timbox, strip), (std::vector<int>{10, 10, 0}));
    drawing.PaintTime(40);
    EXPECT_EQ(CounterCells(drawing.timbox, strip), (std::vector<int>{10, 4, 0}));
    drawing.PaintTime(305);
    EXPECT_EQ(CounterCells(drawing.timbox, strip), (std::vector<int>{3, 0, 5}));
    drawing.PaintTime(320);
    EXPECT_EQ(CounterCells(drawing.timbox, strip), (std::vector<int>{3, 2, 0}));
}

TEST_F(Drawing, LevelCounterShowsTheNumberAndTheFace) {
    const QImage& strip = sheets[LevelDigitStrip];
    auto face_is = [&](int x0) {
        for (int y = 0; y < 20; ++y)
            for (int x = 0; x < 13; ++x)
                if (drawing.levelbox.pixel(42 + x, y) != strip.pixel(x0 + x, y)) return false;
        return true;
    };
    drawing.PaintLevel(7, true);
    EXPECT_EQ(CounterCells(drawing.levelbox, strip), (std::vector<int>{10, 10, 7}));
    EXPECT_TRUE(face_is(122));
    drawing.PaintLevel(100, false);
    EXPECT_EQ(CounterCells(drawing.levelbox, strip), (std::vector<int>{1, 0, 0}));
    EXPECT_TRUE(face_is(135));
}

// Every picture at both scales has the pixels of Qt's own reading of its committed PNG file. At the
// usual scale they are the plain pixels compiled in, used where they lie; a picture that is not
// there is a null image, quietly.
TEST(ArtFiles, EveryPictureReadsAsQtReadsItTheUsualScaleInPlace) {
    ArtAt(2);
    for (int scale : {1, 2}) {
        for (const std::string& resource : assets::ArtAtScale(scale)) {
            const QImage read = ReadArt(resource);
            const QImage qt =
                QImage(SLCY_ASSET_DIR "/" + QString::fromStdString(assets::FileOf(resource)));
            ASSERT_FALSE(read.isNull()) << resource;
            EXPECT_EQ(read.convertToFormat(QImage::Format_ARGB32),
                      qt.convertToFormat(QImage::Format_ARGB32))
                << resource;
            if (scale != 1) continue;
            const QResource plain(QString::fromStdString(assets::PlainPixelsPath(resource)));
            const uchar* pixels = read.constBits();
            EXPECT_TRUE(pixels > plain.data() && pixels < plain.data() + plain.size()) << resource;
        }
    }
    EXPECT_TRUE(ReadArt(":/sprites/missing.png").isNull());
}

}  // namespace
}  // namespace slcy
