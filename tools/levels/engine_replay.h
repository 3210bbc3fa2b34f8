// Playing clicks on the game itself: the engine's own Game, mouse presses and all, with a view
// that draws nothing and a clock whose waits are over at once.
#pragma once

#include <vector>

#include "board.h"
#include "catalogue_file.h"

namespace slcy::levels {

// True when pressing the mouse as given, from the start of the level, leaves it solved.
bool EngineSolvesWith(const LevelRecord& level, const std::vector<Click>& clicks);

}  // namespace slcy::levels
