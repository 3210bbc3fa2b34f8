// Draws the board, the turn and water animations and the two counters onto retained images,
// one per surface, by copying rectangles out of the sprite sheets.
#pragma once

#include <QImage>

#include "board.h"
#include "board_layout.h"
#include "progress.h"
#include "sprites.h"

namespace slcy {

inline QPoint CellOrigin(int column, int row) { return {CellLeft(column), CellTop(row)}; }
inline QPoint MarkerOrigin(int column, int row) { return {MarkerLeft(column), MarkerTop(row)}; }

class BoardDrawing {
public:
    explicit BoardDrawing(const SpriteSheets& sheets);

    QImage box{kBoardWidth, kBoardHeight, QImage::Format_RGB32};
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
