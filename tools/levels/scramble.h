// Turning a solved network into a level by legal moves only.
//
// A move is undone by the opposite turn of the same piece, and the piece stays in the wet part
// it was turned in, so every move can be taken back from the state it leads to. Every level
// made by legal moves from a solved board is therefore solvable, and the moves reversed and
// mirrored (left for right) are a solution: the witness.
#pragma once

#include <vector>

#include "puzzle.h"
#include "random.h"

namespace slcy::levels {

struct ScrambleStyle {
    double ScrambleChance = 1.0;  // how likely each piece is to be turned away
    double HalfTurnWeight = 2.0;  // preference for half turns over quarter turns
    double DetourWeight = 1.0;    // preference for turns that need a neighbour's help to undo
    int MaxClicks = 1000;         // no more moves than this in the scramble
};

struct Scrambled {
    Orientations Pieces{};
    int StartPiece = 0;
    std::vector<Turn> Witness;  // a solution from the start, in the player's order
};

// `solved` holds every piece at an orientation of a leak-free tree (all wet); the water will
// start at `root`. The pieces are turned from the leaves inwards: a piece is turned away only
// once everything beyond it is done, and only so that the part still to be done stays wet,
// either directly (it keeps facing its parent) or by a detour (a neighbour is turned towards
// it, it is turned to face that neighbour, the neighbour is turned back).
Scrambled ScrambleFromLeaves(const Puzzle& solved, int root, const ScrambleStyle& style,
                             tools::Random& random);

}  // namespace slcy::levels
