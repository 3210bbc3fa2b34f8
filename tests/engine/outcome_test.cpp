// A level is solved when every piece carries water; its first result is kept.
#include "game_fixture.h"

namespace slcy::testing {
namespace {

// The start piece faces Up, away from a straight pipe and an end piece that face it: one right
// turn of the start piece (Up -> Right) solves the level.
LevelRecord OneTurnFromSolved() {
    return MakeLevel({1, 1}, {{1, 1, kEndPiece, 1}, {2, 1, kStraight, 0}, {3, 1, kEndPiece, 2}});
}

class Outcome : public GameTest {
protected:
    void Solve() { Press(MouseButton::Right, 1, 1); }
};

TEST_F(Outcome, SolvingStopsTheTimerThenSoundsThenAnnounces) {
    Play({OneTurnFromSolved(), OneTurnFromSolved()});
    Solve();
    const auto& c = view.calls;
    auto at = [&](const std::string& s) { return std::find(c.begin(), c.end(), s) - c.begin(); };
    EXPECT_LT(at("TimerOff"), at("Sound 2"));
    EXPECT_LT(at("Sound 2"), at("ApplyLanguage"));
    EXPECT_LT(at("ApplyLanguage"), at("SolvedDlg"));
    EXPECT_LT(at("SolvedDlg"), at("levelboxPaint"));
    EXPECT_LT(at("levelboxPaint"), at("RefreshCaptionAndGauge"));
    EXPECT_EQ(game.Board.PlayState, PlayState::Solved);
    EXPECT_EQ(Entry(game.ProgressTable, 1), 12);
    EXPECT_EQ(view.Count("AllSolvedDlg"), 0);
}

TEST_F(Outcome, ResultIsRecordedAfterTheDialogCloses) {
    struct Peek : RecordingView {
        Game* game = nullptr;
        int seen = -1;
        ModalResult ShowSolvedDlg() override {
            seen = Entry(game->ProgressTable, 1);
            return ModalResult::OK;
        }
    } peek;
    FakeClock fake;
    Game g(peek, fake);
    peek.game = &g;
    g.InstallCatalogue({OneTurnFromSolved()});
    g.StartLevel(1);
    g.boxMouseDown(MouseButton::Right, 30, 30);
    EXPECT_EQ(peek.seen, 0);
    EXPECT_EQ(Entry(g.ProgressTable, 1), 12);
}

TEST_F(Outcome, FirstResultIsKept) {
    Play({OneTurnFromSolved(), OneTurnFromSolved()});
    Entry(game.ProgressTable, 1) = 3;
    Solve();
    EXPECT_EQ(Entry(game.ProgressTable, 1), 3);
    Entry(game.ProgressTable, 1) = -4;  // from a file: counts as a result
    game.RestartBtnClick();
    Solve();
    EXPECT_EQ(Entry(game.ProgressTable, 1), -4);
}

TEST_F(Outcome, SolvingWithNoTimeLeftStoresZeroSoTheLevelStaysUnsolved) {
    Play({OneTurnFromSolved(), OneTurnFromSolved()});
    Tick(12);
    ASSERT_EQ(game.Board.TimeLeft, 0);
    Solve();
    EXPECT_EQ(game.Board.PlayState, PlayState::Solved);
    EXPECT_EQ(Entry(game.ProgressTable, 1), 0);
}

TEST_F(Outcome, AllSolvedIsAnnouncedOnceWhenTheLastLevelIsSolved) {
    Play({OneTurnFromSolved(), OneTurnFromSolved()});
    Entry(game.ProgressTable, 2) = 7;
    game.ComputeAllSolvedFlag();
    ASSERT_FALSE(game.AllSolvedFlag);
    Solve();
    EXPECT_EQ(view.Count("AllSolvedDlg"), 1);
    EXPECT_TRUE(game.AllSolvedFlag);

    // A new game clears the results but not the flag: no second congratulation this run.
    view.answers = {ModalResult::Yes};
    game.NewGameBtnClick();
    Entry(game.ProgressTable, 2) = 7;
    view.Clear();
    Solve();
    EXPECT_EQ(view.Count("AllSolvedDlg"), 0);
}

TEST_F(Outcome, RunStartedWithAllSolvedNeverCongratulates) {
    Play({OneTurnFromSolved()});
    Entry(game.ProgressTable, 1) = 5;
    game.ComputeAllSolvedFlag();
    Solve();
    EXPECT_EQ(view.Count("AllSolvedDlg"), 0);
}

TEST_F(Outcome, SolvedLevelIgnoresPressesAndTicks) {
    Play({OneTurnFromSolved()});
    Solve();
    view.Clear();
    Press(MouseButton::Left, 2, 1);
    Tick(20);
    EXPECT_TRUE(view.calls.empty());
}

TEST_F(Outcome, RestartWhileRunningAsksAndNoLeavesTheLevelAsItWas) {
    Play({OneTurnFromSolved()});
    Press(MouseButton::Middle, 1, 1);
    Tick(2);
    const BoardState before = game.Board;
    view.Clear();
    view.answers = {ModalResult::No};
    game.RestartBtnClick();
    EXPECT_EQ(view.calls, std::vector<std::string>{"RestartDlg"});
    EXPECT_EQ(game.Board.TimeLeft, before.TimeLeft);
    EXPECT_EQ(game.Board.SourceCell, before.SourceCell);
}

TEST_F(Outcome, RestartWhilePausedAsksAndYesStartsAfresh) {
    Play({OneTurnFromSolved()});
    Tick(5);
    game.Pause();
    view.answers = {ModalResult::Yes};
    game.RestartBtnClick();
    EXPECT_EQ(view.Count("RestartDlg"), 1);
    EXPECT_EQ(game.Board.PlayState, PlayState::Running);
    EXPECT_EQ(game.Board.TimeLeft, 12);
}

TEST_F(Outcome, RestartAfterTheEndAsksNothing) {
    Play({OneTurnFromSolved()});
    Solve();
    view.Clear();
    game.RestartBtnClick();
    EXPECT_EQ(view.Count("RestartDlg"), 0);
    EXPECT_EQ(game.Board.PlayState, PlayState::Running);

    Tick(13);
    ASSERT_EQ(game.Board.PlayState, PlayState::TimedOut);
    view.Clear();
    game.RestartBtnClick();
    EXPECT_EQ(view.Count("RestartDlg"), 0);
    EXPECT_EQ(game.Board.TimeLeft, 12);
}

TEST_F(Outcome, TimeOutDuringTheRestartQuestionThenYesRestarts) {
    // The question leaves the timer running, so the level can be lost while it is open.
    struct Slow : RecordingView {
        Game* game = nullptr;
        ModalResult ShowRestartDlg() override {
            for (int i = 0; i < 20; ++i) game->TimerTimer();
            return ModalResult::Yes;
        }
    } slow;
    FakeClock fake;
    Game g(slow, fake);
    slow.game = &g;
    g.InstallCatalogue({OneTurnFromSolved()});
    g.StartLevel(1);
    g.RestartBtnClick();
    EXPECT_EQ(slow.Count("ToSlowDlg"), 1);
    EXPECT_EQ(g.Board.PlayState, PlayState::Running);
    EXPECT_EQ(g.Board.TimeLeft, 12);
}

}  // namespace
}  // namespace slcy::testing
