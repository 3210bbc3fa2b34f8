// Decoration of the empty cells: the multi-tile pictures of the decoration sheet laid whole and
// aligned, patches of one texture, and the board background in between. Which tiles make a
// picture, and which are textures, is the decoration layout of assets/DecorLayout.h.
#pragma once

#include <string>

#include "board.h"
#include "random.h"

namespace slcy::levels {

// Fills the Decor of every empty cell; cells holding a piece get the background value.
void Decorate(LevelRecord& level, tools::Random& random);

// Empty when every empty cell's decoration is the background, a single texture, or part of a
// multi-tile picture that lies whole, aligned and on empty cells; otherwise what is wrong.
std::string DecorProblem(const LevelRecord& level);

}  // namespace slcy::levels
