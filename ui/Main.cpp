#include "Main.h"

#include <QDesktopServices>

#include "Allsolvd.h"
#include "Giveup.h"
#include "Infodlg.h"
#include "Restart.h"
#include "Solved.h"
#include "Tongdlg.h"
#include "Toslow.h"
#include "hh_funcs.h"
#include "progress_flow.h"
#include "texts.h"
#include "window_registry.h"

namespace slcy {

namespace {
const char* const kMakersPage = "https://wumple-games.example/";
}  // namespace

TMainForm::TMainForm(const QString& programDirectory, Windows& windows) : windows_(windows) {
    BuildMainWindow(*this, *this, drawing_);
    Timer = new CountdownTimer(this);
    waves = new SoundPlayer(this);
    WebLink = QUrl(QString::fromLatin1(kMakersPage));
    ConnectHandlers();
    FormCreate(programDirectory);
}

TMainForm::~TMainForm() { FormDestroy(); }

void TMainForm::ConnectHandlers() {
    connect(box, &PaintBox::pressed, this, &TMainForm::boxMouseDown);
    connect(box, &PaintBox::clicked, this, &TMainForm::boxClick);
    connect(PauseText, &ClickLabel::clicked, this, &TMainForm::boxClick);
    connect(Timer, &QTimer::timeout, this, &TMainForm::TimerTimer);
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
}

// --- Drawing ------------------------------------------------------------------------------

void TMainForm::DrawBackground() {
    drawing_.DrawBackground();
    box->update();
    gsol->update();  // it stands on the board and has just been painted over
}

void TMainForm::DrawCell(int column, int row) {
    drawing_.DrawCell(game_.Board, column, row);
    box->update(QRect(CellOrigin(column, row), QSize(kCellSize, kCellSize)));
}

void TMainForm::DrawTurnFrame(int column, int row, int kind, int frame) {
    drawing_.DrawTurnFrame(game_.Board, column, row, kind, frame);
    box->update(QRect(CellOrigin(column, row), QSize(kCellSize, kCellSize)));
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
}

void TMainForm::levelboxPaint() {
    const int level = game_.Board.CurrentLevel;
    const bool solved = ShowsSolved(game_.ProgressTable, level);
    drawing_.PaintLevel(level, solved);
    levelbox->update();
    levelbox->setToolTip(LevelHint(game_.Language, level, solved));
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
    switch (button) {
        case Qt::LeftButton: return game_.boxMouseDown(MouseButton::Left, at.x(), at.y());
        case Qt::RightButton: return game_.boxMouseDown(MouseButton::Right, at.x(), at.y());
        case Qt::MiddleButton: return game_.boxMouseDown(MouseButton::Middle, at.x(), at.y());
        default: return;
    }
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

// The rules open in a window of their own: the countdown stops only for the moment of the
// request and runs on while they are read.
void TMainForm::rules() {
    const CountdownStopped stopped(*Timer);
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
