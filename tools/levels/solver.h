// Solves a level from its record alone: the tiles and the start cell, nothing the generator
// knew. It finds the fully wet configurations first, then looks for legal moves towards one.
#pragma once

#include <string>
#include <vector>

#include "board.h"
#include "puzzle.h"
#include "targets.h"

namespace slcy::levels {

struct SolverLimits {
    int MaxConfigurations = 16;     // fully wet configurations tried as goals
    int BeamWidth = 16;             // most boards kept in each round of the search
};

struct Solution {
    bool Solved = false;
    std::vector<Turn> Turns;  // legal clicks from the start; the board is solved after the last
    int LowerBound = 0;       // no solution has fewer clicks (0 when unknown)
    bool Unsolvable = false;  // proven: no configuration wets every piece
    std::string Failure;      // why not solved, when not
};

Solution Solve(const LevelRecord& level, const SolverLimits& limits = {});

// True when the clicks are all legal from the level's start and leave every piece wet.
bool Replays(const Puzzle& puzzle, const std::vector<Turn>& turns);

}  // namespace slcy::levels
