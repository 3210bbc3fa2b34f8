#include <gtest/gtest.h>

#include "level_files.h"
#include "network.h"
#include "puzzle.h"
#include "scramble.h"

namespace slcy::levels::testing {
namespace {

TEST(SolvedNetwork, IsALeakFreeTreeOfTheAskedSize) {
    for (int n = 2; n <= kCellCount; n += 3) {
        tools::Random random(5, n);
        const Puzzle puzzle(MakeSolvedNetwork(n, random));
        ASSERT_EQ(puzzle.Count(), n);
        EXPECT_EQ(puzzle.OpeningSum(), 2 * (n - 1)) << n << " pieces";
        EXPECT_EQ(static_cast<int>(puzzle.Reach(puzzle.Start(), 0).count()), n) << n << " pieces";
        for (int p = 0; p < n; ++p)
            for (int d = Right; d <= Down; ++d)
                if (puzzle.OpensTo(p, puzzle.Start()[p], d)) {
                    EXPECT_TRUE(puzzle.Linked(puzzle.Start(), p, d)) << "an opening leaks, " << n << " pieces";
                }
    }
}

TEST(Scramble, EveryScrambleIsUndoneByItsWitnessOnTheEngine) {
    for (int k = 0; k < 40; ++k) {
        tools::Random random(11, k);
        const int n = random.Between(4, 70);
        const Puzzle solved(MakeSolvedNetwork(n, random));
        ScrambleStyle style;
        style.HalfTurnWeight = random.Between(1, 15);
        style.DetourWeight = random.Between(1, 6);
        style.ScrambleChance = 0.5 + random.Unit() / 2;
        const Scrambled scrambled = ScrambleFromLeaves(solved, random.Below(n), style, random);
        const LevelRecord level = solved.Record(scrambled.Pieces, scrambled.StartPiece);
        EXPECT_TRUE(EngineSolves(level, ClicksOf(Puzzle(level), scrambled.Witness))) << "scramble " << k;
    }
}

TEST(Scramble, LeavesMostPiecesTurnedAndLittleWaterAtTheStart) {
    int pieces = 0, off = 0, wet = 0;
    for (int k = 0; k < 20; ++k) {
        tools::Random random(12, k);
        const Puzzle solved(MakeSolvedNetwork(60, random));
        const Scrambled scrambled = ScrambleFromLeaves(solved, random.Below(60), {}, random);
        for (int p = 0; p < 60; ++p)
            off += solved.Openings(p, scrambled.Pieces[p]) != solved.Openings(p, solved.Start()[p]);
        wet += static_cast<int>(solved.Reach(scrambled.Pieces, scrambled.StartPiece).count());
        pieces += 60;
    }
    EXPECT_GE(off, pieces * 6 / 10);
    EXPECT_LE(wet, pieces / 10);
}

}  // namespace
}  // namespace slcy::levels::testing
