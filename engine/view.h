// Everything the rules ask of the screen, the speakers, the dialogs and the timer. The main
// window implements it; the tests implement it with a fake that records each call.
#pragma once

#include <string>

namespace slcy {

enum class SoundId : int { WaterChanged = 1, LevelSolved = 2, DryPieceClicked = 3, TimeOut = 4 };

// What a modal dialog closed with.
enum class ModalResult : int { None = 0, OK = 1, Cancel = 2, Yes = 6, No = 7 };

enum class MouseButton { Left, Right, Middle };

class GameView {
public:
    virtual ~GameView() = default;

    // --- The board surface. The drawing reads the game's state at the moment of the call.
    virtual void DrawBackground() = 0;
    virtual void DrawCell(int column, int row) = 0;
    // A piece picture of the given kind (1..5) and turn frame (0..11), with the full wet
    // marker over it when the cell is wet.
    virtual void DrawTurnFrame(int column, int row, int kind, int frame) = 0;
    // Marker frame 0 (the dry opening) .. 5 (the full wet disc) over the cell's opening.
    virtual void DrawWetMarker(int column, int row, int markerFrame) = 0;
    // Puts what has been drawn so far on the screen now: called before every animation pause.
    virtual void PresentDrawing() = 0;

    // --- Counters, caption, gauge and texts.
    virtual void timboxPaint() = 0;
    virtual void levelboxPaint() = 0;
    virtual void RefreshCaptionAndGauge() = 0;
    // Sets every text of the main window in the current language, then repaints the time
    // counter and refreshes caption and gauge.
    virtual void ApplyLanguage() = 0;

    // --- Controls that follow the play state.
    virtual void SetPauseBtnEnabled(bool enabled) = 0;
    virtual void SetPauseTextVisible(bool visible) = 0;

    // --- The level selector: position p stands for level LevelCount - p + 1. Setting it
    // never notifies.
    virtual void SetLevelScrollMax(int maximum) = 0;
    virtual void SetLevelScrollPosition(int position) = 0;

    // --- A level has begun (at start-up, on restart, on a new game, on every change of level)
    // and its board is drawn: the keyboard's cursor goes back to the source.
    virtual void LevelStarted() = 0;

    // --- The one-second countdown timer. Switching it on while it is on keeps its period.
    virtual void SetTimerEnabled(bool enabled) = 0;

    // --- Sound, played only while the sound button is down.
    virtual void PlaySoundEffect(SoundId sound) = 0;

    // --- Modal dialogs.
    virtual ModalResult ShowGiveUpDlg() = 0;     // start a new game?
    virtual ModalResult ShowRestartDlg() = 0;    // give up the level?
    virtual ModalResult ShowSolvedDlg() = 0;     // level solved
    virtual ModalResult ShowToSlowDlg() = 0;     // time ran out
    virtual ModalResult ShowAllSolvedDlg() = 0;  // every level solved
    virtual void ShowErrorMessage(const std::string& text) = 0;
};

}  // namespace slcy
