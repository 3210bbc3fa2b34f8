#include "Main.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QFont>
#include <QMessageBox>
#include <QScreen>

#include "Allsolvd.h"
#include "Endgame.h"
#include "Infodlg.h"
#include "Splasher.h"
#include "Giveup.h"
#include "Restart.h"
#include "Solved.h"
#include "Tongdlg.h"
#include "Toslow.h"
#include "drawing/glyphs.h"
#include "hh_funcs.h"
#include "progress_flow.h"
#include "settings_keys.h"
#include "settings_store.h"
#include "window_placement.h"
#include "widgets/show_effect.h"
#include "texts.h"
#include "windows.h"

namespace slcy {

namespace {

constexpr int kToolBarHeight = 33;
const char* const kMakersPage = "https://wumple-games.example/";

QFont LabelFont(int pixels, bool bold = false) {
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

QWidget* BlackShape(QWidget* parent, QRect where) {
    auto* shape = new QWidget(parent);
    shape->setGeometry(where);
    shape->setAutoFillBackground(true);
    QPalette p = shape->palette();
    p.setColor(QPalette::Window, Qt::black);
    shape->setPalette(p);
    return shape;
}

QFrame* LoweredBevel(QWidget* parent, QRect where) {
    auto* bevel = new QFrame(parent);
    bevel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    bevel->setGeometry(where);
    bevel->setAttribute(Qt::WA_TransparentForMouseEvents);
    return bevel;
}

QLabel* CounterLabel(QWidget* parent, QRect where, QColor colour) {
    auto* label = new QLabel(parent);
    label->setGeometry(where);
    label->setFont(LabelFont(11));
    QPalette p = label->palette();
    p.setColor(QPalette::WindowText, colour);
    label->setPalette(p);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

}  // namespace

TMainForm::TMainForm(const QString& programDirectory, QWidget* parent) : QWidget(parent) {
    CreateControls();
    FormCreate(programDirectory);
}

TMainForm::~TMainForm() { FormDestroy(); }

void TMainForm::FormDestroy() {
    StoreMainWindowPlacement(this, isVisible() ? frameGeometry() : last_frame_);
    waves->Stop();
    game_.ReleaseCatalogue();
}

QToolButton* TMainForm::MakeButton(QWidget* parent, const char* glyph, int images, QRect where,
                                   QSize glyphSize) {
    auto* button = new QToolButton(parent);
    button->setAutoRaise(true);
    button->setFocusPolicy(Qt::NoFocus);
    button->setGeometry(where);
    button->setIcon(GlyphIcon(QStringLiteral(":/glyphs/%1.png").arg(glyph), images));
    button->setIconSize(glyphSize);
    return button;
}

void TMainForm::CreateControls() {
    setWindowIcon(QIcon(QStringLiteral(":/icons/slcy2_4-32.png")));
    QFont system(QStringLiteral("Liberation Sans"));
    system.setPixelSize(13);
    setFont(system);

    ToolPanel = new QFrame(this);
    ToolPanel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    ToolPanel->setGeometry(0, 0, 500, kToolBarHeight);

    const QSize glyph(18, 18);
    NewGameBtn = MakeButton(this, "newgame", 1, {4, 4, 25, 25}, glyph);
    RestartBtn = MakeButton(this, "restart", 2, {31, 4, 25, 25}, glyph);
    LoadBtn = MakeButton(this, "load", 2, {58, 4, 25, 25}, glyph);
    SaveBtn = MakeButton(this, "save", 2, {85, 4, 25, 25}, glyph);
    PauseBtn = MakeButton(this, "pause", 1, {112, 4, 25, 25}, glyph);
    SoundBtn = MakeButton(this, "sound", 2, {139, 4, 25, 25}, {16, 16});
    SoundBtn->setCheckable(true);
    SoundBtn->setChecked(true);
    ExitBtn = MakeButton(this, "exit", 1, {166, 4, 25, 25}, glyph);

    Shape1 = BlackShape(this, {196, 5, 101, 24});
    Bevel2 = LoweredBevel(this, {196, 4, 101, 26});
    levellabel = CounterLabel(this, {200, 12, 45, 16}, QColor(255, 255, 0));
    levelbox = new PaintBox(drawing_.levelbox, this);
    levelbox->move(236, 7);

    tim = BlackShape(this, {300, 5, 81, 24});
    Bevel1 = LoweredBevel(this, {300, 4, 81, 26});
    TimeLabel = CounterLabel(this, {304, 12, 41, 16}, QColor(0, 255, 0));
    timbox = new PaintBox(drawing_.timbox, this);
    timbox->move(336, 7);

    TongueBtn = MakeButton(this, "tongue", 1, {384, 4, 25, 25}, {15, 15});
    RulesBtn = MakeButton(this, "rules", 1, {411, 4, 25, 25}, glyph);
    InfoBtn = MakeButton(this, "info", 1, {438, 4, 25, 25}, glyph);
    WumpleBtn = MakeButton(this, "wumple", 1, {465, 4, 29, 25}, {26, 20});

    box = new PaintBox(drawing_.box, this);
    box->move(0, kToolBarHeight);

    gsol = new SolvedGauge(this);
    gsol->setGeometry(410, kToolBarHeight + 130, 22, 180);

    PauseText = new ClickLabel(this);
    PauseText->setGeometry(68, 136, 265, 109);
    PauseText->setFont(LabelFont(27, true));
    PauseText->setAlignment(Qt::AlignCenter);
    PauseText->setWordWrap(true);
    QPalette yellow = PauseText->palette();
    yellow.setColor(QPalette::WindowText, QColor(255, 255, 0));
    PauseText->setPalette(yellow);
    PauseText->hide();

    ScrollPanel = new QWidget(this);
    ScrollPanel->setGeometry(450, kToolBarHeight + 130, 22, 181);
    sUpBtn = MakeButton(ScrollPanel, "sup", 2, {0, 0, 23, 22}, {13, 13});
    LevelScroll = new LevelScrollBar(ScrollPanel);
    LevelScroll->setGeometry(0, 21, 22, 138);
    sDownBtn = MakeButton(ScrollPanel, "sdown", 2, {0, 159, 23, 22}, {13, 13});

    Timer = new CountdownTimer(this);
    waves = new SoundPlayer(this);
    WebLink = QUrl(QString::fromLatin1(kMakersPage));

    setFixedSize(500, kToolBarHeight + 333);

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
    connect(waves, &SoundPlayer::playFailed, this, [this](const QString& message) {
        QMessageBox::critical(this, QApplication::applicationDisplayName(), message);
    });
}

// The start-up steps, in their order: the language first, so that every message of the start
// speaks it; then the help, the level, the progress file, the catalogue; the board last.
void TMainForm::FormCreate(const QString& programDirectory) {
    FirstActivation = true;
    game_.ProgramDirectory = programDirectory.toStdString();
    game_.Language = GetSettingInt(kSettingsSection, kLanguageKey, kLanguageDefault);
    setFixedSize(500, ToolPanel->height() + 333);
    gsol->move(gsol->x(), ToolPanel->height() + 130);
    ScrollPanel->move(450, ToolPanel->height() + 130);
    help_system_ = std::make_unique<THookHelpSystem>(programDirectory + kHelpFileName, QString(),
                                                     kHostViewer);
    game_.Board.CurrentLevel = GetSettingInt(kSettingsSection, kLevelKey, kLevelDefault);
    game_.ProgressPath = GetSettingText(kSettingsSection, kProgressPathKey, {}).toStdString();
    ReadStartupProgress(game_, prompts_);
    game_.LoadCatalogue(game_.ProgramDirectory);
    game_.SetLevelScrollRange();
    game_.ComputeAllSolvedFlag();
    // Overruled by the stored placement when the window is shown.
    move(GetSettingInt(kSettingsSection, kLeftKey, kLeftDefault),
         GetSettingInt(kSettingsSection, kTopKey, kTopDefault));
    SoundBtn->setChecked(GetSettingBool(kSettingsSection, kSoundKey, kSoundDefault));
    game_.StartStoredLevel();
}

void TMainForm::showEvent(QShowEvent* event) {
    RestoreMainWindowPlacement(this);
    QWidget::showEvent(event);
    if (!entrance_played_) {
        entrance_played_ = true;
        PlayExplodingRectangles(frameGeometry());
    }
    exposed_ = true;
    boxPaint();
    // Where the window system activates windows late or never, the start dialogs still come.
    QMetaObject::invokeMethod(this, &TMainForm::FormActivate, Qt::QueuedConnection);
}

void TMainForm::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow() && FirstActivation)
        QMetaObject::invokeMethod(this, &TMainForm::FormActivate, Qt::QueuedConnection);
}

// Only the first activation acts: the splash, the language choice if none was ever made, and
// the texts. The countdown of the current level runs meanwhile.
void TMainForm::FormActivate() {
    if (!FirstActivation) return;
    FirstActivation = false;
    if (Splash) Splash->exec();
    if (game_.Language == kLanguageNeverChosen && TongueDlg) TongueDlg->Execute();
    ApplyLanguage();
}

void TMainForm::moveEvent(QMoveEvent* event) {
    QWidget::moveEvent(event);
    if (isVisible()) last_frame_ = frameGeometry();
}

void TMainForm::closeEvent(QCloseEvent* event) {
    last_frame_ = frameGeometry();
    if (!FormCloseQuery()) {
        event->ignore();
        return;
    }
    FormClose();
    event->accept();
}

bool TMainForm::FormCloseQuery() {
    Timer->SetEnabled(false);
    const bool may_close = EndGameDlg ? EndGameDlg->Execute() == ModalResult::Yes : true;
    Timer->SetEnabled(true);
    return may_close;
}

void TMainForm::FormClose() {
    Timer->SetEnabled(false);
    SaveProgressFile(game_, *this, prompts_);
    PutSettingBool(kSettingsSection, kSoundKey, SoundBtn->isChecked());
    PutSettingInt(kSettingsSection, kLevelKey, game_.Board.CurrentLevel);
    PutSettingInt(kSettingsSection, kLanguageKey, game_.Language);
    PutSettingText(kSettingsSection, kProgressPathKey, QString::fromStdString(game_.ProgressPath));
    help_system_.reset();  // closes the viewer and hands the help requests back
    HHCloseAll();
}

// --- Drawing ------------------------------------------------------------------------------

void TMainForm::DrawBackground() {
    drawing_.DrawBackground();
    box->update();
    gsol->update();  // it stands on the board and has just been painted over
}

void TMainForm::DrawCell(int column, int row) {
    drawing_.DrawCell(game_.Board, column, row);
    box->update(QRect(CellOrigin(column, row), QSize(36, 36)));
}

void TMainForm::DrawTurnFrame(int column, int row, int kind, int frame) {
    drawing_.DrawTurnFrame(game_.Board, column, row, kind, frame);
    box->update(QRect(CellOrigin(column, row), QSize(36, 36)));
}

void TMainForm::DrawWetMarker(int column, int row, int markerFrame) {
    drawing_.DrawWetMarker(column, row, markerFrame);
    box->update(QRect(MarkerOrigin(column, row), QSize(12, 12)));
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
    const int l = game_.Language;
    LoadBtn->setToolTip(Tr(l, "Ich hol mir einen alten Spielstand.", "I want to continue an old game."));
    SaveBtn->setToolTip(Tr(l, "Einmal zu oft gesichert ist besser als einmal zuwenig",
                           "Save often, save always."));
    NewGameBtn->setToolTip(Tr(l, "Ich fang ein neues Spiel an.", "I want to play a new game."));
    RestartBtn->setToolTip(Tr(l, "Ich probier's nochmal.", "I try it again."));
    SoundBtn->setToolTip(Tr(l, "Die Geräusche mag ich nicht immer.", "I dont like the sound always."));
    RulesBtn->setToolTip(Tr(l, "Worum geht's da eigentlich?", "What's to do here?"));
    PauseBtn->setToolTip(Tr(l, "Ich brauch eine kurze Pause.", "I need a break."));
    ExitBtn->setToolTip(Tr(l, "Ich hab genug!", "I have enough!"));
    InfoBtn->setToolTip(Tr(l, "Wer hat diese Spiele nur verbrochen?", "Who did these WUMPLE GAME?"));
    PauseText->setText(Tr(l, "Spiel angehalten! Linke Maustaste zum weitermachen.",
                          "Game paused! Press left mouse button to continue."));
    sUpBtn->setToolTip(Tr(l, "nächsthöhere ungelöste Stufe", "Next unsolved level"));
    sDownBtn->setToolTip(Tr(l, "nächstniedere ungelöste Stufe", "Previous unsolved level"));
    LevelScroll->setToolTip(Tr(l, "Stufe wählen", "Select level"));
    TimeLabel->setText(Tr(l, "Zeit:", "Time:"));
    levellabel->setText(Tr(l, "Stufe:", "Level:"));
    // Each language offers the other in its own words.
    TongueBtn->setToolTip(Tr(l, "I don't speak german.", "Ich spreche nicht englisch."));
    WumpleBtn->setToolTip(Tr(l, "Hurra, es gibt noch mehr Wumple Games.",
                             "Hurrah, there are more WUMPLE GAMES."));
    timboxPaint();
    RefreshCaptionAndGauge();
}

// --- Controls that follow the rules ---------------------------------------------------------

void TMainForm::SetPauseBtnEnabled(bool enabled) { PauseBtn->setEnabled(enabled); }
void TMainForm::SetPauseTextVisible(bool visible) { PauseText->setVisible(visible); }
void TMainForm::SetLevelScrollMax(int maximum) { LevelScroll->setRange(1, std::max(1, maximum)); }
void TMainForm::SetLevelScrollPosition(int position) { LevelScroll->SetPositionQuietly(position); }
void TMainForm::SetTimerEnabled(bool enabled) { Timer->SetEnabled(enabled); }

void TMainForm::PlaySoundEffect(SoundId sound) {
    if (!SoundBtn->isChecked()) return;
    waves->Play(static_cast<int>(sound));
}

ModalResult TMainForm::ShowGiveUpDlg() {
    return GiveUpDlg ? GiveUpDlg->Execute() : ModalResult::Cancel;
}
ModalResult TMainForm::ShowRestartDlg() {
    return RestartDlg ? RestartDlg->Execute() : ModalResult::Cancel;
}
ModalResult TMainForm::ShowSolvedDlg() { return SolvedDlg ? SolvedDlg->Execute() : ModalResult::OK; }
ModalResult TMainForm::ShowToSlowDlg() { return ToSlowDlg ? ToSlowDlg->Execute() : ModalResult::OK; }
ModalResult TMainForm::ShowAllSolvedDlg() {
    return AllSolvedDlg ? AllSolvedDlg->Execute() : ModalResult::OK;
}

void TMainForm::ShowErrorMessage(const std::string& text) {
    QMessageBox box(QMessageBox::Critical, QStringLiteral("Fehler"), QString::fromStdString(text),
                    QMessageBox::Ok, isVisible() ? this : nullptr);
    box.exec();
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
    game_.boxMouseDown(b, at.x(), at.y());
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
    Timer->SetEnabled(false);
    if (InfoDialog) InfoDialog->Execute();
    Timer->SetEnabled(true);
}

// The rules open in a window of their own: the countdown stops only for the moment of the
// request and runs on while they are read.
void TMainForm::rules() {
    Timer->SetEnabled(false);
    HelpContext(RulesContext(game_.Language));
    Timer->SetEnabled(true);
}

// The countdown stands still while a file is chosen.
void TMainForm::SaveBtnClick() {
    Timer->SetEnabled(false);
    SaveProgressFile(game_, *this, prompts_);
    Timer->SetEnabled(true);
}

void TMainForm::LoadBtnClick() {
    Timer->SetEnabled(false);
    LoadProgressFile(game_, *this, prompts_);
    Timer->SetEnabled(true);
}

// The countdown keeps running while the language is chosen.
void TMainForm::TongueBtnClick() {
    if (TongueDlg) TongueDlg->Execute();
    ApplyLanguage();
}

// A page that cannot be opened switches the link off for the rest of the run, silently.
void TMainForm::WumpleBtnClick() {
    if (!WebLinkActive) return;
    if (!QDesktopServices::openUrl(WebLink)) WebLinkActive = false;
}

}  // namespace slcy
