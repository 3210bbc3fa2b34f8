// The life of a level once it has begun: moves, water, countdown, pause, restart, outcome.
#include "board_layout.h"
#include "game.h"
#include "water.h"

namespace slcy {

void Game::WaitBetweenFrames() {
    view_.PresentDrawing();
    BusyWait(clock_, kFrameDelayMs);
}

void Game::SetPlayState(PlayState state) {
    Board.PlayState = state;
    view_.SetPauseBtnEnabled(state == PlayState::Running);
    view_.SetPauseTextVisible(state == PlayState::Paused);
    view_.ApplyLanguage();
}

void Game::ShowWetChanges() {
    int changes = 0;
    for (int i = 0; i < kCellCount; ++i) changes += Board.FloodGrid[i] != Board.WetGrid[i];
    if (changes == 0) return;

    view_.PlaySoundEffect(SoundId::WaterChanged);
    // Water that arrives grows from the dry opening to the full disc; water that leaves
    // shrinks back, in the same six frames.
    for (int k = 0; k < kMarkerFrames; ++k) {
        ForEachCell([&](int column, int row) {
            const int i = CellIndex(column, row);
            if (Board.FloodGrid[i] == Board.WetGrid[i]) return;
            const bool becoming_wet = Board.WetGrid[i] == 0;
            view_.DrawWetMarker(column, row, becoming_wet ? k : kMarkerFrames - 1 - k);
        });
        WaitBetweenFrames();
    }
    Board.WetGrid = Board.FloodGrid;
}

bool Game::IsSolved() const {
    for (int i = 0; i < kCellCount; ++i)
        if (Board.PieceGrid[i] != kEmptyCell && Board.WetGrid[i] == 0) return false;
    return true;
}

// A turn stores the new orientation at once, then shows three frames 50 ms apart; the last
// frame is the resting picture of the new orientation.
void Game::TurnLeft(int column, int row) {
    TileCode& t = Board.PieceGrid[CellIndex(column, row)];
    const int o = OrientationOf(t);
    const int kind = KindOf(t);
    t = TurnedLeft(t);
    view_.DrawTurnFrame(column, row, kind, (3 * o + 1) % 12);
    WaitBetweenFrames();
    view_.DrawTurnFrame(column, row, kind, (3 * o + 2) % 12);
    WaitBetweenFrames();
    view_.DrawTurnFrame(column, row, kind, (3 * o + 3) % 12);
}

void Game::TurnRight(int column, int row) {
    TileCode& t = Board.PieceGrid[CellIndex(column, row)];
    const int o = OrientationOf(t);
    const int kind = KindOf(t);
    t = TurnedRight(t);
    const int f = o == 0 ? 11 : 3 * o - 1;
    view_.DrawTurnFrame(column, row, kind, f);
    WaitBetweenFrames();
    view_.DrawTurnFrame(column, row, kind, f - 1);
    WaitBetweenFrames();
    view_.DrawTurnFrame(column, row, kind, f - 2);
}

void Game::boxMouseDown(MouseButton button, int x, int y) {
    if (const std::optional<Cell> cell = CellAt(x, y)) PressCell(button, cell->Column, cell->Row);
}

void Game::PressCell(MouseButton button, int column, int row) {
    if (!OnBoard(column, row)) return;
    if (Board.PlayState != PlayState::Running) return;
    if (Board.Piece(column, row) == kEmptyCell) return;
    if (!Board.Wet(column, row)) {
        // Only a piece that carries water can be turned.
        view_.PlaySoundEffect(SoundId::DryPieceClicked);
        return;
    }

    if (button == MouseButton::Left) TurnLeft(column, row);
    if (button == MouseButton::Right) TurnRight(column, row);
    // Every accepted press, the middle button's too, makes the cell the new source.
    Board.SourceCell = {column, row};
    FloodFromSource(Board);
    ShowWetChanges();
    if (IsSolved()) LevelSolved();
}

void Game::LevelSolved() {
    view_.SetTimerEnabled(false);
    view_.PlaySoundEffect(SoundId::LevelSolved);
    SetPlayState(PlayState::Solved);
    view_.ShowSolvedDlg();

    // Only the first solution counts; one found with no time left stores 0 and so stays
    // unsolved.
    std::int32_t& result = Entry(ProgressTable, Board.CurrentLevel);
    if (result == 0) result = Board.TimeLeft;
    view_.levelboxPaint();
    view_.RefreshCaptionAndGauge();

    if (AllSolvedFlag) return;  // the congratulation comes at most once a run
    ComputeAllSolvedFlag();
    if (AllSolvedFlag) view_.ShowAllSolvedDlg();
}

// The counter shows 0 for one whole tick before the level is lost, so a level of n pieces
// is lost on the (4n + 1)-th tick of running time.
void Game::TimerTimer() {
    if (Board.PlayState != PlayState::Running) return;
    if (Board.TimeLeft > 0) {
        --Board.TimeLeft;
    } else {
        view_.SetTimerEnabled(false);
        SetPlayState(PlayState::TimedOut);
        view_.PlaySoundEffect(SoundId::TimeOut);
        view_.ShowToSlowDlg();
    }
    view_.timboxPaint();
}

// The timer keeps running while paused; its ticks simply do nothing.
void Game::Pause() { SetPlayState(PlayState::Paused); }

// The press of the resuming click is ignored by boxMouseDown, so resuming never turns a piece.
void Game::boxClick() {
    if (Board.PlayState == PlayState::Paused) SetPlayState(PlayState::Running);
}

void Game::RestartBtnClick() {
    const PlayState state = Board.PlayState;
    if (state == PlayState::Running || state == PlayState::Paused) {
        // The countdown goes on while the question is open.
        if (view_.ShowRestartDlg() != ModalResult::Yes) return;
    }
    StartLevel(Board.CurrentLevel);
}

}  // namespace slcy
