// Where the cells stand on the board area, in pixels: the one map between a press or a
// picture and a cell, for the rules, the drawing, the tools and the tests.
//
// Cell (column, row) is a 36 x 36 square whose top-left corner is at 22 + 36 (column - 1),
// 22 + 36 (row - 1); its wet marker, 12 x 12, sits 12 pixels further in, over the piece's
// opening. So the cells span x 22..381 and y 22..309 of the 500 x 333 board area. At the right
// of the cells lie two black slots, 22 wide, from y 130 down to the cells' last row: the solved
// gauge stands in the one at x 410, the level bar in the one at x 450.
#pragma once

#include <optional>

#include "board.h"

namespace slcy {

inline constexpr int kBoardWidth = 500;
inline constexpr int kBoardHeight = 333;
inline constexpr int kBoardOrigin = 22;
inline constexpr int kCellSize = 36;
inline constexpr int kMarkerInset = 12;
inline constexpr int kMarkerSize = 12;

inline constexpr int kSlotTop = 130;
inline constexpr int kSlotHeight = 180;
inline constexpr int kSlotWidth = 22;
inline constexpr int kGaugeSlotLeft = 410;
inline constexpr int kLevelBarSlotLeft = 450;

constexpr int CellLeft(int column) { return kBoardOrigin + kCellSize * (column - 1); }
constexpr int CellTop(int row) { return kBoardOrigin + kCellSize * (row - 1); }
constexpr int MarkerLeft(int column) { return CellLeft(column) + kMarkerInset; }
constexpr int MarkerTop(int row) { return CellTop(row) + kMarkerInset; }

// The middle of a cell, where the tools and the tests press.
constexpr int CellCentreX(int column) { return CellLeft(column) + kCellSize / 2; }
constexpr int CellCentreY(int row) { return CellTop(row) + kCellSize / 2; }

// The cell under a press at x, y of the board area; nothing left of or above the first cell,
// or beyond the last column or row.
constexpr std::optional<Cell> CellAt(int x, int y) {
    if (x < kBoardOrigin || y < kBoardOrigin) return std::nullopt;
    const Cell cell{(x - kBoardOrigin) / kCellSize + 1, (y - kBoardOrigin) / kCellSize + 1};
    if (cell.Column > kColumns || cell.Row > kRows) return std::nullopt;
    return cell;
}

}  // namespace slcy
