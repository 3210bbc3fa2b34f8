#include "solver.h"

#include <algorithm>
#include <queue>
#include <unordered_set>

namespace slcy::levels {

namespace {

// What a plan is charged, on top of its clicks, per piece it leaves dry that was wet: more
// for one still to be turned, since reaching it again usually takes a detour.
constexpr double kAbandonCharge = 3;
constexpr double kLostCharge = 0.1;
// Each quarter turn still to do counts as much as two clicks made.
constexpr double kRemainingWeight = 2;

// A game in progress towards one fully wet goal, with the clicks made so far.
class Attempt {
public:
    Attempt(const Puzzle& puzzle, const Orientations& goal)
        : puzzle_(&puzzle), goal_(&goal), o_(puzzle.Start()), source_(puzzle.StartPiece()) {
        wet_ = puzzle.Reach(o_, source_);
        for (int p = 0; p < puzzle.Count(); ++p) off_ += Distance(p);
    }

    bool Solved() const { return solved_; }
    int Off() const { return off_; }  // quarter turns still needed to reach the goal
    int Clicks() const { return static_cast<int>(turns_.size()); }
    const PieceSet& Wet() const { return wet_; }
    const Orientations& Pieces() const { return o_; }
    const std::vector<Turn>& Turns() const { return turns_; }

    int Distance(int p) const { return puzzle_->TurnsToOpenings(p, o_[p], (*goal_)[p]); }

    void Click(int piece, int step) {
        off_ -= Distance(piece);
        o_[piece] = static_cast<std::uint8_t>((o_[piece] + step) & 3);
        off_ += Distance(piece);
        source_ = piece;
        wet_ = puzzle_->Reach(o_, piece);
        turns_.push_back({piece, step});
        solved_ = static_cast<int>(wet_.count()) == puzzle_->Count();
    }
    // The short way round; the piece is the source after the first click, so every click
    // of the turn is legal.
    void TurnTo(int piece, int orientation) {
        while (!solved_ && o_[piece] != orientation)
            Click(piece, ((orientation - o_[piece]) & 3) == 3 ? -1 : +1);
    }
    void Fix(int piece) {
        int best = o_[piece];
        for (int o = 0; o < 4; ++o)
            if (puzzle_->Openings(piece, o) == puzzle_->Openings(piece, (*goal_)[piece]) &&
                (best == o_[piece] || QuarterTurns(o_[piece], o) < QuarterTurns(o_[piece], best)))
                best = o;
        if (Distance(piece) > 0) TurnTo(piece, best);
    }

