#include "text_board.h"

#include <cstdio>

#include "puzzle.h"

namespace slcy::levels {

namespace {
// Indexed by the four opening bits: Right 1, Up 2, Left 4, Down 8.
constexpr const char* kGlyphs[16] = {"·", "╶", "╵", "└", "╴", "─", "┘", "┴",
                                     "╷", "┌", "│", "├", "┐", "┬", "┤", "┼"};
}

std::string LevelAsText(int level, const LevelRecord& record) {
    const Puzzle puzzle(record);
    const int start = puzzle.StartPiece();
    const PieceSet wet = start >= 0 ? puzzle.Reach(puzzle.Start(), start) : PieceSet{};
    char line[160];
    std::snprintf(line, sizeof line, "level %d: %d pieces, start at column %d row %d, %zu wet, %d seconds\n",
                  level, puzzle.Count(), record.StartColumn, record.StartRow, wet.count(),
                  kTicksPerPiece * puzzle.Count());
    std::string text = line;

    text += "\n    ";
    for (int column = 1; column <= kColumns; ++column) text += std::to_string(column % 10) + " ";
    text += "      ";
    for (int column = 1; column <= kColumns; ++column) text += (column < 10 ? " " : "") + std::to_string(column) + " ";
    text += "\n";
    for (int row = 1; row <= kRows; ++row) {
        text += " " + std::to_string(row) + "  ";
        for (int column = 1; column <= kColumns; ++column) {
            const int p = puzzle.PieceAt(CellIndex(column, row));
            if (p < 0) {
                text += "  ";
                continue;
            }
            text += kGlyphs[puzzle.Openings(p, puzzle.Start()[p])];
            text += p == start ? "@" : wet.test(p) ? "*" : " ";
        }
        text += "   " + std::to_string(row) + "  ";
        for (int column = 1; column <= kColumns; ++column) {
            const int i = CellIndex(column, row);
            if (record.Pieces[i] != kEmptyCell) {
                text += "## ";
            } else if (record.Decor[i] == kDecorBackground) {
                text += " . ";
            } else {
                std::snprintf(line, sizeof line, "%2d ", record.Decor[i]);
                text += line;
            }
        }
        text += "\n";
    }
    return text;
}

}  // namespace slcy::levels
