#include <gtest/gtest.h>

#include "generate.h"
#include "level_files.h"

namespace slcy::levels::testing {
namespace {

TEST(Generator, TheSameSeedAndLevelMakeTheSameLevel) {
    const GeneratedLevel first = GenerateLevel(77, 321);
    const GeneratedLevel again = GenerateLevel(77, 321);
    EXPECT_EQ(first.Record.Pieces, again.Record.Pieces);
    EXPECT_EQ(first.Record.Decor, again.Record.Decor);
    EXPECT_EQ(first.Witness, again.Witness);
}

TEST(Generator, AnotherSeedMakesAnotherLevel) {
    EXPECT_NE(GenerateLevel(77, 222).Record.Pieces, GenerateLevel(78, 222).Record.Pieces);
}

TEST(Generator, EveryLevelItMakesIsProvenAndLeavesTimeToPlay) {
    for (int n : {1, 5, 6, 99, 150, 299, 399, 499}) {
        const GeneratedLevel made = GenerateLevel(31, n);
        EXPECT_TRUE(made.Figures.Proven) << "level " << n << ": " << made.Figures.Problem;
        EXPECT_LE(2 * made.Figures.SolverMoves, made.Figures.Seconds()) << "level " << n;
        EXPECT_TRUE(EngineSolves(made.Record, ClicksOf(Puzzle(made.Record), made.Witness))) << "level " << n;
    }
}

}  // namespace
}  // namespace slcy::levels::testing
