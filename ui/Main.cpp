#include "Main.h"

#include <QApplication>
#include <QDesktopServices>
#include <QKeyEvent>
#include <QScreen>

#include "Allsolvd.h"
#include "Giveup.h"
#include "Infodlg.h"
#include "Restart.h"
#include "Solved.h"
#include "Tongdlg.h"
#include "Toslow.h"
#include "hh_funcs.h"
#include "progress_flow.h"
#include "screen/message_box.h"
#include "texts.h"
#include "widgets/accessibility.h"
#include "window_registry.h"

namespace slcy {

namespace {
const char* const kMakersPage = "https://wumple-games.example/";

// The density of the screen the game starts on, which decides the scale of its art.
double StartScreenRatio() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->devicePixelRatio() : 1.0;
}
}  // namespace

TMainForm::TMainForm(const QString& programDirectory, WindowRegistry& windows)
    : windows_(windows), sheets_(ArtScaleFor(StartScreenRatio(), programDirectory)) {
    InstallAccessibleInterfaces();
    BuildMainWindow(*this, *this, drawing_);
    box->Watch(&game_.Board, &game_.Language);
    box->installEventFilter(this);
    Timer = new CountdownTimer(this);
    waves = new SoundPlayer(this);
    WebLink = QUrl(QString::fromLatin1(kMakersPage));
    ConnectHandlers();
    FormCreate(programDirectory);
}

TMainForm::~TMainForm() { FormDestroy(); }

void TMainForm::ConnectHandlers() {
    connect(box, &PaintBox::pressed, this, &TMainForm::boxMouseDown);
    connect(box, &BoardBox::keyPressed, this, &TMainForm::boxKeyPress);
    connect(box, &PaintBox::clicked, this, &TMainForm::boxClick);
    connect(PauseText, &ClickLabel::clicked, this, &TMainForm::boxClick);
    connect(Timer, &QTimer::timeout, this, &TMainForm::TimerTimer);
    start_step_.setSingleShot(true);
    connect(&start_step_, &QTimer::timeout, this, &TMainForm::TakeStartStep);
    connect(NewGameBtn, &QToolButton::clicked, this, &TMainForm::NewGameBtnClick);
    connect(RestartBtn, &QToolButton::clicked, this, &TMainForm::RestartBtnClick);
    connect(PauseBtn, &QToolButton::clicked, this, &TMainForm::Pause);
    connect(ExitBtn, &QToolButton::clicked, this, &TMainForm::ExitBtnClick);
    connect(WumpleBtn, &QToolButton::clicked, this, &TMainForm::WumpleBtnClick);
    connect(TongueBtn, &QToolButton::clicked, this, &TMainForm::TongueBtnClick);
    connect(InfoBtn, &QToolButton::clicked, this, &TMainForm::info);
    connect(RulesBtn, &QToolButton::clicked, this, &TMainForm::rules);
    connect(SaveBtn, &QToolButton::clicked, this, &TMainForm::SaveBtnClick);
    connect(LoadBtn, &QToolButton::clicked, this, &TMainForm::LoadBtnClick);
    connect(sUpBtn, &QToolButton::clicked, this, &TMainForm::sUpBtnClick);
    connect(sDownBtn, &QToolButton::clicked, this, &TMainForm::sDownBtnClick);
    connect(LevelScroll, &LevelScrollBar::scrolled, this, &TMainForm::LevelScrollScroll);
    // The player turns the sound on: the output gets ready for the next sound. (A sound setting
    // read at the start waits for the start dialogs instead.)
    connect(SoundBtn, &QToolButton::clicked, waves, [this](bool on) {
        if (on) waves->Open();
    });
    // A sound the system refuses is reported as the system words it (once: the player says
    // that is enough), captioned with the program's name; the game goes on, its countdown
    // held while the box interrupts it.
    connect(waves, &SoundPlayer::playFailed, this, [this](const QString& message) {
        const CountdownStopped stopped(*Timer);
        CentredMessageBox box(QMessageBox::Critical, QApplication::applicationDisplayName(),
                              message, this);
        box.addButton(QMessageBox::Ok);
        box.exec();
    });
}

