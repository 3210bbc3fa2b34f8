// Moving between levels, the level selector and a new game.
#include "game.h"

namespace slcy {

void Game::GoToNextUnsolved(int step) {
    int a = Board.CurrentLevel;
    int i = 0;
    // Examines every other level once, in order, wrapping at both ends; the search reaches the
    // current level only at i == LevelCount, and then finds nothing.
    for (;;) {
        ++i;
        a += step;
        if (a > LevelCount) a = 1;
        if (a < 1) a = LevelCount;
        if (!HasResult(ProgressTable, a)) break;
        if (i >= LevelCount) break;
    }
    if (i >= LevelCount) return;

    StartLevel(a);
    view_.SetLevelScrollPosition(LevelCount - a + 1);
    view_.RefreshCaptionAndGauge();
}

void Game::sUpBtnClick() { GoToNextUnsolved(+1); }

void Game::sDownBtnClick() { GoToNextUnsolved(-1); }

// Position 1 (the top) is the highest level. Every notification starts the level anew, also
// when the position did not change.
void Game::LevelScrollScroll(int position) {
    StartLevel(LevelCount - position + 1);
    view_.timboxPaint();
    view_.RefreshCaptionAndGauge();
}

// Clears the results of the levels in the catalogue only; entries beyond it keep what the last
// progress file gave them. Nothing is written to disk until the player saves.
void Game::NewGameBtnClick() {
    if (view_.ShowGiveUpDlg() != ModalResult::Yes) return;
    Board.CurrentLevel = 1;
    view_.SetLevelScrollPosition(LevelCount);
    for (int level = 1; level <= LevelCount; ++level) Entry(ProgressTable, level) = 0;
    StartLevel(1);
    view_.RefreshCaptionAndGauge();
}

}  // namespace slcy
