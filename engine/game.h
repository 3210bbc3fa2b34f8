// The rules of the game: starting a level, turning pieces, the water, the countdown, the
// outcome of a level and moving between levels. Everything the player sees or hears goes
// through the GameView; every pause between animation frames through the clock.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "board.h"
#include "clock.h"
#include "progress.h"
#include "view.h"

namespace slcy {

// Pause between two frames of a turn or of the water animation.
inline constexpr std::uint32_t kFrameDelayMs = 50;
// The water markers grow or shrink in six pictures.
inline constexpr int kMarkerFrames = 6;

class Game {
public:
    Game(GameView& view, MonotonicClock& clock) : view_(view), clock_(clock) {}
    // A copy would read the catalogue of the game it was copied from.
    Game(const Game&) = delete;
    Game& operator=(const Game&) = delete;

    // --- The state, under the names the game has always used.
    BoardState Board;
    slcy::ProgressTable ProgressTable{};
    // Level n is LevelCatalogue[n - 1]. Both change only through InstallCatalogue and
    // ReleaseCatalogue, so that the count always matches the records.
    const std::vector<LevelRecord>& LevelCatalogue = catalogue_;
    const std::int32_t& LevelCount = level_count_;
    bool AllSolvedFlag = false;
    std::int32_t Language = -1;  // 1 German; anything else English; -1 never chosen
    std::string ProgressPath;    // the current progress file, empty when there is none
    std::string ProgramDirectory;

    bool German() const { return Language == 1; }

    // Makes `levels` the catalogue; no levels at all install the fallback level alone.
    void InstallCatalogue(std::vector<LevelRecord> levels);
    // Lets go of the records when the window goes.
    void ReleaseCatalogue();

    // --- Start-up, in the order the main window's creation runs them.
    // Reads slcy.dat from the program directory (ending in '/'); when it cannot be used the
    // player is told and the fallback level becomes the only level.
    void LoadCatalogue(const std::string& programDirectory);
    void SetLevelScrollRange();
    void ComputeAllSolvedFlag();
    // Brings the stored level into 1..LevelCount, starts it and puts the selector on it.
    void StartStoredLevel();

    // --- A level.
    void StartLevel(int n);
    void SetPlayState(PlayState state);
    void ShowWetChanges();
    bool IsSolved() const;
    void TurnLeft(int column, int row);
    void TurnRight(int column, int row);
    void LevelSolved();

    // --- Handlers of the window's events.
    // A press at x, y of the board area (pixels): the press on the cell under it, if any.
    void boxMouseDown(MouseButton button, int x, int y);
    // A press on a cell, by the mouse or the keyboard: turns a wet piece (the middle button
    // only moves the source), refuses a dry one with its sound, ignores the rest.
    void PressCell(MouseButton button, int column, int row);
    void boxClick();
    void TimerTimer();
    void Pause();
    void RestartBtnClick();
    void sUpBtnClick();
    void sDownBtnClick();
    void LevelScrollScroll(int position);
    void NewGameBtnClick();

private:
    void WaitBetweenFrames();
    // Steps one level at a time in `step` (+1 or -1), with wrap-around, to the next level
    // without a result; the current level itself is never chosen.
    void GoToNextUnsolved(int step);

    GameView& view_;
    MonotonicClock& clock_;
    std::vector<LevelRecord> catalogue_;
    std::int32_t level_count_ = 0;
};

}  // namespace slcy
