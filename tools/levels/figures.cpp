#include "figures.h"

#include <algorithm>
#include <cstdio>

#include "catalogue_file.h"
#include "decor.h"
#include "puzzle.h"

namespace slcy::levels {

LevelFigures Measure(int level, const LevelRecord& record, const SolverLimits& limits) {
    LevelFigures f;
    f.Level = level;
    const Puzzle puzzle(record);
    f.Pieces = puzzle.Count();
    f.Problem = RecordProblem(record);
    if (f.Problem.empty()) f.Problem = DecorProblem(record);
    if (!f.Problem.empty()) return f;
    f.WetAtStart = static_cast<int>(puzzle.Reach(puzzle.Start(), puzzle.StartPiece()).count());
    if (f.WetAtStart == f.Pieces) {
        f.Problem = "every piece is wet at the start";
        return f;
    }

    const Solution solution = Solve(record, limits);
    f.LowerBound = solution.LowerBound;
    if (!solution.Solved) {
        f.Problem = solution.Unsolvable ? "unsolvable: " + solution.Failure : solution.Failure;
        return f;
    }
    f.SolverMoves = static_cast<int>(solution.Turns.size());
    f.Proven = Replays(puzzle, solution.Turns);
    if (!f.Proven) f.Problem = "the solution does not replay";

    Orientations end = puzzle.Start();
    for (const Turn& t : solution.Turns) end[t.Piece] = static_cast<std::uint8_t>((end[t.Piece] + t.Step) & 3);
    for (int p = 0; p < puzzle.Count(); ++p)
        f.OffAtStart += puzzle.Openings(p, puzzle.Start()[p]) != puzzle.Openings(p, end[p]);
    return f;
}

bool LeavesTimeToPlay(const LevelFigures& f) { return 2 * f.SolverMoves <= f.Seconds(); }

std::string FiguresHeader() {
    return "level pieces wet off bound moves seconds s/move  result";
}

std::string FiguresLine(const LevelFigures& f) {
    char line[160];
    std::snprintf(line, sizeof line, "%5d %6d %3d %3d %5d %5d %7d %6.2f  %s", f.Level, f.Pieces,
                  f.WetAtStart, f.OffAtStart, f.LowerBound, f.SolverMoves, f.Seconds(),
                  f.SolverMoves ? double(f.Seconds()) / f.SolverMoves : 0.0,
                  f.Proven ? "proven" : f.Problem.c_str());
    return line;
}

std::string BandTable(const std::vector<LevelFigures>& levels) {
    std::string table =
        "| levels | pieces | wet at start (mean, max) | off (mean, min) | lower bound / piece | "
        "solver moves / piece | solver / bound | least s / move | proven |\n"
        "|---|---|---|---|---|---|---|---|---|\n";
    for (std::size_t first = 0; first < levels.size(); first += 100) {
        const std::size_t last = std::min(levels.size(), first + 100);
        int fewest = 1000, most = 0, proven = 0;
        double wet = 0, wet_max = 0, off = 0, off_min = 1, bound = 0, moves = 0, least = 1e9;
        long bound_sum = 0, moves_sum = 0;
        for (std::size_t i = first; i < last; ++i) {
            const LevelFigures& f = levels[i];
            fewest = std::min(fewest, f.Pieces);
            most = std::max(most, f.Pieces);
            const double n = std::max(1, f.Pieces);
            wet += f.WetAtStart / n;
            wet_max = std::max(wet_max, f.WetAtStart / n);
            off += f.OffAtStart / n;
            off_min = std::min(off_min, f.OffAtStart / n);
            bound += f.LowerBound / n;
            moves += f.SolverMoves / n;
            bound_sum += f.LowerBound;
            moves_sum += f.SolverMoves;
            if (f.SolverMoves) least = std::min(least, double(f.Seconds()) / f.SolverMoves);
            proven += f.Proven;
        }
        const double count = double(last - first);
        char row[320];
        std::snprintf(row, sizeof row,
                      "| %zu-%zu | %d-%d | %.0f %%, %.0f %% | %.0f %%, %.0f %% | %.2f | %.2f | %.2f | "
                      "%.1f | %d/%zu |\n",
                      first + 1, last, fewest, most, 100 * wet / count, 100 * wet_max,
                      100 * off / count, 100 * off_min, bound / count, moves / count,
                      bound_sum ? double(moves_sum) / double(bound_sum) : 0.0, least, proven, last - first);
        table += row;
    }
    return table;
}

}  // namespace slcy::levels
