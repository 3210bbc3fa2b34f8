// A press on a wet piece turns it a quarter (left button anticlockwise, right clockwise),
// makes it the source and lets the water find its way anew.
#include "board_layout.h"
#include "game_fixture.h"

namespace slcy::testing {
namespace {

class Turning : public GameTest {
protected:
    // A bend at (5, 4), the start cell, so it is always wet; a dry cross far away keeps the
    // level from being solved.
    void PlayLoneBend(int orientation) {
        Play({MakeLevel({5, 4}, {{5, 4, kBend, orientation}, {9, 8, kCross, 0}})});
    }
    std::vector<int> Frames() const {
        std::vector<int> frames;
        for (const auto& line : view.Calls("TurnFrame 5 4 kind 2 frame "))
            frames.push_back(std::stoi(line.substr(line.rfind(' ') + 1)));
        return frames;
    }
};

TEST_F(Turning, LeftButtonShowsThreeFramesAnticlockwise) {
    const std::vector<std::vector<int>> expected = {{1, 2, 3}, {4, 5, 6}, {7, 8, 9}, {10, 11, 0}};
    for (int o = 0; o < 4; ++o) {
        PlayLoneBend(o);
        Press(MouseButton::Left, 5, 4);
        EXPECT_EQ(Frames(), expected[o]) << "orientation " << o;
        EXPECT_EQ(Orientation(5, 4), (o + 1) % 4);
    }
}

TEST_F(Turning, RightButtonShowsThreeFramesClockwise) {
    const std::vector<std::vector<int>> expected = {{11, 10, 9}, {2, 1, 0}, {5, 4, 3}, {8, 7, 6}};
    for (int o = 0; o < 4; ++o) {
        PlayLoneBend(o);
        Press(MouseButton::Right, 5, 4);
        EXPECT_EQ(Frames(), expected[o]) << "orientation " << o;
        EXPECT_EQ(Orientation(5, 4), (o + 3) % 4);
    }
}

TEST_F(Turning, FramesAre50msApartWithNoWaitAfterTheLast) {
    PlayLoneBend(0);
    Press(MouseButton::Left, 5, 4);
    EXPECT_EQ(view.calls, (std::vector<std::string>{"TurnFrame 5 4 kind 2 frame 1", "Present",
                                                    "TurnFrame 5 4 kind 2 frame 2", "Present",
                                                    "TurnFrame 5 4 kind 2 frame 3"}));
    // Each wait lasts until the clock has passed start + 50.
    EXPECT_EQ(WaitedMs(), 2u * 51u);
}

TEST_F(Turning, OrientationIsStoredBeforeTheFramesAreShown) {
    // A view that looks at the board while the first frame is drawn.
    struct Peek : RecordingView {
        Game* game = nullptr;
        int seen = -1;
        void DrawTurnFrame(int c, int r, int, int) override {
            if (seen < 0) seen = OrientationOf(game->Board.Piece(c, r));
        }
    } peek;
    FakeClock fake;
    Game g(peek, fake);
    peek.game = &g;
    g.InstallCatalogue({MakeLevel({5, 4}, {{5, 4, kBend, 0}})});
    g.StartLevel(1);
    g.boxMouseDown(MouseButton::Left, CellLeft(5) + 1, CellTop(4) + 1);
    EXPECT_EQ(peek.seen, 1);
}

TEST_F(Turning, PressesAreMappedToCellsOfThirtySixPixels) {
    Play({MakeLevel({2, 1}, {{1, 1, kCross, 0}, {2, 1, kCross, 0}, {10, 8, kCross, 0}})});
    auto turned = [&](int x, int y) {
        view.Clear();
        game.boxMouseDown(MouseButton::Middle, x, y);
        return !view.calls.empty();  // a refusal or a change would both be heard or seen
    };
    EXPECT_FALSE(turned(21, 22));
    EXPECT_FALSE(turned(22, 21));
    game.boxMouseDown(MouseButton::Middle, 22, 22);
    EXPECT_EQ(game.Board.SourceCell, (Cell{1, 1}));
    // (10, 8) is dry: a press on it is refused with a sound, so it is reached.
    EXPECT_TRUE(turned(381, 309));
    EXPECT_EQ(view.calls, std::vector<std::string>{"Sound 3"});
    EXPECT_FALSE(turned(382, 309));
    EXPECT_FALSE(turned(381, 310));
}

TEST_F(Turning, DryPieceRefusesWithASoundAndChangesNothing) {
    Play({MakeLevel({1, 1}, {{1, 1, kEndPiece, 0}, {3, 3, kBend, 0}})});
    const BoardState before = game.Board;
    Press(MouseButton::Left, 3, 3);
    EXPECT_EQ(view.calls, std::vector<std::string>{"Sound 3"});
    EXPECT_EQ(game.Board.PieceGrid, before.PieceGrid);
    EXPECT_EQ(game.Board.SourceCell, before.SourceCell);
    EXPECT_EQ(WaitedMs(), 0u);
}

TEST_F(Turning, EmptyCellsAndOtherStatesIgnorePressesSilently) {
    Play({ThreeInARow()});
    Press(MouseButton::Left, 6, 6);
    EXPECT_TRUE(view.calls.empty());
    game.Pause();
    view.Clear();
    Press(MouseButton::Left, 1, 1);
    EXPECT_TRUE(view.calls.empty());
    EXPECT_EQ(Orientation(1, 1), 0);
}

TEST_F(Turning, MiddleButtonMovesTheSourceWithoutTurning) {
    // Two pieces joined, a third (5,1) apart; the middle press on (2,1) moves the source there.
    Play({MakeLevel({1, 1}, {{1, 1, kEndPiece, 0}, {2, 1, kEndPiece, 2}, {5, 1, kCross, 0}})});
    Press(MouseButton::Middle, 2, 1);
    EXPECT_EQ(game.Board.SourceCell, (Cell{2, 1}));
    EXPECT_EQ(view.Count("TurnFrame"), 0);
    EXPECT_EQ(Orientation(2, 1), 2);
    EXPECT_TRUE(game.Board.Wet(1, 1));
}

TEST_F(Turning, WaterIsRecomputedFromTheClickedCell) {
    // (1,1) end piece -> (2,1) tee opening Right, Up, Left -> (3,1) end piece facing it.
    Play({MakeLevel({1, 1}, {{1, 1, kEndPiece, 0}, {2, 1, kTee, 0}, {3, 1, kEndPiece, 2}})});
    ASSERT_TRUE(game.Board.Wet(3, 1));
    // Turned right, the tee opens Right, Up and Down: the old source (1,1) is cut off and
    // dries up; the water now comes from (2,1).
    Press(MouseButton::Right, 2, 1);
    EXPECT_EQ(game.Board.SourceCell, (Cell{2, 1}));
    EXPECT_FALSE(game.Board.Wet(1, 1));
    EXPECT_TRUE(game.Board.Wet(2, 1));
    EXPECT_TRUE(game.Board.Wet(3, 1));
}

TEST_F(Turning, TurningTheSourceAwayDriesWhatWasReachedOnlyThroughIt) {
    Play({ThreeInARow()});
    Press(MouseButton::Left, 1, 1);  // now faces Up
    EXPECT_TRUE(game.Board.Wet(1, 1));
    EXPECT_FALSE(game.Board.Wet(2, 1));
    EXPECT_FALSE(game.Board.Wet(3, 1));
}

TEST_F(Turning, PieceWithoutAPictureIsTurnedByItsCodeOnly) {
    LevelRecord r = MakeLevel({1, 1}, {});
    r.Pieces[CellIndex(1, 1)] = 6;  // no openings, but the source, so wet
    Play({r});
    Press(MouseButton::Left, 1, 1);
    EXPECT_EQ(game.Board.Piece(1, 1), 14);
    EXPECT_EQ(view.Calls("TurnFrame").front(), "TurnFrame 1 1 kind 6 frame 1");
    EXPECT_EQ(game.Board.PlayState, PlayState::Solved);
}

}  // namespace
}  // namespace slcy::testing