    // Turning a wet piece to its goal keeps everything wet when each neighbour it is joined to
    // now is one its goal faces too.
    bool FixKeepsWater(int piece) const {
        for (int d = Right; d <= Down; ++d)
            if (puzzle_->Linked(o_, piece, d) && !puzzle_->OpensTo(piece, (*goal_)[piece], d))
                return false;
        return true;
    }
    // Fixes wet pieces as long as one can be fixed without losing water.
    void FixWhatIsSafe() {
        for (bool again = true; again && !solved_;) {
            again = false;
            for (int p = 0; p < puzzle_->Count() && !again; ++p) {
                if (!wet_.test(p) || Distance(p) == 0 || !FixKeepsWater(p)) continue;
                Fix(p);
                again = true;
            }
        }
    }

private:
    const Puzzle* puzzle_;
    const Orientations* goal_;
    Orientations o_;
    int source_;
    PieceSet wet_;
    std::vector<Turn> turns_;
    int off_ = 0;
    bool solved_ = false;
};

// The plans worth trying from a board, each followed by every fix that loses no water: fixing
// a wet piece (even if water is lost), turning a wet piece some other way, and detours (a wet
// piece turned towards a dry one that faces it, the dry one fixed, the helper fixed again).
// A plan counts when it leaves fewer quarter turns to do, or as many and more water. Its cost
// is its clicks plus a charge for the water it gives up: pieces left dry must be reached again.
struct Step {
    Attempt After;
    double Cost;
};

std::vector<Step> Plans(const Puzzle& puzzle, const Attempt& now) {
    const int n = puzzle.Count();
    const int off = now.Off();
    const std::size_t wet = now.Wet().count();
    std::vector<Step> steps;
    auto consider = [&](Attempt& trial) {
        trial.FixWhatIsSafe();
        if (!trial.Solved() && trial.Off() > off) return;
        if (!trial.Solved() && trial.Off() == off && trial.Wet().count() <= wet) return;
        int abandoned = 0, lost = 0;
        for (int q = 0; q < n; ++q) {
            if (!now.Wet().test(q) || trial.Wet().test(q)) continue;
            ++lost;
            abandoned += trial.Distance(q) > 0;
        }
        steps.push_back({trial, (trial.Clicks() - now.Clicks()) + kAbandonCharge * abandoned +
                                    kLostCharge * lost});
    };
    for (int p = 0; p < n; ++p) {
        if (!now.Wet().test(p)) continue;
        for (int o = 0; o < 4; ++o) {
            if (puzzle.Openings(p, o) == puzzle.Openings(p, now.Pieces()[p])) continue;
            Attempt turned = now;
            turned.TurnTo(p, o);
            Attempt trial = turned;
            consider(trial);
            if (turned.Solved()) continue;
            for (int q = 0; q < n; ++q) {
                if (now.Wet().test(q) || !turned.Wet().test(q) || turned.Distance(q) == 0) continue;
                Attempt detour = turned;
                detour.Fix(q);
                if (!detour.Solved() && detour.Wet().test(p)) detour.Fix(p);
                consider(detour);
            }
        }
    }
    return steps;
}

struct Key {
    std::uint64_t Words[3];
    int Part;
    bool operator==(const Key&) const = default;
};
struct KeyHash {
    std::size_t operator()(const Key& k) const {
        std::uint64_t h = k.Part * 0x9E3779B97F4A7C15ull;
        for (std::uint64_t w : k.Words) h = (h ^ w) * 0xBF58476D1CE4E5B9ull + (h >> 29);
        return static_cast<std::size_t>(h);
    }
};
Key KeyOf(const Puzzle& puzzle, const Attempt& a) {
    int first_wet = 0;
    while (!a.Wet().test(first_wet)) ++first_wet;  // the part is named by its first piece
    Key k{{0, 0, 0}, first_wet};
    for (int p = 0; p < puzzle.Count(); ++p)
        k.Words[p / 32] |= static_cast<std::uint64_t>(a.Pieces()[p]) << (2 * (p % 32));
    return k;
}

// A beam search over plans: the boards of each round are ranked by clicks so far, charges for
// water given up and twice the quarter turns still to do, and only the best few go on. With a
// beam of one it is a hill climber; a wider beam survives a step that leads nowhere.
bool SolveTowards(const Puzzle& puzzle, const Orientations& goal, int beamWidth,
                  std::vector<Turn>& turns) {
    struct Node {
        Attempt State;
        double Cost;
        double Priority;
    };
    std::vector<Node> beam;
    Attempt start(puzzle, goal);
    start.FixWhatIsSafe();
    beam.push_back({start, 0, 0});
    while (!beam.empty()) {
        std::vector<Node> next;
        for (const Node& node : beam) {
            if (node.State.Solved()) {
                turns = node.State.Turns();
                return true;
            }
            for (Step& step : Plans(puzzle, node.State)) {
                const double cost = node.Cost + step.Cost;
                const double priority = step.After.Solved()
                                            ? step.After.Clicks() - 1e6
                                            : cost + kRemainingWeight * step.After.Off();
                next.push_back({std::move(step.After), cost, priority});
            }
        }
        // Stable, so that ties are broken the same way by every standard library.
        std::stable_sort(next.begin(), next.end(),
                         [](const Node& a, const Node& b) { return a.Priority < b.Priority; });
        std::unordered_set<Key, KeyHash> seen;
        beam.clear();
        for (Node& node : next) {
            if (static_cast<int>(beam.size()) >= beamWidth) break;
            if (seen.insert(KeyOf(puzzle, node.State)).second) beam.push_back(std::move(node));
        }
    }
    return false;
}

}  // namespace

bool Replays(const Puzzle& puzzle, const std::vector<Turn>& turns) {
    if (puzzle.StartPiece() < 0) return false;
    Orientations o = puzzle.Start();
    PieceSet wet = puzzle.Reach(o, puzzle.StartPiece());
    for (const Turn& t : turns) {
        if (t.Piece < 0 || t.Piece >= puzzle.Count() || !wet.test(t.Piece)) return false;
        o[t.Piece] = static_cast<std::uint8_t>((o[t.Piece] + t.Step) & 3);
        wet = puzzle.Reach(o, t.Piece);
    }
    return !turns.empty() && static_cast<int>(wet.count()) == puzzle.Count();
}

Solution Solve(const LevelRecord& level, const SolverLimits& limits) {
    Solution solution;
    const Puzzle puzzle(level);
    if (puzzle.StartPiece() < 0) {
        solution.Unsolvable = puzzle.Count() > 0;
        solution.Failure = "the start cell holds no piece";
        return solution;
    }
    const FullyWet wet = FindFullyWet(puzzle, limits.MaxConfigurations);
    if (!wet.LeakFree) {
        solution.Failure = "the openings do not add up to a tree";
        return solution;
    }
    if (wet.Configurations.empty()) {
        solution.Unsolvable = wet.Complete;
        solution.Failure = wet.Complete ? "no configuration wets every piece"
                                        : "no fully wet configuration found";
        return solution;
    }
    solution.LowerBound = LowerBoundTurns(puzzle, wet);

    // Nearest goals first; the shortest solution found wins.
    std::vector<std::pair<int, int>> goals;
    for (std::size_t i = 0; i < wet.Configurations.size(); ++i) {
        int turns = 0;
        for (int p = 0; p < puzzle.Count(); ++p)
            turns += puzzle.TurnsToOpenings(p, puzzle.Start()[p], wet.Configurations[i][p]);
        goals.push_back({turns, static_cast<int>(i)});
    }
    std::sort(goals.begin(), goals.end());
    for (const auto& [turns, i] : goals) {
        std::vector<Turn> found;
        // A plain hill climb first; a wider beam only when it gets stuck.
        bool solved = false;
        for (int width = 1; width <= limits.BeamWidth && !solved; width *= 4)
            solved = SolveTowards(puzzle, wet.Configurations[i], width, found);
        if (!solved) continue;
        if (!solution.Solved || found.size() < solution.Turns.size()) {
            solution.Turns = found;
            solution.Solved = true;
        }
        if (static_cast<int>(solution.Turns.size()) == solution.LowerBound) break;
    }
    if (!solution.Solved) solution.Failure = "no solution found within the limits";
    else if (!Replays(puzzle, solution.Turns)) {
        solution.Solved = false;
        solution.Failure = "internal: the solution does not replay";
    }
    return solution;
}

}  // namespace slcy::levels
