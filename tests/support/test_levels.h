// Small levels laid out piece by piece, and a catalogue file of them for a game to read.
#pragma once

#include <fstream>
#include <initializer_list>
#include <string>

#include "board.h"
#include "board_layout.h"

namespace slcy::testing {

struct Placed {
    int column, row, kind, orientation;
};

// A level of the given pieces on an empty board, with the start cell given.
inline LevelRecord MakeLevel(Cell start, std::initializer_list<Placed> pieces) {
    LevelRecord level;
    level.Pieces.fill(kEmptyCell);
    level.Decor.fill(kDecorBackground);
    for (const Placed& p : pieces) level.Pieces[CellIndex(p.column, p.row)] = MakeTile(p.kind, p.orientation);
    level.StartColumn = static_cast<std::uint8_t>(start.Column);
    level.StartRow = static_cast<std::uint8_t>(start.Row);
    return level;
}

// Writes the levels, in order, as the catalogue file `path`.
inline void WriteCatalogue(const std::string& path, std::initializer_list<LevelRecord> levels) {
    std::ofstream out(path, std::ios::binary);
    for (const LevelRecord& level : levels)
        out.write(reinterpret_cast<const char*>(&level), sizeof level);
}

}  // namespace slcy::testing
