// Writing the catalogue, checking its records, and the witness file that goes with it.
#pragma once

#include <string>
#include <vector>

#include "board.h"
#include "puzzle.h"
#include "view.h"

namespace slcy::levels {

// Empty when the record is one the game can play as intended: kinds 1..5 only, bits 5-7
// clear, decorations 0..63, the start cell on the board and holding a piece.
std::string RecordProblem(const LevelRecord& level);

bool WriteCatalogue(const std::string& path, const std::vector<LevelRecord>& levels);

// A click as the player makes it: the button and the cell.
struct Click {
    MouseButton Button = MouseButton::Left;
    Cell At;
};

// One line per level: "level N:" and the clicks of a solution, "L c,r" for the left button
// and "R c,r" for the right one.
bool WriteWitnesses(const std::string& path, const std::vector<std::vector<Click>>& witnesses);
// The witnesses of a file written by WriteWitnesses; false when it cannot be read.
bool ReadWitnesses(const std::string& path, std::vector<std::vector<Click>>& witnesses);

// The same clicks in the puzzle's terms and back.
std::vector<Click> ClicksOf(const Puzzle& puzzle, const std::vector<Turn>& turns);
std::vector<Turn> TurnsOf(const Puzzle& puzzle, const std::vector<Click>& clicks);

}  // namespace slcy::levels
