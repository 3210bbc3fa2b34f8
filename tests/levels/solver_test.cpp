#include <gtest/gtest.h>

#include <initializer_list>

#include "generate.h"
#include "level_files.h"
#include "puzzle.h"
#include "solver.h"
#include "test_levels.h"
#include "targets.h"

namespace slcy::levels::testing {
namespace {

using slcy::testing::MakeLevel;

TEST(Solver, FindsTheOnlyFullyWetConfigurationOfABentChain) {
    // An end piece, a bend and an end piece round a corner, all facing the wrong way.
    const Puzzle puzzle(MakeLevel({1, 1}, {{1, 1, kEndPiece, 2}, {2, 1, kBend, 0}, {2, 2, kEndPiece, 3}}));
    const FullyWet wet = FindFullyWet(puzzle);
    ASSERT_TRUE(wet.Complete);
    ASSERT_EQ(wet.Configurations.size(), 1u);
    const Orientations& o = wet.Configurations.front();
    EXPECT_EQ(puzzle.Openings(0, o[0]), 1 << Right);
    EXPECT_EQ(puzzle.Openings(1, o[1]), (1 << Left) | (1 << Down));
    EXPECT_EQ(puzzle.Openings(2, o[2]), 1 << Up);
}

TEST(Solver, ProvesALevelUnsolvableWhenNoConfigurationWetsEveryPiece) {
    const Solution solution = Solve(MakeLevel({1, 1}, {{1, 1, kEndPiece, 0}, {3, 1, kEndPiece, 2}}));
    EXPECT_FALSE(solution.Solved);
    EXPECT_TRUE(solution.Unsolvable);
}

TEST(Solver, NeverSolvesALevelWithTwoEndPiecesFacingEachOther) {
    // Solved, the four pieces run round a square; here the two end pieces face each other and
    // can only ever wet each other.
    const LevelRecord trap = MakeLevel({2, 1}, {{1, 1, kEndPiece, 3}, {1, 2, kEndPiece, 1},
                                            {2, 1, kBend, 2}, {2, 2, kBend, 1}});
    const Solution solution = Solve(trap);
    EXPECT_FALSE(solution.Solved);
    EXPECT_FALSE(solution.Failure.empty());
}

TEST(Solver, RefusesALevelWhoseStartCellIsEmpty) {
    const Solution solution = Solve(MakeLevel({5, 5}, {{1, 1, kEndPiece, 2}, {2, 1, kEndPiece, 0}}));
    EXPECT_FALSE(solution.Solved);
    EXPECT_TRUE(solution.Unsolvable);
}

TEST(Solver, SolvesLevelsOfEveryBandFromAnotherSeedOnTheEngine) {
    for (int n : {3, 60, 130, 260, 330, 470}) {
        const LevelRecord level = GenerateLevel(99, n).Record;
        const Solution solution = Solve(level);
        ASSERT_TRUE(solution.Solved) << "level " << n << ": " << solution.Failure;
        EXPECT_TRUE(EngineSolves(level, ClicksOf(Puzzle(level), solution.Turns))) << "level " << n;
    }
}

TEST(Solver, NoSolutionIsShorterThanTheLowerBound) {
    for (std::size_t n = 0; n < ShippedLevels().size(); n += 25) {
        const Solution solution = Solve(ShippedLevels()[n]);
        ASSERT_TRUE(solution.Solved);
        EXPECT_GE(static_cast<int>(solution.Turns.size()), solution.LowerBound) << "level " << n + 1;
        EXPECT_GT(solution.LowerBound, 0) << "level " << n + 1;
    }
}

}  // namespace
}  // namespace slcy::levels::testing
