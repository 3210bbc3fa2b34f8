// When the set of wet cells changes, the water sound plays and the markers of the changed
// cells grow or shrink over six frames 50 ms apart.
#include "game_fixture.h"

namespace slcy::testing {
namespace {

TEST_F(GameTest, CellsBecomingWetAndDryAnimateInTheSameSixFrames) {
    // The source (2,1) is a straight pipe between two end pieces; the end piece below it,
    // facing up, is dry. Turning the pipe upright dries (1,1) and (3,1) and wets (2,2).
    Play({MakeLevel({2, 1}, {{1, 1, kEndPiece, 0},
                             {2, 1, kStraight, 0},
                             {3, 1, kEndPiece, 2},
                             {2, 2, kEndPiece, 1}})});
    ASSERT_TRUE(game.Board.Wet(1, 1));
    ASSERT_FALSE(game.Board.Wet(2, 2));
    Press(MouseButton::Left, 2, 1);

    std::vector<std::string> expected = {"Sound 1"};
    for (int k = 0; k < 6; ++k) {
        expected.push_back("Marker 1 1 frame " + std::to_string(5 - k));
        expected.push_back("Marker 2 2 frame " + std::to_string(k));
        expected.push_back("Marker 3 1 frame " + std::to_string(5 - k));
        expected.push_back("Present");
    }
    std::vector<std::string> animation(view.calls.begin() + 5, view.calls.end());
    EXPECT_EQ(animation, expected);
    EXPECT_EQ(WaitedMs(), 2u * 51u + 6u * 51u);
    EXPECT_TRUE(game.Board.Wet(2, 2));
    EXPECT_FALSE(game.Board.Wet(1, 1));
    EXPECT_EQ(game.Board.WetGrid, game.Board.FloodGrid);
}

TEST_F(GameTest, NoChangeMeansNoSoundNoMarkersAndNoWait) {
    Play({ThreeInARow(), MakeLevel({1, 1}, {{1, 1, kCross, 0}, {5, 5, kCross, 0}})}, 2);
    Press(MouseButton::Left, 1, 1);  // a cross turned is the same cross
    EXPECT_EQ(view.Count("Sound"), 0);
    EXPECT_EQ(view.Count("Marker"), 0);
    EXPECT_EQ(WaitedMs(), 2u * 51u);  // only the turn's own two waits
}

TEST_F(GameTest, StartingALevelWhoseSourceReachesNothingIsSilent) {
    Load({MakeLevel({1, 1}, {{1, 1, kEndPiece, 1}, {2, 1, kEndPiece, 2}})});
    game.StartLevel(1);
    EXPECT_EQ(view.Count("Sound"), 0);
    EXPECT_EQ(view.Count("Marker"), 0);
    EXPECT_TRUE(game.Board.Wet(1, 1));
}

TEST(BusyWait, LastsUntilTheClockHasPassedTheEnd) {
    FakeClock clock;
    BusyWait(clock, 50);
    EXPECT_EQ(clock.now_, 1051u);
    BusyWait(clock, 0);
    EXPECT_EQ(clock.now_, 1052u);
}

}  // namespace
}  // namespace slcy::testing
