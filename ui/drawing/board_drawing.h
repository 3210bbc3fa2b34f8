// Draws the board, the turn and water animations and the two counters onto retained images,
// one per surface, by copying rectangles out of the sprite sheets.
#pragma once

#include <QImage>

#include "board.h"
#include "progress.h"
#include "sprites.h"

namespace slcy {

// Cell (column, row) has its top-left corner at (36 * column - 14, 36 * row - 14) of the board
// area; its wet marker sits 12 pixels further in, over the piece's opening.
inline QPoint CellOrigin(int column, int row) { return {36 * column - 14, 36 * row - 14}; }
inline QPoint MarkerOrigin(int column, int row) { return CellOrigin(column, row) + QPoint(12, 12); }

class BoardDrawing {
public:
    explicit BoardDrawing(const SpriteSheets& sheets);

    QImage box{500, 333, QImage::Format_RGB32};
    QImage timbox{41, 20, QImage::Format_RGB32};
    QImage levelbox{57, 20, QImage::Format_RGB32};

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

    const SpriteSheets& sheets_;
};

}  // namespace slcy
