#include "board_drawing.h"

#include <sys/mman.h>

#include <cstddef>

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
// as they treat the sheets. Black is all zero bytes, and pages fresh from the system are zero:
// asked for mapped at once, the board's half megabyte is ready in a tenth of the time that
// touching it page by page takes, each first touch being a trip into the kernel.
QImage BlackSurface(QSize size, int scale) {
    size *= scale;
    struct Mapping {
        void* start;
        std::size_t bytes;
    };
    // Each row starts 32-bit aligned, as in an image Qt allocates itself.
    const qsizetype rowBytes = (qsizetype(size.width()) * 3 + 3) / 4 * 4;
    const auto bytes = static_cast<std::size_t>(rowBytes * size.height());
    void* start = mmap(nullptr, bytes, PROT_READ | PROT_WRITE,
                       MAP_PRIVATE | MAP_ANONYMOUS | MAP_POPULATE, -1, 0);
    if (start == MAP_FAILED) {
        QImage surface(size, QImage::Format_RGB888);
        surface.fill(Qt::black);
        return surface;
    }
    auto release = [](void* info) {
        const auto* mapping = static_cast<Mapping*>(info);
        munmap(mapping->start, mapping->bytes);
        delete mapping;
    };
    return QImage(static_cast<uchar*>(start), size.width(), size.height(), rowBytes,
                  QImage::Format_RGB888, release, new Mapping{start, bytes});
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
