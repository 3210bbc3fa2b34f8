#include "generate.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "decor.h"
#include "network.h"

namespace slcy::levels {

namespace {

struct Band {
    int FewestPieces, MostPieces;
    double MostWet, LeastOff, MovesPerPiece;
};
constexpr std::array<Band, 5> kBands = {{
    {6, 17, 0.34, 0.50, 0.75},
    {15, 29, 0.25, 0.60, 1.05},
    {28, 42, 0.15, 0.60, 1.20},
    {41, 57, 0.05, 0.60, 1.30},
    {54, 70, 0.05, 0.60, 1.35},
}};
constexpr int kLevelsPerBand = 100;
constexpr int kFirstStepsLevels = 5;
constexpr int kMaxAttempts = 60;
// Random streams of a level: attempts count up from 0, the rest sit far above them.
constexpr std::uint64_t kSizeStream = 1u << 20;
constexpr std::uint64_t kDecorStream = 1u << 21;

}  // namespace

LevelPlan PlanFor(std::uint64_t seed, int level) {
    LevelPlan plan;
    plan.Level = level;
    const int band_index = std::min<int>((level - 1) / kLevelsPerBand, kBands.size() - 1);
    const Band& band = kBands[band_index];
    const double along = std::min(1.0, ((level - 1) % kLevelsPerBand) / double(kLevelsPerBand - 1));

    tools::Random random(seed, level, kSizeStream);
    const int jitter = random.Between(-1, 1);
    plan.Pieces = std::clamp(
        static_cast<int>(std::lround(band.FewestPieces + (band.MostPieces - band.FewestPieces) * along)) + jitter,
        band.FewestPieces, band.MostPieces);
    plan.MostWet = band.MostWet;
    plan.LeastOff = band.LeastOff;

    // The moves wanted rise smoothly from band to band, through each band's value at its middle.
    const double position = (level - 1) / double(kLevelsPerBand) - 0.5;
    const int below = std::clamp(static_cast<int>(std::floor(position)), 0, int(kBands.size()) - 1);
    const int above = std::min(below + 1, int(kBands.size()) - 1);
    const double mix = std::clamp(position - below, 0.0, 1.0);
    plan.MovesPerPiece = kBands[below].MovesPerPiece * (1 - mix) + kBands[above].MovesPerPiece * mix;

    const double hardness = (level - 1) / 499.0;
    plan.Style.HalfTurnWeight = 1 + 14 * hardness;
    plan.Style.DetourWeight = 1 + 5 * hardness;
    plan.Style.ScrambleChance = band_index == 0 ? 0.55 + 0.45 * along : 1.0;

    if (level <= kFirstStepsLevels) {
        // Level 1 is solved in two clicks; each of the next few asks for one more.
        plan.FirstSteps = true;
        plan.Pieces = 5 + level;
        plan.Style.MaxClicks = level + 1;
        plan.Style.HalfTurnWeight = 1;
        plan.MostWet = 0.5;
        plan.LeastOff = 0;
    }
    return plan;
}

GeneratedLevel GenerateLevel(std::uint64_t seed, int level) {
    const LevelPlan plan = PlanFor(seed, level);
    GeneratedLevel best;
    double best_miss = 1e9;
    bool found = false;
    for (int attempt = 0; attempt < kMaxAttempts; ++attempt) {
        tools::Random random(seed, level, attempt);
        const Puzzle solved(MakeSolvedNetwork(plan.Pieces, random));
        const int root = random.Below(solved.Count());
        const Scrambled scrambled = ScrambleFromLeaves(solved, root, plan.Style, random);
        const LevelRecord record = solved.Record(scrambled.Pieces, scrambled.StartPiece);

        const LevelFigures f = Measure(level, record);
        const double n = f.Pieces;
        if (!f.Proven || !LeavesTimeToPlay(f)) continue;
        if (f.WetAtStart > plan.MostWet * n || f.OffAtStart < plan.LeastOff * n) continue;
        if (plan.FirstSteps && f.SolverMoves > plan.Style.MaxClicks) continue;

        const double miss = std::abs(f.MovesPerPiece() - plan.MovesPerPiece);
        if (!found || miss < best_miss) {
            best = {record, scrambled.Witness, f, attempt + 1};
            best_miss = miss;
            found = true;
        }
        // Near enough, or enough tries at a level that will not get closer.
        if (miss < 0.03 || (attempt >= 12 && found)) break;
    }
    if (!found) best.Figures.Problem = "no attempt gave a good level";

    tools::Random decor(seed, level, kDecorStream);
    Decorate(best.Record, decor);
    best.Figures.Problem = best.Figures.Problem.empty() ? DecorProblem(best.Record) : best.Figures.Problem;
    return best;
}

}  // namespace slcy::levels
