#include "main_layout.h"

#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QPalette>
#include <QShortcut>

#include "AssetPaths.h"
#include "board_layout.h"
#include "glyphs.h"
#include "texts.h"

namespace slcy {

namespace {

using Controls = MainWindowControls;

// A flat speed button of the tool bar or the level bar.
struct ButtonRow {
    SpeedButton* Controls::*control;
    bool onLevelBar;  // a child of ScrollPanel, placed in its coordinates
    QRect where;
    const char* glyph;
    int glyphMargin;
    const char* key;  // the keyboard's way to the button, or none
    const char* germanHint;
    const char* englishHint;
};

constexpr int kCentred = SpeedButton::kCentred;

// Left to right along the tool bar, then the level bar's two buttons.
const ButtonRow kButtons[] = {
    {&Controls::NewGameBtn, false, {4, 4, 25, 25}, "newgame", kCentred, "Ctrl+N",
     "Ich fang ein neues Spiel an.", "I want to play a new game."},
    {&Controls::RestartBtn, false, {31, 4, 25, 25}, "restart", 3, "Ctrl+R",
     "Ich probier's nochmal.", "I try it again."},
    {&Controls::LoadBtn, false, {58, 4, 25, 25}, "load", kCentred, "Ctrl+O",
     "Ich hol mir einen alten Spielstand.", "I want to continue an old game."},
    {&Controls::SaveBtn, false, {85, 4, 25, 25}, "save", kCentred, "Ctrl+S",
     "Einmal zu oft gesichert ist besser als einmal zuwenig", "Save often, save always."},
    {&Controls::PauseBtn, false, {112, 4, 25, 25}, "pause", kCentred, "P",
     "Ich brauch eine kurze Pause.", "I need a break."},
    {&Controls::SoundBtn, false, {139, 4, 25, 25}, "sound", kCentred, "M",
     "Die Geräusche mag ich nicht immer.", "I dont like the sound always."},
    {&Controls::ExitBtn, false, {166, 4, 25, 25}, "exit", 2, "Ctrl+Q",
     "Ich hab genug!", "I have enough!"},
    // Each language offers the other in its own words.
    {&Controls::TongueBtn, false, {384, 4, 25, 25}, "tongue", kCentred, nullptr,
     "I don't speak german.", "Ich spreche nicht englisch."},
    {&Controls::RulesBtn, false, {411, 4, 25, 25}, "rules", 2, "F1",
     "Worum geht's da eigentlich?", "What's to do here?"},
    {&Controls::InfoBtn, false, {438, 4, 25, 25}, "info", 2, nullptr,
     "Wer hat diese Spiele nur verbrochen?", "Who did these WUMPLE GAME?"},
    {&Controls::WumpleBtn, false, {465, 4, 29, 25}, "wumple", kCentred, nullptr,
     "Hurra, es gibt noch mehr Wumple Games.", "Hurrah, there are more WUMPLE GAMES."},
    {&Controls::sUpBtn, true, {0, 0, 23, 22}, "sup", kCentred, nullptr,
     "nächsthöhere ungelöste Stufe", "Next unsolved level"},
    {&Controls::sDownBtn, true, {0, 159, 23, 22}, "sdown", kCentred, nullptr,
     "nächstniedere ungelöste Stufe", "Previous unsolved level"},
};

QFont Font(int pixels, bool bold = false) {
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

void SetColour(QWidget* widget, QPalette::ColorRole role, QColor colour) {
    QPalette p = widget->palette();
    p.setColor(role, colour);
    widget->setPalette(p);
}

QWidget* BlackShape(QWidget* parent, QRect where) {
    auto* shape = new QWidget(parent);
    shape->setGeometry(where);
    shape->setAutoFillBackground(true);
    SetColour(shape, QPalette::Window, Qt::black);
    return shape;
}

QFrame* LoweredBevel(QWidget* parent, QRect where) {
    auto* bevel = new QFrame(parent);
    bevel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    bevel->setGeometry(where);
    bevel->setAttribute(Qt::WA_TransparentForMouseEvents);
    return bevel;
}

// The caption of a counter: transparent, in the counter's colour.
QLabel* CounterLabel(QWidget* parent, QRect where, QColor colour) {
    auto* label = new QLabel(parent);
    label->setGeometry(where);
    label->setFont(Font(12));
    SetColour(label, QPalette::WindowText, colour);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

PaintBox* Surface(QWidget* parent, const QImage& image, int scale, QPoint at) {
    auto* surface = new PaintBox(image, scale, parent);
    surface->move(at);
    return surface;
}

}  // namespace

void BuildMainWindow(QWidget& window, Controls& c, const BoardDrawing& drawing) {
    window.setWindowIcon(WindowIcon());
    window.setFont(Font(13));
    window.setFixedSize(kClientWidth, kClientHeight);

    c.ToolPanel = new QFrame(&window);
    c.ToolPanel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    c.ToolPanel->setGeometry(0, 0, kClientWidth, kToolBarHeight);

    // The level bar stands over its black slot of the board picture.
    c.ScrollPanel = new QWidget(&window);
    // Its buttons and selector as the table gives them reach one row below the slot.
    c.ScrollPanel->setGeometry(kLevelBarSlotLeft, kToolBarHeight + kSlotTop, kSlotWidth,
                               kSlotHeight + 1);

    for (const ButtonRow& row : kButtons) {
        auto* button = new SpeedButton(row.onLevelBar ? c.ScrollPanel : &window, row.glyphMargin);
        button->setGeometry(row.where);
        button->setIcon(ButtonIcon(row.glyph));
        button->setIconSize(ButtonIconSize(row.glyph));
        c.*row.control = button;
        c.texts.push_back({button, false, row.germanHint, row.englishHint, row.key});
        if (row.key) {
            // A key does what a click does, where a click can: a disabled button takes none.
            auto* shortcut = new QShortcut(QKeySequence(QString::fromLatin1(row.key)), &window);
            QObject::connect(shortcut, &QShortcut::activated, button, &QAbstractButton::click);
        }
    }
    c.SoundBtn->setCheckable(true);
    c.SoundBtn->setChecked(true);

    c.Shape1 = BlackShape(&window, {196, 5, 101, 24});
    c.Bevel2 = LoweredBevel(&window, {196, 4, 101, 26});
    c.levellabel = CounterLabel(&window, {200, 12, 45, 16}, QColor(255, 255, 0));
    c.texts.push_back({c.levellabel, true, "Stufe:", "Level:"});
    c.levelbox = Surface(&window, drawing.levelbox, drawing.scale(), {236, 7});

    c.tim = BlackShape(&window, {300, 5, 81, 24});
    c.Bevel1 = LoweredBevel(&window, {300, 4, 81, 26});
    c.TimeLabel = CounterLabel(&window, {304, 12, 41, 16}, QColor(0, 255, 0));
    c.texts.push_back({c.TimeLabel, true, "Zeit:", "Time:"});
    c.timbox = Surface(&window, drawing.timbox, drawing.scale(), {336, 7});

    c.box = new BoardBox(drawing.box, drawing.scale(), &window);
    c.box->move(0, kToolBarHeight);
    c.gsol = new SolvedGauge(&window);
    c.gsol->setGeometry(kGaugeSlotLeft, kToolBarHeight + kSlotTop, kSlotWidth, kSlotHeight);

    c.PauseText = new ClickLabel(&window);
    c.PauseText->setGeometry(68, 136, 265, 109);
    c.PauseText->setFont(Font(27, true));
    c.PauseText->setAlignment(Qt::AlignCenter);
    c.PauseText->setWordWrap(true);
    SetColour(c.PauseText, QPalette::WindowText, QColor(255, 255, 0));
    c.PauseText->hide();
    c.texts.push_back({c.PauseText, true, "Spiel angehalten! Linke Maustaste zum weitermachen.",
                       "Game paused! Press left mouse button to continue."});

    c.LevelScroll = new LevelScrollBar(c.ScrollPanel);
    c.LevelScroll->setGeometry(0, 21, 22, 138);
    c.texts.push_back({c.LevelScroll, false, "Stufe wählen", "Select level"});
    // Above the board, which is made after the panel.
    c.ScrollPanel->raise();
    // The selector has the focus when the window opens; Tab goes to the board and back.
    QWidget::setTabOrder(c.LevelScroll, c.box);
    c.LevelScroll->setFocus();
}

void ApplyMainWindowTexts(const Controls& c, int language) {
    for (const Controls::BilingualText& t : c.texts) {
        const QString text = Tr(language, t.german, t.english);
        if (t.caption) {
            static_cast<QLabel*>(t.control)->setText(text);
            continue;
        }
        t.control->setToolTip(text);
        t.control->setAccessibleName(text);
        t.control->setAccessibleDescription(KeyText(language, t.key));
    }
}

void PrepareCaptionLettering(const MainWindowControls& c) {
    // One pixel of the window's own kind: the letters are kept for every surface of that kind.
    QImage scratch(1, 1, QImage::Format_RGB32);
    QPainter painter(&scratch);
    for (const MainWindowControls::BilingualText& t : c.texts) {
        if (!t.caption || t.control->isHidden()) continue;
        const auto* label = static_cast<const QLabel*>(t.control);
        painter.setFont(label->font());
        painter.drawText(0, 0, label->text());
    }
}

}  // namespace slcy