// --- Drawing ------------------------------------------------------------------------------

void TMainForm::DrawBackground() {
    level_drawn_ = true;
    drawing_.DrawBackground();
    box->update();
    gsol->update();  // it stands on the board and has just been painted over
}

void TMainForm::DrawCell(int column, int row) {
    drawing_.DrawCell(game_.Board, column, row);
    box->update(CellRect(column, row));
}

void TMainForm::DrawTurnFrame(int column, int row, int kind, int frame) {
    drawing_.DrawTurnFrame(game_.Board, column, row, kind, frame);
    box->update(CellRect(column, row));
}

void TMainForm::DrawWetMarker(int column, int row, int markerFrame) {
    drawing_.DrawWetMarker(column, row, markerFrame);
    box->update(QRect(MarkerOrigin(column, row), QSize(kMarkerSize, kMarkerSize)));
}

// Every frame of an animation has to be on the screen before the pause that follows it, and
// no events are handled during the pause: so it is painted now, not later.
void TMainForm::PresentDrawing() {
    if (exposed_ && isVisible()) box->repaint();
}

void TMainForm::timboxPaint() {
    drawing_.PaintTime(game_.Board.TimeLeft);
    timbox->update();
    timbox->setAccessibleName(TimeCounterText(game_.Language, game_.Board.TimeLeft));
}

void TMainForm::levelboxPaint() {
    const int level = game_.Board.CurrentLevel;
    const bool solved = ShowsSolved(game_.ProgressTable, level);
    drawing_.PaintLevel(level, solved);
    levelbox->update();
    levelbox->setToolTip(LevelHint(game_.Language, level, solved));
    levelbox->setAccessibleName(LevelCounterText(game_.Language, level, solved));
}

void TMainForm::RefreshCaptionAndGauge() {
    const QString caption = CaptionText(game_.Language, game_.ProgressPath);
    levelboxPaint();
    setWindowTitle(caption);
    const int solved = SolvedCount(game_.ProgressTable, game_.LevelCount);
    gsol->SetRange(game_.LevelCount, solved);
    gsol->setToolTip(GaugeHint(game_.Language, solved, game_.LevelCount));
}

void TMainForm::boxPaint() {
    drawing_.DrawBackground();
    ForEachCell([&](int column, int row) { drawing_.DrawCell(game_.Board, column, row); });
    box->update();
    timboxPaint();
    levelboxPaint();
    RefreshCaptionAndGauge();
}

void TMainForm::ApplyLanguage() {
    ApplyMainWindowTexts(*this, game_.Language);
    timboxPaint();
    RefreshCaptionAndGauge();
}

// --- What the rules ask of the controls and the dialogs -------------------------------------

void TMainForm::SetPauseBtnEnabled(bool enabled) { PauseBtn->setEnabled(enabled); }
void TMainForm::SetPauseTextVisible(bool visible) { PauseText->setVisible(visible); }
void TMainForm::SetLevelScrollMax(int maximum) { LevelScroll->setRange(1, std::max(1, maximum)); }
void TMainForm::SetLevelScrollPosition(int position) { LevelScroll->SetPositionQuietly(position); }
void TMainForm::SetTimerEnabled(bool enabled) { Timer->SetEnabled(enabled); }
void TMainForm::LevelStarted() { box->SetCursor(game_.Board.SourceCell); }

void TMainForm::PlaySoundEffect(SoundId sound) {
    if (!SoundBtn->isChecked()) return;
    waves->Play(static_cast<int>(sound));
}

ModalResult TMainForm::ShowGiveUpDlg() { return windows_.GiveUpDlg().Execute(); }
ModalResult TMainForm::ShowRestartDlg() { return windows_.RestartDlg().Execute(); }
ModalResult TMainForm::ShowSolvedDlg() { return windows_.SolvedDlg().Execute(); }
ModalResult TMainForm::ShowToSlowDlg() { return windows_.ToSlowDlg().Execute(); }
ModalResult TMainForm::ShowAllSolvedDlg() { return windows_.AllSolvedDlg().Execute(); }

