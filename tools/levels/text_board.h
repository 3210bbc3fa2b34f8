// A level as text, for `levels show`.
#pragma once

#include <string>

#include "board.h"

namespace slcy::levels {

// The pieces as line drawings (each cell a glyph for its openings, then '@' for the start cell,
// '*' for another wet piece, ' ' for a dry one), then the decoration values of the empty cells.
std::string LevelAsText(int level, const LevelRecord& record);

}  // namespace slcy::levels
