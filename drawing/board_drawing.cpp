#include "board_drawing.h"

namespace slcy {

namespace {
constexpr int kDigitWidth = 11, kDigitHeight = 20;
constexpr int kBlankDigit = 10;
constexpr int kSolvedFaceX = 122, kUnsolvedFaceX = 135, kFaceWidth = 13;

// The cell-sized square at `column`, `row` (from 0) of a sheet of cell-sized pictures.
QRect SheetSquare(int column, int row) {
    return {kCellSize * column, kCellSize * row, kCellSize, kCellSize};
}

// In the sheets' format: three bytes a pixel, which copies and raster operations treat exactly
// as they treat the sheets.
QImage BlackSurface(QSize size, int scale) {
    QImage surface(size * scale, QImage::Format_RGB888);
    surface.fill(Qt::black);
    return surface;
}
}  // namespace

BoardDrawing::BoardDrawing(const SpriteSheets& sheets)
    : box(BlackSurface({kBoardWidth, kBoardHeight}, sheets.scale())),
      timbox(BlackSurface({41, 20}, sheets.scale())),
      levelbox(BlackSurface({57, 20}, sheets.scale())),
      sheets_(sheets) {}

void BoardDrawing::Copy(QImage& target, QPoint at, SpriteSheet sheet, QRect source, RasterOp op) {
    const int s = scale();
    CopyRect(target, at * s, sheets_[sheet], QRect(source.topLeft() * s, source.size() * s), op);
}

void BoardDrawing::DrawBackground() {
    Copy(box, {0, 0}, BoardBackground, {0, 0, kBoardWidth, kBoardHeight}, RasterOp::Copy);
}

void BoardDrawing::DrawWetMarker(int column, int row, int markerFrame) {
    DrawMarker(box, MarkerOrigin(column, row) * scale(), sheets_[WetMarkerStrip], markerFrame,
               scale());
}

void BoardDrawing::DrawPiecePicture(const BoardState& board, int column, int row, int kind,
                                    int frame) {
    const QPoint at = CellOrigin(column, row);
    const bool wet = board.Wet(column, row);
    if (kind >= kEndPiece && kind <= kCross) {
        Copy(box, at, PieceSheet, SheetSquare(frame, kind - 1), RasterOp::Copy);
        if (wet) DrawWetMarker(column, row, kWetMarker);
        return;
    }
    // A piece without openings has no picture of its own: the background with a lone opening,
    // dry or wet, shows that something stands there.
    Copy(box, at, BoardBackground, CellRect(column, row), RasterOp::Copy);
    DrawWetMarker(column, row, wet ? kWetMarker : kDryMarker);
}

void BoardDrawing::DrawCell(const BoardState& board, int column, int row) {
    const TileCode t = board.Piece(column, row);
    const QPoint at = CellOrigin(column, row);
    if (t != kEmptyCell) {
        DrawPiecePicture(board, column, row, KindOf(t), 3 * OrientationOf(t));
        return;
    }
    const int d = board.Decor(column, row);
    if (d == kDecorBackground || d >= kDecorTileCount) {
        Copy(box, at, BoardBackground, CellRect(column, row), RasterOp::Copy);
    } else {
        Copy(box, at, DecorSheet, SheetSquare(d & 7, d >> 3), RasterOp::Copy);
    }
}

void BoardDrawing::DrawTurnFrame(const BoardState& board, int column, int row, int kind,
                                 int frame) {
    DrawPiecePicture(board, column, row, kind, frame);
}

// Three digits, leading zeros blank; the units digit always shows. Of a value above 999 only
// the last three digits show.
void BoardDrawing::PaintDigits(QImage& counter, SpriteSheet strip, int value) {
    unsigned v = static_cast<unsigned>(value);
    int digits[3];
    for (int i = 2; i >= 0; --i) {
        digits[i] = static_cast<int>(v % 10);
        v /= 10;
    }
    bool leading = true;
    for (int i = 0; i < 3; ++i) {
        if (digits[i] != 0) leading = false;
        const int cell = digits[i] == 0 && leading && i < 2 ? kBlankDigit : digits[i];
        Copy(counter, {13 * i, 0}, strip, {kDigitWidth * cell, 0, kDigitWidth, kDigitHeight},
             RasterOp::Copy);
    }
}

void BoardDrawing::PaintTime(int timeLeft) { PaintDigits(timbox, TimeDigitStrip, timeLeft); }

void BoardDrawing::PaintLevel(int level, bool solved) {
    PaintDigits(levelbox, LevelDigitStrip, level);
    Copy(levelbox, {42, 0}, LevelDigitStrip,
         {solved ? kSolvedFaceX : kUnsolvedFaceX, 0, kFaceWidth, kDigitHeight}, RasterOp::Copy);
}

}  // namespace slcy
