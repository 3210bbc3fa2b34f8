// What `check` measures of each level, and the summary per band of 100 levels.
#pragma once

#include <string>
#include <vector>

#include "board.h"
#include "solver.h"

namespace slcy::levels {

struct LevelFigures {
    int Level = 0;
    int Pieces = 0;
    int WetAtStart = 0;   // pieces wet when the level starts
    int OffAtStart = 0;   // pieces whose openings differ from the solved board the solver reaches
    int LowerBound = 0;   // quarter turns no solution can do without
    int SolverMoves = 0;  // clicks of the solver's solution
    bool Proven = false;  // the solver's solution replays to a solved board
    std::string Problem;  // why the level fails, when it does

    int Seconds() const { return kTicksPerPiece * Pieces; }
    double MovesPerPiece() const { return Pieces ? double(SolverMoves) / Pieces : 0; }
};

// Validates the record, solves it from scratch and measures it.
LevelFigures Measure(int level, const LevelRecord& record, const SolverLimits& limits = {});

// A level may ask for no more clicks than half its countdown's seconds: two seconds a move.
bool LeavesTimeToPlay(const LevelFigures& f);

std::string FiguresHeader();
std::string FiguresLine(const LevelFigures& f);
// One row per band of 100 levels (the last band may be shorter).
std::string BandTable(const std::vector<LevelFigures>& levels);

}  // namespace slcy::levels
