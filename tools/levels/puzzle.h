// A level as the generator and the solver see it: its pieces numbered 0..n-1 in the game's cell
// order, who neighbours whom, and how water reaches pieces for any orientations. The rules are
// the engine's: the openings come from its ConnectionTable.
#pragma once

#include <array>
#include <bitset>
#include <cstdint>
#include <vector>

#include "board.h"
#include "water.h"

namespace slcy::levels {

using PieceSet = std::bitset<kCellCount>;
// One orientation 0..3 per piece, indexed by piece number.
using Orientations = std::array<std::uint8_t, kCellCount>;

// Fewest quarter turns from one orientation to another.
constexpr int QuarterTurns(int from, int to) {
    const int ahead = (to - from) & 3;
    return ahead <= 2 ? ahead : 4 - ahead;
}

// A piece's number, or -1 where there is none. Not a char type: it is counted with, not read.
using PieceIndex = std::int16_t;

// One accepted click that turns a piece: +1 for the left button (orientation + 1), -1 for the
// right button.
struct Turn {
    int Piece = 0;
    int Step = +1;
    friend bool operator==(const Turn&, const Turn&) = default;
};

class Puzzle {
public:
    explicit Puzzle(const LevelRecord& record);

    int Count() const { return count_; }
    int Kind(int piece) const { return kind_[piece]; }
    int CellIndexOf(int piece) const { return cell_[piece]; }
    Cell CellOf(int piece) const;
    int PieceAt(int cellIndex) const { return piece_at_[cellIndex]; }
    int Neighbour(int piece, int d) const { return neighbour_[piece][d]; }
    std::uint8_t Openings(int piece, int orientation) const {
        return kOpeningMask[MakeTile(kind_[piece], orientation)];
    }
    bool OpensTo(int piece, int orientation, int d) const {
        return (Openings(piece, orientation) >> d & 1) != 0;
    }
    // Orientations that show different openings (a straight pipe has two, a cross one).
    int DistinctOrientations(int piece) const { return distinct_[kind_[piece]]; }

    const Orientations& Start() const { return start_; }
    // The piece on the start cell, or -1 when the start cell is empty.
    int StartPiece() const { return start_piece_; }
    // Openings of all pieces together; turning never changes it.
    int OpeningSum() const { return opening_sum_; }

    // Two neighbours are joined when each has an opening towards the other.
    bool Linked(const Orientations& o, int piece, int d) const {
        const int next = neighbour_[piece][d];
        return next >= 0 && OpensTo(piece, o[piece], d) && OpensTo(next, o[next], (d + 2) & 3);
    }
    // The pieces water reaches from `from`, which always counts as reached.
    PieceSet Reach(const Orientations& o, int from) const;
    // Fewest quarter turns that give `piece` the openings it has at orientation `target`.
    int TurnsToOpenings(int piece, int from, int target) const;

    // The record with the pieces turned as given and the start cell on `startPiece`.
    LevelRecord Record(const Orientations& o, int startPiece) const;

private:
    int count_ = 0;
    std::array<std::uint8_t, kCellCount> kind_{};
    std::array<std::uint8_t, kCellCount> cell_{};
    std::array<PieceIndex, kCellCount> piece_at_{};
    std::array<std::array<PieceIndex, 4>, kCellCount> neighbour_{};
    Orientations start_{};
    int start_piece_ = -1;
    int opening_sum_ = 0;
    LevelRecord record_;
    std::array<std::uint8_t, 8> distinct_{};
};

}  // namespace slcy::levels
