#include <gtest/gtest.h>

#include <filesystem>
#include <set>

#include "decor.h"
#include "generate.h"
#include "level_files.h"
#include "puzzle.h"
#include "solver.h"

namespace slcy::levels::testing {
namespace {

TEST(ShippedLevels, FileHoldsExactly500RecordsOf162Bytes) {
    EXPECT_EQ(std::filesystem::file_size(SLCY_SHIPPED_CATALOGUE), 500u * 162u);
    EXPECT_EQ(ShippedLevels().size(), 500u);
}

TEST(ShippedLevels, EveryRecordHoldsOnlyPlayablePiecesAndTiles) {
    for (std::size_t n = 0; n < ShippedLevels().size(); ++n) {
        const LevelRecord& level = ShippedLevels()[n];
        for (int i = 0; i < kCellCount; ++i) {
            const TileCode t = level.Pieces[i];
            EXPECT_EQ(t & 0xE0, 0) << "level " << n + 1 << " cell " << i;
            if (t != kEmptyCell) {
                EXPECT_TRUE(KindOf(t) >= 1 && KindOf(t) <= 5) << "level " << n + 1;
            }
            EXPECT_LE(level.Decor[i], 63) << "level " << n + 1 << " cell " << i;
        }
        ASSERT_TRUE(OnBoard(level.StartColumn, level.StartRow)) << "level " << n + 1;
        EXPECT_NE(level.Pieces[CellIndex(level.StartColumn, level.StartRow)], kEmptyCell)
            << "level " << n + 1 << " starts on an empty cell";
    }
}

TEST(ShippedLevels, NoLevelIsSolvedAtItsStart) {
    for (std::size_t n = 0; n < ShippedLevels().size(); ++n) {
        EngineGame play(ShippedLevels()[n]);
        EXPECT_FALSE(play.game.IsSolved()) << "level " << n + 1 << " is all wet at the start";
    }
}

TEST(ShippedLevels, EveryWitnessReplaysToASolvedBoard) {
    ASSERT_EQ(ShippedWitnesses().size(), ShippedLevels().size());
    for (std::size_t n = 0; n < ShippedLevels().size(); ++n)
        EXPECT_TRUE(EngineSolves(ShippedLevels()[n], ShippedWitnesses()[n])) << "level " << n + 1;
}

TEST(ShippedLevels, TheSolverSolvesEveryTenthLevelOnTheEngine) {
    for (std::size_t n = 0; n < ShippedLevels().size(); n += 10) {
        const LevelRecord& level = ShippedLevels()[n];
        const Solution solution = Solve(level);
        ASSERT_TRUE(solution.Solved) << "level " << n + 1 << ": " << solution.Failure;
        EXPECT_TRUE(EngineSolves(level, ClicksOf(Puzzle(level), solution.Turns))) << "level " << n + 1;
    }
}

TEST(ShippedLevels, TheCountdownLeavesTwoSecondsForEverySolverMove) {
    for (std::size_t n = 0; n < ShippedLevels().size(); n += 7) {
        const LevelRecord& level = ShippedLevels()[n];
        const Solution solution = Solve(level);
        ASSERT_TRUE(solution.Solved) << "level " << n + 1;
        EXPECT_LE(2 * static_cast<int>(solution.Turns.size()), 4 * Puzzle(level).Count())
            << "level " << n + 1;
    }
}

TEST(ShippedLevels, LevelOneIsAHandfulOfPiecesSolvedInTwoClicks) {
    const LevelRecord& first = ShippedLevels().front();
    EXPECT_LE(Puzzle(first).Count(), 6);
    EXPECT_EQ(ShippedWitnesses().front().size(), 2u);
    EXPECT_LE(Solve(first).Turns.size(), 2u);
}

TEST(ShippedLevels, LaterBandsHaveMorePiecesAndLessWaterAtTheStart) {
    double pieces[5] = {}, wet[5] = {};
    for (std::size_t n = 0; n < ShippedLevels().size(); ++n) {
        const Puzzle puzzle(ShippedLevels()[n]);
        pieces[n / 100] += puzzle.Count();
        wet[n / 100] += double(puzzle.Reach(puzzle.Start(), puzzle.StartPiece()).count()) / puzzle.Count();
    }
    for (int band = 1; band < 5; ++band) {
        EXPECT_GT(pieces[band], pieces[band - 1]) << "band " << band + 1;
        EXPECT_LE(wet[band], wet[band - 1]) << "band " << band + 1;
    }
    EXPECT_LE(wet[4] / 100, 0.05);
}

TEST(ShippedLevels, EveryPictureIsLaidWholeAndAligned) {
    for (std::size_t n = 0; n < ShippedLevels().size(); ++n)
        EXPECT_EQ(DecorProblem(ShippedLevels()[n]), "") << "level " << n + 1;
}

TEST(ShippedLevels, DecorationDiffersFromLevelToLevel) {
    std::set<std::array<std::uint8_t, kCellCount>> distinct;
    for (const LevelRecord& level : ShippedLevels()) distinct.insert(level.Decor);
    EXPECT_GE(distinct.size(), 490u);
}

TEST(ShippedLevels, TheGeneratorStillMakesTheShippedLevels) {
    for (int n : {1, 2, 57, 100, 101, 250, 401, 500}) {
        const GeneratedLevel made = GenerateLevel(kShippedSeed, n);
        const LevelRecord& shipped = ShippedLevels()[n - 1];
        EXPECT_EQ(made.Record.Pieces, shipped.Pieces) << "level " << n;
        EXPECT_EQ(made.Record.Decor, shipped.Decor) << "level " << n;
        EXPECT_EQ(made.Record.StartColumn, shipped.StartColumn) << "level " << n;
        EXPECT_EQ(made.Record.StartRow, shipped.StartRow) << "level " << n;
    }
}

}  // namespace
}  // namespace slcy::levels::testing
