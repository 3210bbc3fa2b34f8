// The game's one window: the tool bar with its buttons and counters, the board, the solved
// gauge and the level bar (main_layout.h). It draws what the rules ask, and its handlers hand
// every event to the rules. Its start-up and close are in main_lifecycle.cpp.
#pragma once

#include <QTimer>
#include <QUrl>
#include <QWidget>
#include <memory>

#include "board_drawing.h"
#include "clock.h"
#include "sprites.h"
#include "file_prompts.h"
#include "game.h"
#include "main_layout.h"
#include "sound/sound_player.h"
#include "view.h"
#include "widgets/countdown_timer.h"

namespace slcy {

class THookHelpSystem;
class WindowRegistry;

class TMainForm : public QWidget, public MainWindowControls, public GameView {
    Q_OBJECT
public:
    // `programDirectory` (ending in '/') is where the level catalogue and the help file are;
    // `windows` gives the dialogs, which are made after this window.
    TMainForm(const QString& programDirectory, WindowRegistry& windows);
    ~TMainForm() override;

    Game& game() { return game_; }
    const BoardDrawing& drawing() const { return drawing_; }

    // The components without a place on the screen.
    CountdownTimer* Timer;
    SoundPlayer* waves;
    QUrl WebLink;
    bool WebLinkActive = true;
    // Set when the window is made; the first activation clears it and runs the start dialogs.
    bool FirstActivation = true;

    // --- GameView: what the rules ask of the window.
    void DrawBackground() override;
    void DrawCell(int column, int row) override;
    void DrawTurnFrame(int column, int row, int kind, int frame) override;
    void DrawWetMarker(int column, int row, int markerFrame) override;
    void PresentDrawing() override;
    void timboxPaint() override;
    void levelboxPaint() override;
    void RefreshCaptionAndGauge() override;
    void ApplyLanguage() override;
    void SetPauseBtnEnabled(bool enabled) override;
    void SetPauseTextVisible(bool visible) override;
    void SetLevelScrollMax(int maximum) override;
    void SetLevelScrollPosition(int position) override;
    void LevelStarted() override;
    void SetTimerEnabled(bool enabled) override;
    void PlaySoundEffect(SoundId sound) override;
    ModalResult ShowGiveUpDlg() override;
    ModalResult ShowRestartDlg() override;
    ModalResult ShowSolvedDlg() override;
    ModalResult ShowToSlowDlg() override;
    ModalResult ShowAllSolvedDlg() override;
    void ShowErrorMessage(const std::string& text) override;

    // Redraws the board, both counters, caption and gauge from the state.
    void boxPaint();

    // --- Handlers.
    void FormCreate(const QString& programDirectory);
    void boxMouseDown(Qt::MouseButton button, QPoint at);
    void boxKeyPress(BoardBox::Key key);
    void boxClick();
    void TimerTimer();
    void NewGameBtnClick();
    void RestartBtnClick();
    void Pause();
    void sUpBtnClick();
    void sDownBtnClick();
    void LevelScrollScroll(int position);
    void ExitBtnClick();
    void WumpleBtnClick();
    void TongueBtnClick();
    void info();
    void rules();
    void SaveBtnClick();
    void LoadBtnClick();
    void FormActivate();
    // Asks before the window closes; the countdown stands still while the question is open.
    bool FormCloseQuery();
    void FormClose();
    // Stores the window's place and lets go of the levels.
    void FormDestroy();

protected:
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    // Notes the board's first paint (StartDialogsOncePainted).
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void ConnectHandlers();
    void StartDialogsOncePainted();
    // The dialogs made, then the first activation: each its own turn of the event loop.
    void TakeStartStep();

    WindowRegistry& windows_;
    SpriteSheets sheets_;
    BoardDrawing drawing_{sheets_};
    SystemClock clock_;
    Game game_{*this, clock_};
    FilePrompts prompts_{this};
    std::unique_ptr<THookHelpSystem> help_system_;
    QRect last_frame_;  // the outer rectangle while the window was last on the screen
    bool exposed_ = false;
    bool placed_ = false;  // by its first showing
    bool level_drawn_ = false;  // by the game, which draws every level from its background up
    bool board_painted_ = false;
    bool start_dialogs_due_ = false;  // the first activation, or the first showing, has come
    QTimer start_step_;  // of no interval: due at the loop's next turn
};

}  // namespace slcy
