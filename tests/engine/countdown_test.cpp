// Each level counts down four ticks per piece; a tick finding no time left loses the level.
#include "game_fixture.h"

namespace slcy::testing {
namespace {

class Countdown : public GameTest {
protected:
    // Three pieces, not connected: the level cannot be solved by accident.
    void SetUp() override {
        Play({MakeLevel({1, 1}, {{1, 1, kEndPiece, 1}, {4, 4, kBend, 0}, {6, 6, kTee, 0}})});
    }
};

TEST_F(Countdown, ThreePiecesShowTwelveAndAreLostOnTheThirteenthTick) {
    EXPECT_EQ(game.Board.TimeLeft, 12);
    Tick(12);
    EXPECT_EQ(game.Board.TimeLeft, 0);
    EXPECT_EQ(game.Board.PlayState, PlayState::Running);
    EXPECT_EQ(view.Count("timboxPaint"), 12);
    view.Clear();
    Tick();
    EXPECT_EQ(game.Board.PlayState, PlayState::TimedOut);
    EXPECT_EQ(view.calls, (std::vector<std::string>{"TimerOff", "ApplyLanguage", "Sound 4",
                                                    "ToSlowDlg", "timboxPaint"}));
    EXPECT_FALSE(view.pause_btn_enabled);
}

TEST_F(Countdown, PausedTicksDoNotCount) {
    Tick(2);
    game.Pause();
    EXPECT_TRUE(view.pause_text_visible);
    EXPECT_FALSE(view.pause_btn_enabled);
    EXPECT_TRUE(view.timer_enabled);  // the timer runs on; its ticks do nothing
    view.Clear();
    Tick(100);
    EXPECT_TRUE(view.calls.empty());
    EXPECT_EQ(game.Board.TimeLeft, 10);
    game.boxClick();
    EXPECT_EQ(game.Board.PlayState, PlayState::Running);
    EXPECT_FALSE(view.pause_text_visible);
    Tick(11);
    EXPECT_EQ(game.Board.PlayState, PlayState::TimedOut);
}

TEST_F(Countdown, ResumingClickNeverTurnsAPiece) {
    game.Pause();
    Press(MouseButton::Left, 1, 1);  // the press arrives first and is ignored...
    game.boxClick();                 // ...then the click resumes
    EXPECT_EQ(Orientation(1, 1), 1);
    EXPECT_EQ(game.Board.PlayState, PlayState::Running);
}

TEST_F(Countdown, ClickWhileRunningDoesNotPause) {
    game.boxClick();
    EXPECT_EQ(game.Board.PlayState, PlayState::Running);
}

TEST_F(Countdown, TicksAfterTheEndDoNothing) {
    Tick(13);
    view.Clear();
    Tick(3);
    EXPECT_TRUE(view.calls.empty());
    EXPECT_EQ(game.Board.TimeLeft, 0);
}

}  // namespace
}  // namespace slcy::testing
