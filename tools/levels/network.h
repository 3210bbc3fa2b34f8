// The solved board of a new level: a random connected patch of cells joined by a uniform
// random spanning tree, each cell holding the piece whose openings are exactly its tree edges.
#pragma once

#include "board.h"
#include "random.h"

namespace slcy::levels {

// `pieceCount` cells (2..80) with every piece wet and every opening joined to a neighbour's:
// a tree, so that in any configuration where all pieces are wet every opening must be joined
// (n pieces need n - 1 joins, which use all 2(n - 1) openings).
LevelRecord MakeSolvedNetwork(int pieceCount, tools::Random& random);

// The piece (kind and orientation) whose openings are exactly `bits` (bit d for Direction d).
TileCode TileWithOpenings(int bits);

}  // namespace slcy::levels
