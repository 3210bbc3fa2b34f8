// The board of the level being played and the level records it is started from.
//
// A cell is named by its column 1..10 (left to right) and row 1..8 (top to bottom).
// Every grid holds 80 bytes stored column after column, so that cell (c, r) is byte
// (c - 1) * 8 + (r - 1). The grids are fixed arrays: nothing is allocated during play.
#pragma once

#include <array>
#include <cstdint>

namespace slcy {

inline constexpr int kColumns = 10;
inline constexpr int kRows = 8;
inline constexpr int kCellCount = kColumns * kRows;

// Four countdown ticks per piece on the board.
inline constexpr int kTicksPerPiece = 4;

// One byte per cell. 0 is an empty cell; otherwise bits 0-2 give the kind and bits 3-4
// the orientation in quarter turns. Bits 5-7 are always 0 on a board.
using TileCode = std::uint8_t;

enum PieceKind : int {
    kEndPiece = 1,  // one opening: Right
    kBend = 2,      // Right, Up
    kStraight = 3,  // Right, Left
    kTee = 4,       // Right, Up, Left
    kCross = 5,     // all four
    // Kinds 6 and 7 (and kind 0 with an orientation) are pieces without openings.
};

inline constexpr TileCode kEmptyCell = 0;
inline constexpr TileCode kTileBits = 0x1F;  // kind and orientation; the rest is never set

constexpr int KindOf(TileCode t) { return t & 7; }
constexpr int OrientationOf(TileCode t) { return (t >> 3) & 3; }
constexpr TileCode MakeTile(int kind, int orientation) {
    return static_cast<TileCode>((orientation & 3) * 8 + (kind & 7));
}

using Grid = std::array<std::uint8_t, kCellCount>;

constexpr bool OnBoard(int column, int row) {
    return column >= 1 && column <= kColumns && row >= 1 && row <= kRows;
}
constexpr int CellIndex(int column, int row) { return (column - 1) * kRows + (row - 1); }

struct Cell {
    std::int32_t Column = 1;
    std::int32_t Row = 1;
    friend bool operator==(const Cell&, const Cell&) = default;
};

// Decoration value that shows the board background picture instead of a decor tile.
inline constexpr std::uint8_t kDecorBackground = 7;
inline constexpr std::uint8_t kDecorTileCount = 64;

// One level as the catalogue file stores it: 162 bytes, no header.
struct LevelRecord {
    std::array<TileCode, kCellCount> Pieces{};
    std::array<std::uint8_t, kCellCount> Decor{};
    std::uint8_t StartColumn = 1;
    std::uint8_t StartRow = 1;
};
static_assert(sizeof(LevelRecord) == 162, "a level record is 162 bytes in the file and in memory");

// The level used when the catalogue cannot be read: no pieces, one decoration tile everywhere.
LevelRecord FallbackLevel();

enum class PlayState : std::uint8_t { Running = 0, Solved = 1, TimedOut = 2, Paused = 3 };

struct BoardState {
    Grid PieceGrid{};  // the pieces, a copy of the record's, changed by turns
    Grid WetGrid{};    // 1 = carries water as currently shown
    Grid FloodGrid{};  // result of the latest flood from the source
    Grid DecorGrid{};  // what an empty cell shows
    Cell SourceCell;
    std::int32_t TimeLeft = 0;  // countdown in timer ticks
    slcy::PlayState PlayState = slcy::PlayState::Running;
    std::int32_t CurrentLevel = 1;

    TileCode Piece(int column, int row) const { return PieceGrid[CellIndex(column, row)]; }
    bool Wet(int column, int row) const { return WetGrid[CellIndex(column, row)] != 0; }
    bool Flooded(int column, int row) const { return FloodGrid[CellIndex(column, row)] != 0; }
    std::uint8_t Decor(int column, int row) const { return DecorGrid[CellIndex(column, row)]; }
};

// Calls f(column, row) for every cell, columns 1..10 and within each rows 1..8: the order in
// which the game visits, draws and animates cells.
template <typename F>
constexpr void ForEachCell(F&& f) {
    for (int column = 1; column <= kColumns; ++column)
        for (int row = 1; row <= kRows; ++row) f(column, row);
}

}  // namespace slcy

namespace slcy {

// A quarter turn changes only the orientation bits. Raising the orientation by one carries
// every opening one side on, Right -> Up -> Left -> Down, which on screen is anticlockwise.
constexpr TileCode TurnedLeft(TileCode t) {
    return MakeTile(KindOf(t), (OrientationOf(t) + 1) % 4);
}
constexpr TileCode TurnedRight(TileCode t) {
    return MakeTile(KindOf(t), (OrientationOf(t) + 3) % 4);
}

}  // namespace slcy
