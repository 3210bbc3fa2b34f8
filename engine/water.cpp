#include "water.h"

namespace slcy {

void FloodFromSource(BoardState& board) {
    board.FloodGrid.fill(0);
    const Cell source = board.SourceCell;
    if (!OnBoard(source.Column, source.Row)) return;  // kept on the board by StartLevel
    board.FloodGrid[CellIndex(source.Column, source.Row)] = 1;

    const TileCode t = board.Piece(source.Column, source.Row);
    if (t == kEmptyCell) return;
    for (int d = Right; d <= Down; ++d) {
        if (Opens(t, static_cast<Direction>(d)))
            SpreadWater(board, source.Column, source.Row, static_cast<Direction>(d));
    }
}

// Each cell is marked before the recursion goes on from it and is never entered twice, so the
// recursion is never deeper than the 80 cells of the board.
void SpreadWater(BoardState& board, int column, int row, Direction d) {
    const int next_column = column + kColumnStep[d];
    const int next_row = row + kRowStep[d];
    if (!OnBoard(next_column, next_row)) return;

    const int i = CellIndex(next_column, next_row);
    const TileCode t = board.PieceGrid[i];
    if (t == kEmptyCell) return;
    if (board.FloodGrid[i] != 0) return;
    if (!Opens(t, Opposite(d))) return;  // the neighbour has no opening facing back

    board.FloodGrid[i] = 1;
    const unsigned openings = kOpeningMask[t & kTileBits];
    for (int e = Right; e <= Down; ++e) {
        if (openings >> e & 1u) SpreadWater(board, next_column, next_row, static_cast<Direction>(e));
    }
}

}  // namespace slcy
