// Draws the board, the turn and water animations and the two counters onto retained images,
// one per surface, by copying rectangles out of the sprite sheets. With the art at twice the
// size the images have twice the pixels, and every place is at twice its coordinates: the
// same rules compose the same board, finer.
#pragma once

#include <QImage>

#include "board.h"
#include "board_layout.h"
#include "progress.h"
#include "sprites.h"

namespace slcy {

inline QPoint CellOrigin(int column, int row) { return {CellLeft(column), CellTop(row)}; }
inline QRect CellRect(int column, int row) { return {CellOrigin(column, row), QSize(kCellSize, kCellSize)}; }
inline QPoint MarkerOrigin(int column, int row) { return {MarkerLeft(column), MarkerTop(row)}; }

class BoardDrawing {
public:
    explicit BoardDrawing(const SpriteSheets& sheets);

    // The pixels of the surfaces: the board area, the time counter, the level counter.
    QImage box;
    QImage timbox;
    QImage levelbox;
    // Pixels per pixel of the board's layout: the sheets' scale.
    int scale() const { return sheets_.scale(); }

    void DrawBackground();
    void DrawCell(const BoardState& board, int column, int row);
    void DrawTurnFrame(const BoardState& board, int column, int row, int kind, int frame);
    // Marker frame 0 (the dry opening) .. 5 (the full wet disc).
    void DrawWetMarker(int column, int row, int markerFrame);

    void PaintTime(int timeLeft);
    void PaintLevel(int level, bool solved);

private:
    void DrawPiecePicture(const BoardState& board, int column, int row, int kind, int frame);
    void PaintDigits(QImage& counter, SpriteSheet strip, int value);
    // Copies `source` of a sheet to `at` of a surface, both in the layout's coordinates.
    void Copy(QImage& target, QPoint at, SpriteSheet sheet, QRect source, RasterOp op);

    const SpriteSheets& sheets_;
};

}  // namespace slcy
