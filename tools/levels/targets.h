// The configurations in which every piece of a level is wet, found from the pieces alone.
//
// When the openings of all n pieces add up to 2(n - 1), a fully wet board needs n - 1 joins
// and so uses every opening: each opening faces a neighbour that opens back, nothing points
// off the board or at an empty cell, and the joins form a tree. Those local rules are
// propagated between neighbours; a search over what is left finds the configurations.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "puzzle.h"

namespace slcy::levels {

struct FullyWet {
    // The openings add up to 2(n - 1); otherwise nothing below is filled in.
    bool LeakFree = false;
    // Every configuration was found (the search stayed within its limits).
    bool Complete = false;
    // One orientation per piece for each configuration (distinct openings only).
    std::vector<Orientations> Configurations;
    // Per piece, bit o set when orientation o gives openings the piece has in some fully wet
    // configuration; when the search was cut short, a superset of those.
    std::array<std::uint8_t, kCellCount> Possible{};
};

FullyWet FindFullyWet(const Puzzle& puzzle, int maxConfigurations = 64, int maxNodes = 20000);

// Per piece, the fewest quarter turns from its start orientation to any orientation it has in
// some fully wet configuration; together a bound no solution can beat.
int LowerBoundTurns(const Puzzle& puzzle, const FullyWet& wet);

}  // namespace slcy::levels
