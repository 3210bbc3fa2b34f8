// The main window's life: its start-up, its first activation with the start dialogs, its
// place on the screen, and its close with the quit question, the save offer and the settings.
#include <QCloseEvent>
#include <optional>

#include "Endgame.h"
#include "Main.h"
#include "Splasher.h"
#include "Tongdlg.h"
#include "game_settings.h"
#include "hh_funcs.h"
#include "progress_flow.h"
#include "screen/backing_store.h"
#include "screen/frame_extents.h"
#include "screen/show_effect.h"
#include "texts.h"
#include "window_placement.h"
#include "window_registry.h"

namespace slcy {

// The start-up steps, in their order: the language first, so that every message of the start
// speaks it; then the help, the level, the progress file, the catalogue; the board last. No
// dialog exists yet.
void TMainForm::FormCreate(const QString& programDirectory) {
    FirstActivation = true;
    game_.ProgramDirectory = programDirectory.toStdString();
    const GameSettings settings = ReadGameSettings();
    game_.Language = settings.Language;
    help_system_ = std::make_unique<THookHelpSystem>(programDirectory + kHelpFileName, QString(),
                                                     kHostViewer);
    game_.Board.CurrentLevel = settings.Level;
    game_.ProgressPath = settings.ProgressPath;
    ReadStartupProgress(game_, prompts_);
    game_.LoadCatalogue(game_.ProgramDirectory);
    game_.SetLevelScrollRange();
    game_.ComputeAllSolvedFlag();
    move(settings.Position);  // overruled by the stored placement when the window is shown
    SoundBtn->setChecked(settings.Sound);
    game_.StartStoredLevel();
}

// Un-minimising shows the window again, as does a return to its virtual desktop: only the
// first showing places it, by its outer rectangle, before it is mapped; placed again should
// the window manager's frame turn out other than the one it was placed with.
void TMainForm::showEvent(QShowEvent* event) {
    const bool firstShowing = !placed_;
    if (firstShowing) {
        placed_ = true;
        const QMargins frame = PlaceByOuterRect(
            this, [this](QMargins known) { RestoreMainWindowPlacement(this, known); });
        PlayExplodingRectangles(geometry().marginsAdded(frame));
        // Once the window is handed to the window system, this thread only waits until it is
        // mapped and may be painted: the captions' lettering and the pixels the window is
        // painted into are made ready meanwhile.
        QMetaObject::invokeMethod(
            this,
            [this] {
                PrepareCaptionLettering(*this);
                PrepareBackingStore(*this);
            },
            Qt::QueuedConnection);
    }
    QWidget::showEvent(event);
    exposed_ = true;
    // A showing redraws everything from the state, as a repaint of the window system always
    // did; not the first, when the start has just drawn its level, unless it drew none.
    if (!firstShowing || !level_drawn_) boxPaint();
    // Where the window system activates windows late or never, the start dialogs still come.
    StartDialogsOncePainted();
}

void TMainForm::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow() && FirstActivation)
        StartDialogsOncePainted();
}

// The start dialogs stand over a board that is already on the screen: the window appears as
// soon as it can, and the splash a moment later in front of it, not in front of an empty frame.
void TMainForm::StartDialogsOncePainted() {
    start_dialogs_due_ = true;
    if (board_painted_) start_step_.start();
}

// After the board's paint, the dialogs are made, and then the splash is shown, each at a turn
// of the event loop of its own: the loop is never held by all three at once, and the input
// and the window system's news that came meanwhile are handled between them. (A queued call
// would run in the same turn as the paint.)
void TMainForm::TakeStartStep() {
    if (!windows_.DialogsMade()) {
        windows_.CreateDialogs();
        start_step_.start();
        return;
    }
    FormActivate();
}

bool TMainForm::eventFilter(QObject* watched, QEvent* event) {
    if (watched == box && event->type() == QEvent::Paint && !board_painted_) {
        board_painted_ = true;
        // At a later turn, so that the board's pixels go to the window system first.
        if (start_dialogs_due_) start_step_.start();
    }
    return QWidget::eventFilter(watched, event);
}

// Only the first activation acts: the splash, the language choice if none was ever made, and
// the texts. The countdown of the current level runs meanwhile, as it always did, except on
// the very first start: there the language dialog waits for a new player who has not yet seen
// the board, and a running countdown would have lost level 1 before it was shown.
void TMainForm::FormActivate() {
    if (!FirstActivation) return;
    FirstActivation = false;
    std::optional<CountdownStopped> newPlayer;
    if (game_.Language == kLanguageNeverChosen) newPlayer.emplace(*Timer);
    windows_.Splash().exec();
    if (game_.Language == kLanguageNeverChosen) windows_.TongueDlg().Execute();
    ApplyLanguage();
    // Ready for the first move's sound; opened earlier, the sound library would be loaded while
    // the window and the splash are being shown, and slow them. The water of a level that
    // floods at the start opens the sound at once, and is heard at once.
    if (SoundBtn->isChecked()) waves->Open();
}

void TMainForm::moveEvent(QMoveEvent* event) {
    QWidget::moveEvent(event);
    if (isVisible()) last_frame_ = OuterRect(this);
}

void TMainForm::closeEvent(QCloseEvent* event) {
    last_frame_ = OuterRect(this);
    if (!FormCloseQuery()) {
        event->ignore();
        return;
    }
    FormClose();
    event->accept();
}

// The countdown runs again afterwards, also when the window is about to close.
bool TMainForm::FormCloseQuery() {
    const CountdownStopped stopped(*Timer);
    return windows_.EndGameDlg().Execute() == ModalResult::Yes;
}

void TMainForm::FormClose() {
    Timer->SetEnabled(false);
    SaveProgressFile(game_, *this, prompts_);
    WriteGameSettings({.Language = game_.Language,
                       .Level = game_.Board.CurrentLevel,
                       .ProgressPath = game_.ProgressPath,
                       .Sound = SoundBtn->isChecked()});
    help_system_.reset();  // closes the viewer and hands the help requests back
    HHCloseAll();
}

void TMainForm::FormDestroy() {
    StoreMainWindowPlacement(this, PositionKnown() ? std::optional(isVisible() ? OuterRect(this)
                                                                               : last_frame_)
                                                   : std::nullopt);
    waves->Stop();
    game_.ReleaseCatalogue();
}

}  // namespace slcy
