// Decoration of the empty cells: the multi-tile pictures of the decoration sheet laid whole and
// aligned, patches of one texture, and the board background in between.
#pragma once

#include <string>
#include <vector>

#include "board.h"
#include "random.h"

namespace slcy::levels {

// A picture made of several decoration tiles; Tiles[row][column] are the sheet values.
struct Picture {
    const char* Name;
    std::vector<std::vector<std::uint8_t>> Tiles;
};

// The slabs, the rust block, the stone strips, the metal pair and a row of marble.
const std::vector<Picture>& MultiTilePictures();

// Values that make a picture on their own and may be repeated to fill an area.
const std::vector<std::uint8_t>& SingleTextures();

// Fills the Decor of every empty cell; cells holding a piece get the background value.
void Decorate(LevelRecord& level, Random& random);

// Empty when every empty cell's decoration is the background, a single texture, or part of a
// multi-tile picture that lies whole, aligned and on empty cells; otherwise what is wrong.
std::string DecorProblem(const LevelRecord& level);

}  // namespace slcy::levels