void TMainForm::ShowErrorMessage(const std::string& text) {
    prompts_.ShowError(QString::fromStdString(text));
}

// --- Handlers -------------------------------------------------------------------------------

void TMainForm::boxMouseDown(Qt::MouseButton button, QPoint at) {
    MouseButton b;
    switch (button) {
        case Qt::LeftButton: b = MouseButton::Left; break;
        case Qt::RightButton: b = MouseButton::Right; break;
        case Qt::MiddleButton: b = MouseButton::Middle; break;
        default: return;
    }
    // The keyboard's cursor follows, unseen, so that keys go on from the last cell clicked.
    if (const std::optional<Cell> cell = CellAt(at.x(), at.y())) box->SetCursor(*cell);
    game_.boxMouseDown(b, at.x(), at.y());
}

// A key on the board moves the cursor, or presses the cell under it as the mouse button
// would, by the same rules. While the game is paused any of them resumes it, as a click does,
// and turns nothing.
void TMainForm::boxKeyPress(BoardBox::Key key) {
    if (game_.Board.PlayState == PlayState::Paused) return game_.boxClick();
    const Cell at = box->cursor();
    switch (key) {
        case BoardBox::Key::CursorLeft: return box->MoveCursor(-1, 0);
        case BoardBox::Key::CursorRight: return box->MoveCursor(+1, 0);
        case BoardBox::Key::CursorUp: return box->MoveCursor(0, -1);
        case BoardBox::Key::CursorDown: return box->MoveCursor(0, +1);
        case BoardBox::Key::TurnLeft: game_.PressCell(MouseButton::Left, at.Column, at.Row); break;
        case BoardBox::Key::TurnRight: game_.PressCell(MouseButton::Right, at.Column, at.Row); break;
        case BoardBox::Key::MoveSource: game_.PressCell(MouseButton::Middle, at.Column, at.Row); break;
    }
    box->AnnounceCursorCell();
}

// A, D and S are no keys of the selector or the tool bar: from anywhere in the window they
// bring the player to the board, where the next one acts.
void TMainForm::keyPressEvent(QKeyEvent* event) {
    if (BoardBox::LetterOf(*event)) {
        box->setFocus(Qt::ShortcutFocusReason);
        return;
    }
    QWidget::keyPressEvent(event);
}

void TMainForm::boxClick() { game_.boxClick(); }
void TMainForm::TimerTimer() { game_.TimerTimer(); }
void TMainForm::NewGameBtnClick() { game_.NewGameBtnClick(); }
void TMainForm::RestartBtnClick() { game_.RestartBtnClick(); }
void TMainForm::Pause() { game_.Pause(); }
void TMainForm::sUpBtnClick() { game_.sUpBtnClick(); }
void TMainForm::sDownBtnClick() { game_.sDownBtnClick(); }
void TMainForm::LevelScrollScroll(int position) { game_.LevelScrollScroll(position); }
void TMainForm::ExitBtnClick() { close(); }

// The countdown stands still while the information is read.
void TMainForm::info() {
    const CountdownStopped stopped(*Timer);
    windows_.InfoDialog().Execute();
}

// The rules open in a window of their own beside the game: the countdown stops only for the
// moment of the request and runs on while they are read.
void TMainForm::rules() {
    const CountdownStopped stopped(*Timer);
    help_system_->Owner = this;
    HelpContext(RulesContext(game_.Language));
}

// The countdown stands still while a file is chosen.
void TMainForm::SaveBtnClick() {
    const CountdownStopped stopped(*Timer);
    SaveProgressFile(game_, *this, prompts_);
}

void TMainForm::LoadBtnClick() {
    const CountdownStopped stopped(*Timer);
    LoadProgressFile(game_, *this, prompts_);
}

// The countdown keeps running while the language is chosen.
void TMainForm::TongueBtnClick() {
    windows_.TongueDlg().Execute();
    ApplyLanguage();
}

// A page that cannot be opened switches the link off for the rest of the run, silently.
void TMainForm::WumpleBtnClick() {
    if (!WebLinkActive) return;
    if (!QDesktopServices::openUrl(WebLink)) WebLinkActive = false;
}

}  // namespace slcy
