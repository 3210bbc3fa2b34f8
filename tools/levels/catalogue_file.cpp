#include "catalogue_file.h"

#include <fstream>
#include <sstream>

namespace slcy::levels {

std::string RecordProblem(const LevelRecord& level) {
    for (int i = 0; i < kCellCount; ++i) {
        const TileCode t = level.Pieces[i];
        const std::string where = "cell " + std::to_string(i / kRows + 1) + "," + std::to_string(i % kRows + 1);
        if ((t & ~kTileBits) != 0) return where + ": bits 5-7 of the piece are set";
        if (t != kEmptyCell && (KindOf(t) < kEndPiece || KindOf(t) > kCross))
            return where + ": piece kind " + std::to_string(KindOf(t)) + " has no openings";
        if (level.Decor[i] >= kDecorTileCount) return where + ": decoration above 63";
    }
    if (!OnBoard(level.StartColumn, level.StartRow)) return "the start cell is off the board";
    if (level.Pieces[CellIndex(level.StartColumn, level.StartRow)] == kEmptyCell)
        return "the start cell is empty";
    return {};
}

bool WriteCatalogue(const std::string& path, const std::vector<LevelRecord>& levels) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    for (const LevelRecord& level : levels)
        out.write(reinterpret_cast<const char*>(&level), sizeof level);
    return static_cast<bool>(out);
}

bool WriteWitnesses(const std::string& path, const std::vector<std::vector<Click>>& witnesses) {
    std::ofstream out(path, std::ios::trunc);
    for (std::size_t n = 0; n < witnesses.size(); ++n) {
        out << "level " << n + 1 << ":";
        for (const Click& click : witnesses[n])
            out << ' ' << (click.Button == MouseButton::Left ? 'L' : 'R') << ' ' << click.At.Column
                << ',' << click.At.Row;
        out << '\n';
    }
    return static_cast<bool>(out);
}

bool ReadWitnesses(const std::string& path, std::vector<std::vector<Click>>& witnesses) {
    std::ifstream in(path);
    if (!in) return false;
    witnesses.clear();
    std::string line;
    while (std::getline(in, line)) {
        std::istringstream words(line);
        std::string level, number;
        words >> level >> number;
        if (level != "level") return false;
        std::vector<Click> clicks;
        char button, comma;
        Click click;
        while (words >> button >> click.At.Column >> comma >> click.At.Row) {
            if ((button != 'L' && button != 'R') || comma != ',') return false;
            click.Button = button == 'L' ? MouseButton::Left : MouseButton::Right;
            clicks.push_back(click);
        }
        witnesses.push_back(clicks);
    }
    return true;
}

// The left button raises the orientation by one, the right button lowers it.
std::vector<Click> ClicksOf(const Puzzle& puzzle, const std::vector<Turn>& turns) {
    std::vector<Click> clicks;
    clicks.reserve(turns.size());
    for (const Turn& t : turns)
        clicks.push_back({t.Step > 0 ? MouseButton::Left : MouseButton::Right, puzzle.CellOf(t.Piece)});
    return clicks;
}

std::vector<Turn> TurnsOf(const Puzzle& puzzle, const std::vector<Click>& clicks) {
    std::vector<Turn> turns;
    for (const Click& c : clicks) {
        const int piece = OnBoard(c.At.Column, c.At.Row) ? puzzle.PieceAt(CellIndex(c.At.Column, c.At.Row)) : -1;
        turns.push_back({piece, c.Button == MouseButton::Left ? +1 : -1});
    }
    return turns;
}

}  // namespace slcy::levels
