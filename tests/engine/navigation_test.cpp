// Moving between levels: the next or previous unsolved level, the selector, a new game.
#include "game_fixture.h"

namespace slcy::testing {
namespace {

class Navigation : public GameTest {
protected:
    // n levels, all solved except those listed; level `current` being played.
    void Levels(int n, std::initializer_list<int> unsolved, int current) {
        Play(std::vector<LevelRecord>(n, ThreeInARow()), current);
        for (int level = 1; level <= n; ++level) Entry(game.ProgressTable, level) = 9;
        for (int level : unsolved) Entry(game.ProgressTable, level) = 0;
    }
    int Level() const { return game.Board.CurrentLevel; }
};

TEST_F(Navigation, UpAndDownFindTheNearestUnsolvedLevel) {
    Levels(10, {3, 7}, 5);
    game.sUpBtnClick();
    EXPECT_EQ(Level(), 7);
    EXPECT_EQ(view.level_scroll_position, 4);
    game.StartLevel(5);
    game.sDownBtnClick();
    EXPECT_EQ(Level(), 3);
    EXPECT_EQ(view.level_scroll_position, 8);
}

TEST_F(Navigation, SearchesWrapAroundAtBothEnds) {
    Levels(10, {1}, 10);
    game.sUpBtnClick();
    EXPECT_EQ(Level(), 1);
    Levels(10, {10}, 1);
    game.sDownBtnClick();
    EXPECT_EQ(Level(), 10);
}

TEST_F(Navigation, NothingHappensWhenNoOtherLevelIsUnsolved) {
    for (auto unsolved : {std::initializer_list<int>{}, std::initializer_list<int>{4}}) {
        Levels(10, unsolved, 4);
        view.Clear();
        game.sUpBtnClick();
        game.sDownBtnClick();
        EXPECT_TRUE(view.calls.empty());
        EXPECT_EQ(Level(), 4);
    }
    Levels(1, {1}, 1);
    view.Clear();
    game.sUpBtnClick();
    game.sDownBtnClick();
    EXPECT_TRUE(view.calls.empty());
}

TEST_F(Navigation, NegativeEntriesCountAsSolvedForTheButtons) {
    Levels(10, {8}, 5);
    Entry(game.ProgressTable, 6) = -1;
    game.sUpBtnClick();
    EXPECT_EQ(Level(), 8);
    EXPECT_EQ(SolvedCount(game.ProgressTable, 10), 8);  // but not for the counter
}

TEST_F(Navigation, ALevelChangeStartsTheLevelAndRefreshes) {
    Levels(10, {7}, 5);
    view.Clear();
    game.sUpBtnClick();
    EXPECT_EQ(view.calls.front(), "DrawBackground");
    EXPECT_EQ(view.calls.back(), "RefreshCaptionAndGauge");
    EXPECT_EQ(game.Board.TimeLeft, 12);
}

TEST_F(Navigation, SelectorPositionOneIsTheHighestLevel) {
    Levels(500, {}, 1);
    game.LevelScrollScroll(1);
    EXPECT_EQ(Level(), 500);
    game.LevelScrollScroll(500);
    EXPECT_EQ(Level(), 1);
    game.LevelScrollScroll(490);  // one page up from the bottom
    EXPECT_EQ(Level(), 11);
}

TEST_F(Navigation, SelectorRestartsTheSameLevelWithAFullCountdown) {
    Levels(20, {}, 20);
    Tick(5);
    view.Clear();
    game.LevelScrollScroll(1);
    EXPECT_EQ(Level(), 20);
    EXPECT_EQ(game.Board.TimeLeft, 12);
    auto tail = std::vector<std::string>(view.calls.end() - 2, view.calls.end());
    EXPECT_EQ(tail, (std::vector<std::string>{"timboxPaint", "RefreshCaptionAndGauge"}));
}

TEST_F(Navigation, NewGameClearsOnlyTheLevelsOfTheCatalogue) {
    Levels(20, {}, 13);
    for (int level = 21; level <= 500; ++level) Entry(game.ProgressTable, level) = level;
    view.answers = {ModalResult::Yes};
    game.NewGameBtnClick();
    for (int level = 1; level <= 20; ++level) EXPECT_EQ(Entry(game.ProgressTable, level), 0);
    for (int level = 21; level <= 500; ++level) EXPECT_EQ(Entry(game.ProgressTable, level), level);
    EXPECT_EQ(Level(), 1);
    EXPECT_EQ(view.level_scroll_position, 20);
    EXPECT_EQ(view.calls.back(), "RefreshCaptionAndGauge");
}

TEST_F(Navigation, NewGameRefusedChangesNothing) {
    for (ModalResult answer : {ModalResult::Cancel, ModalResult::No}) {
        Levels(20, {}, 13);
        Tick(3);
        view.Clear();
        view.answers = {answer};
        game.NewGameBtnClick();
        EXPECT_EQ(view.calls, std::vector<std::string>{"GiveUpDlg"});
        EXPECT_EQ(Level(), 13);
        EXPECT_EQ(Entry(game.ProgressTable, 5), 9);
        EXPECT_EQ(game.Board.TimeLeft, 9);
    }
}

TEST_F(Navigation, StartUpPutsTheSelectorOnTheStoredLevel) {
    Load(std::vector<LevelRecord>(20, ThreeInARow()));
    game.SetLevelScrollRange();
    EXPECT_EQ(view.level_scroll_max, 20);
    game.Board.CurrentLevel = 37;
    game.StartStoredLevel();
    EXPECT_EQ(Level(), 20);
    EXPECT_EQ(view.level_scroll_position, 1);
    game.Board.CurrentLevel = 7;
    game.StartStoredLevel();
    EXPECT_EQ(view.level_scroll_position, 14);
}

TEST(Progress, SolvedCountCountsOnlyPositiveEntriesOfTheCatalogue) {
    ProgressTable table{};
    Entry(table, 1) = 5;
    Entry(table, 2) = -3;
    Entry(table, 3) = 1;
    Entry(table, 30) = 9;  // beyond the catalogue of 20
    EXPECT_EQ(SolvedCount(table, 20), 2);
    EXPECT_TRUE(EveryLevelHasResult(table, 3));
    EXPECT_FALSE(EveryLevelHasResult(table, 4));
}

}  // namespace
}  // namespace slcy::testing
