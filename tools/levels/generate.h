// Making the catalogue: a plan per level (size, how hard), then attempts until one is good.
#pragma once

#include <cstdint>
#include <vector>

#include "figures.h"
#include "puzzle.h"
#include "scramble.h"

namespace slcy::levels {

// The seed the shipped catalogue is made from (`make levels`).
inline constexpr std::uint64_t kShippedSeed = 2024;

struct LevelPlan {
    int Level = 1;
    int Pieces = 6;
    ScrambleStyle Style;
    double MovesPerPiece = 0.75;  // what the solver should need, roughly
    double MostWet = 0.34;        // share of the pieces wet at the start, at most
    double LeastOff = 0.5;        // share of the pieces off their solved orientation, at least
    bool FirstSteps = false;      // one of the first levels, where the rules are learnt
};

// The difficulty curve: levels 1-100 grow from 6 to 17 pieces, then 15-29, 28-42, 41-57 and
// 54-70, with less water at the start and more turning to do as they go.
LevelPlan PlanFor(std::uint64_t seed, int level);

struct GeneratedLevel {
    LevelRecord Record;
    std::vector<Turn> Witness;  // the generator's own solution, in the record's piece numbers
    LevelFigures Figures;
    int Attempts = 0;
};

// Everything about level `level` follows from the seed and the level number alone, so one level
// can be made again without the others.
GeneratedLevel GenerateLevel(std::uint64_t seed, int level);

}  // namespace slcy::levels
