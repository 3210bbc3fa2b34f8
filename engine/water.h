// How water spreads: from the source cell through every pair of neighbouring pieces whose
// openings meet on their common side.
#pragma once

#include <array>
#include <cstdint>

#include "board.h"

namespace slcy {

enum Direction : int { Right = 0, Up = 1, Left = 2, Down = 3 };

constexpr Direction Opposite(Direction d) { return static_cast<Direction>((d + 2) % 4); }

// Where the neighbour on side d lies (rows count from the top, so Up is row - 1).
inline constexpr std::array<int, 4> kColumnStep = {+1, 0, -1, 0};
inline constexpr std::array<int, 4> kRowStep = {0, -1, 0, +1};

namespace detail {
// The openings of each kind at orientation 0, one bit per direction.
inline constexpr std::array<std::uint8_t, 8> kOpeningsAtRest = {
    0b0000,  // 0: no piece (or a piece without openings)
    0b0001,  // 1: end piece, Right
    0b0011,  // 2: bend, Right and Up
    0b0101,  // 3: straight pipe, Right and Left
    0b0111,  // 4: tee, Right, Up and Left
    0b1111,  // 5: cross
    0b0000,  // 6: no openings
    0b0000,  // 7: no openings
};

constexpr std::array<std::array<std::uint8_t, 4>, 32> MakeConnectionTable() {
    std::array<std::array<std::uint8_t, 4>, 32> table{};
    for (int code = 1; code < 32; ++code) {
        const int o = OrientationOf(static_cast<TileCode>(code));
        for (int d = 0; d < 4; ++d) {
            // At orientation o a piece opens on side (d + o) mod 4 for every side d it opens
            // on at rest.
            if (kOpeningsAtRest[KindOf(static_cast<TileCode>(code))] >> d & 1)
                table[code][(d + o) % 4] = 1;
        }
    }
    return table;
}
}  // namespace detail

// Four opening flags per tile code, one per direction. The same table says where water may
// leave a piece and where it may enter one. Row 0 (an empty cell) has no openings.
inline constexpr std::array<std::array<std::uint8_t, 4>, 32> ConnectionTable =
    detail::MakeConnectionTable();

constexpr bool Opens(TileCode t, Direction d) { return ConnectionTable[t & kTileBits][d] != 0; }

namespace detail {
constexpr std::array<std::uint8_t, 32> MakeOpeningMasks() {
    std::array<std::uint8_t, 32> masks{};
    for (int code = 0; code < 32; ++code)
        for (int d = 0; d < 4; ++d) masks[code] |= ConnectionTable[code][d] << d;
    return masks;
}
}  // namespace detail

// The same openings as one bit per direction, for the flood's inner loop.
inline constexpr std::array<std::uint8_t, 32> kOpeningMask = detail::MakeOpeningMasks();

// Recomputes FloodGrid: the cells connected to the SourceCell through matching openings. The
// source itself always counts as reached, whatever it holds.
void FloodFromSource(BoardState& board);

// Marks the neighbour of (column, row) on side d and everything reachable from it, if water
// can pass that side.
void SpreadWater(BoardState& board, int column, int row, Direction d);

}  // namespace slcy
