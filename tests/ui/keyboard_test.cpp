// Playing without a mouse, and what a screen reader finds: the board's cursor and keys, the
// tool bar's keys, and the accessible names, texts and table of the main window.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QtGui/private/qguiapplication_p.h>
#include <QtGui/qpa/qplatformaccessibility.h>
#include <QtGui/qpa/qplatformintegration.h>
#include <fstream>

#include "Main.h"
#include "dialog_script.h"
#include "hh_funcs.h"
#include "help_viewer.h"
#include "settings_store.h"
#include "sound_noting_window.h"
#include "texts.h"
#include "test_levels.h"
#include "window_registry.h"

namespace slcy {
namespace {

// Level 1: an end piece at the source (1,1) pointing right into a bend at (2,1) that opens up
// and left; below the bend a dry end piece at (2,2) pointing up. One turn of the bend
// anticlockwise wets it: the level is solved. Level 2: a lone cross.
void WriteCatalogue(const QString& path) {
    testing::WriteCatalogue(
        path.toStdString(),
        {testing::MakeLevel({1, 1}, {{1, 1, kEndPiece, 0}, {2, 1, kBend, 1}, {2, 2, kEndPiece, 1}}),
         testing::MakeLevel({5, 5}, {{5, 5, kCross, 0}})});
}

// A screen reader listening: Qt's accessibility switched on as the desktop's bridge switches
// it on, and every focus event it is sent heard as the screen reader hears it.
class ScreenReader {
public:
    // What one focus event said: the cell, counted from 1 (0,0 for a widget), its name, whether
    // it called itself focused, and where it is on the screen.
    struct Heard {
        Cell cell;
        QString name;
        bool focused;
        QRect rect;
    };
    ScreenReader() {
        heard_ = &heard;
        QAccessible::installUpdateHandler(&Hear);
        QGuiApplicationPrivate::platformIntegration()->accessibility()->setActive(true);
    }
    ~ScreenReader() {
        QGuiApplicationPrivate::platformIntegration()->accessibility()->setActive(false);
        QAccessible::installUpdateHandler(nullptr);
        heard_ = nullptr;
    }
    std::vector<Heard> heard;

private:
    static void Hear(QAccessibleEvent* event) {
        QAccessibleInterface* focused = event->accessibleInterface();
        if (event->type() != QAccessible::Focus || !focused || !heard_) return;
        const QAccessibleTableCellInterface* cell = focused->tableCellInterface();
        heard_->push_back({cell ? Cell{cell->columnIndex() + 1, cell->rowIndex() + 1} : Cell{0, 0},
                           focused->text(QAccessible::Name), bool(focused->state().focused),
                           focused->rect()});
    }
    static inline std::vector<Heard>* heard_ = nullptr;
};

class Keyboard : public ::testing::Test {
protected:
    QTemporaryDir dir;
    WindowRegistry windows;
    SoundNotingWindow* main = nullptr;

    void SetUp() override {
        QFile::remove(SettingsFilePath());
        ASSERT_TRUE(PutSettingText(QStringLiteral("common"), QStringLiteral("tongue"), "0"));
        WriteCatalogue(QDir(dir.path()).filePath("slcy.dat"));
        main = &windows.CreateMainWindow<SoundNotingWindow>(dir.path() + '/');
        windows.CreateDialogs();
        main->FirstActivation = false;
        main->show();
        main->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(main));
    }
    Game& game() { return main->game(); }
    // A key as the player presses it: to whatever has the focus in the main window, which is
    // active again once a dialog over it has closed.
    void Press(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        main->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(main));
        QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : main;
        QTest::keyClick(target, static_cast<Qt::Key>(key), modifiers);
    }
    QImage Board() const { return main->box->grab().toImage(); }
};

TEST_F(Keyboard, TheSelectorHasTheFocusAtFirstAndUpStillChangesTheLevel) {
    EXPECT_EQ(QApplication::focusWidget(), main->LevelScroll);
    Press(Qt::Key_Up);
    EXPECT_EQ(game().Board.CurrentLevel, 2);
}

TEST_F(Keyboard, ALevelIsSolvedByKeysAlone) {
    DialogScript script({Confirm});
    Press(Qt::Key_S);  // to the board: the cursor on the source
    EXPECT_EQ(QApplication::focusWidget(), main->box);
    EXPECT_EQ(main->box->cursor(), (Cell{1, 1}));
    EXPECT_EQ(game().Board.PlayState, PlayState::Running);  // nothing pressed yet
    Press(Qt::Key_Right);
    Press(Qt::Key_A);
    EXPECT_EQ(game().Board.PlayState, PlayState::Solved);
    EXPECT_EQ(script.seen, std::vector<QString>{"slcy::TSolvedDlg"});
    EXPECT_EQ(game().Board.SourceCell, (Cell{2, 1}));
}

TEST_F(Keyboard, BoardKeysFollowTheRulesOfTheMouse) {
    Press(Qt::Key_D);
    Press(Qt::Key_Down);  // (1,2): empty, and the cursor stops at the edges
    Press(Qt::Key_Left);
    EXPECT_EQ(main->box->cursor(), (Cell{1, 2}));
    Press(Qt::Key_Right);  // (2,2): dry, refused with its sound
    Press(Qt::Key_D);
    EXPECT_EQ(main->sounds, std::vector<SoundId>{SoundId::DryPieceClicked});
    EXPECT_EQ(game().Board.Piece(2, 2), MakeTile(kEndPiece, 1));
    Press(Qt::Key_Up);  // (2,1): S on the board moves the source there without turning
    Press(Qt::Key_S);
    EXPECT_EQ(game().Board.SourceCell, (Cell{2, 1}));
    EXPECT_EQ(game().Board.Piece(2, 1), MakeTile(kBend, 1));
    Press(Qt::Key_Left);  // and so does Space: back to (1,1)
    Press(Qt::Key_Space);
    EXPECT_EQ(game().Board.SourceCell, (Cell{1, 1}));
    EXPECT_EQ(game().Board.Piece(1, 1), MakeTile(kEndPiece, 0));
    Press(Qt::Key_Right);
    // Paused, any board key resumes and turns nothing.
    Press(Qt::Key_P);
    ASSERT_EQ(game().Board.PlayState, PlayState::Paused);
    Press(Qt::Key_A);
    EXPECT_EQ(game().Board.PlayState, PlayState::Running);
    EXPECT_EQ(game().Board.Piece(2, 1), MakeTile(kBend, 1));
}

TEST_F(Keyboard, TheCursorStopsAtTheEdges) {
    const struct {
        int key, presses;
        Cell after;
    } moves[] = {
        {Qt::Key_Left, 1, {1, 1}},  {Qt::Key_Up, 1, {1, 1}},     {Qt::Key_Right, 12, {10, 1}},
        {Qt::Key_Down, 10, {10, 8}}, {Qt::Key_Left, 12, {1, 8}}, {Qt::Key_Up, 10, {1, 1}},
    };
    Press(Qt::Key_S);
    ASSERT_TRUE(main->box->CursorShown());
    for (const auto& move : moves) {
        for (int i = 0; i < move.presses; ++i) Press(move.key);
        EXPECT_EQ(main->box->cursor(), move.after) << QKeySequence(move.key).toString().toStdString();
    }
}

// Ctrl, Alt and Meta make another key of a board key, on the board and from anywhere in the
// window; Shift changes nothing.
TEST_F(Keyboard, WithCtrlAltOrMetaHeldNoKeyIsTheBoards) {
    const Qt::KeyboardModifier modifiers[] = {Qt::ControlModifier, Qt::AltModifier, Qt::MetaModifier};
    const int letters[] = {Qt::Key_A, Qt::Key_D, Qt::Key_S};
    const int keys[] = {Qt::Key_A,    Qt::Key_D,     Qt::Key_S,  Qt::Key_Space,
                        Qt::Key_Left, Qt::Key_Right, Qt::Key_Up, Qt::Key_Down};
    // Runs `check` after each key of `keys` pressed with each modifier (Ctrl+S saves: not here).
    auto each = [&](const auto& keys, auto check) {
        for (const Qt::KeyboardModifier modifier : modifiers)
            for (const int key : keys) {
                if (key == Qt::Key_S && modifier == Qt::ControlModifier) continue;
                Press(key, modifier);
                check(QKeySequence(int(modifier) | key).toString().toStdString());
            }
    };
    each(letters, [&](const std::string& key) {
        EXPECT_EQ(QApplication::focusWidget(), main->LevelScroll) << key;
    });
    Press(Qt::Key_Space);  // nor does Space, a key of every button
    EXPECT_EQ(QApplication::focusWidget(), main->LevelScroll);
    Press(Qt::Key_S);
    Press(Qt::Key_Right);  // the bend (2,1)
    each(keys, [&](const std::string& key) {
        EXPECT_EQ(QApplication::focusWidget(), main->box) << key;
        EXPECT_EQ(main->box->cursor(), (Cell{2, 1})) << key;
        EXPECT_EQ(game().Board.Piece(2, 1), MakeTile(kBend, 1)) << key;
        EXPECT_EQ(game().Board.SourceCell, (Cell{1, 1})) << key;
    });
    Press(Qt::Key_D, Qt::ShiftModifier);
    EXPECT_NE(game().Board.Piece(2, 1), MakeTile(kBend, 1));
    EXPECT_EQ(game().Board.SourceCell, (Cell{2, 1}));
}

// The cell under the cursor is the one a screen reader is told has the focus: when the board
// gets the focus, as the cursor moves (not when it stops at an edge), and when its piece turns.
TEST_F(Keyboard, AScreenReaderIsToldWhichCellHasTheFocus) {
    ScreenReader reader;
    const struct {
        int key;
        Cell cell;         // {0, 0}: nothing is said
        const char* name;  // of the cell, as the screen reader says it
    } steps[] = {
        {Qt::Key_S, {1, 1}, "end piece, opening right, wet; source"},
        {Qt::Key_Left, {0, 0}, ""},
        {Qt::Key_Up, {0, 0}, ""},
        {Qt::Key_Right, {2, 1}, "bend, openings up and left, wet"},
        {Qt::Key_Down, {2, 2}, "end piece, opening up, dry"},
        {Qt::Key_Up, {2, 1}, "bend, openings up and left, wet"},
        {Qt::Key_D, {2, 1}, "bend, openings up and right, wet; source"},
    };
    for (const auto& step : steps) {
        const std::string key = QKeySequence(step.key).toString().toStdString();
        const std::size_t before = reader.heard.size();
        Press(step.key);
        QCoreApplication::processEvents();  // what the board posted to say after Qt's own word
        if (step.cell == Cell{0, 0}) {
            EXPECT_EQ(reader.heard.size(), before) << key;
            continue;
        }
        ASSERT_GT(reader.heard.size(), before) << key;
        const ScreenReader::Heard& last = reader.heard.back();
        EXPECT_EQ(last.cell, step.cell) << key;
        EXPECT_EQ(last.name, step.name) << key;
        EXPECT_TRUE(last.focused) << key;
        QAccessibleInterface* board = QAccessible::queryAccessibleInterface(main->box);
        int focused = 0;
        for (int i = 0; i < board->childCount(); ++i) focused += board->child(i)->state().focused;
        EXPECT_EQ(focused, 1) << key;
        const QRect cell = CellRect(step.cell.Column, step.cell.Row);
        EXPECT_EQ(last.rect, QRect(main->box->mapToGlobal(cell.topLeft()), cell.size())) << key;
    }
    // Away from the board, nothing it does is said.
    Press(Qt::Key_Tab);
    const std::size_t before = reader.heard.size();
    main->box->SetCursor({5, 5});
    QCoreApplication::processEvents();
    EXPECT_TRUE(std::none_of(reader.heard.begin() + before, reader.heard.end(),
                             [](const ScreenReader::Heard& h) { return h.cell.Column > 0; }));
}

TEST_F(Keyboard, TheCursorComesAndGoesWithTheFocusAndNeverTouchesTheBoardPicture) {
    const QImage retained = main->drawing().box.copy();
    const QImage before = Board();
    Press(Qt::Key_Tab);  // from the selector to the board
    ASSERT_TRUE(main->box->CursorShown());
    const QImage with = Board();
    const QRect cell(CellLeft(1), CellTop(1), kCellSize, kCellSize);
    EXPECT_NE(with.copy(cell), before.copy(cell));
    EXPECT_EQ(with.copy(0, CellTop(2), with.width(), 200), before.copy(0, CellTop(2), with.width(), 200));
    Press(Qt::Key_Tab);  // back to the selector
    EXPECT_FALSE(main->box->CursorShown());
    EXPECT_EQ(Board(), before);
    EXPECT_EQ(main->drawing().box, retained);
    // A click gives the board the focus, but a mouse player sees no cursor.
    QTest::mouseClick(main->box, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(QApplication::focusWidget(), main->box);
    EXPECT_FALSE(main->box->CursorShown());
}

TEST_F(Keyboard, EveryToolBarKeyReachesItsHandler) {
    struct Case {
        int key;
        Qt::KeyboardModifiers modifiers;
        const char* dialog;  // the dialog it opens, answered by closing it
    };
    const Case cases[] = {
        {Qt::Key_N, Qt::ControlModifier, "slcy::TGiveUpDlg"},
        {Qt::Key_R, Qt::ControlModifier, "slcy::TRestartDlg"},
        {Qt::Key_O, Qt::ControlModifier, "QFileDialog"},
        {Qt::Key_S, Qt::ControlModifier, "QFileDialog"},
        {Qt::Key_Q, Qt::ControlModifier, "slcy::TEndGameDlg"},
    };
    for (const Case& c : cases) {
        DialogScript script({Dismiss});
        Press(c.key, c.modifiers);
        EXPECT_EQ(script.seen, std::vector<QString>{c.dialog}) << c.dialog;
    }
    Press(Qt::Key_M);
    EXPECT_FALSE(main->SoundBtn->isChecked());
    Press(Qt::Key_P);
    EXPECT_EQ(game().Board.PlayState, PlayState::Paused);
    Press(Qt::Key_P);  // the pause button is disabled while paused
    EXPECT_EQ(game().Board.PlayState, PlayState::Paused);
    HelpUnitsInitialise(dir.path() + '/', {});
    Press(Qt::Key_F1);
    EXPECT_TRUE(OpenHelpViewer());
    CloseHelpViewers();
    HelpUnitsFinalise();
}

// A screen reader waits for the answer to its press of a button. The press of a tool-bar
// button that opens a dialog is answered at once, and the dialog follows; the sound button,
// which opens nothing, is still a check box.
TEST_F(Keyboard, AScreenReadersPressIsAnsweredBeforeTheDialogOpens) {
    QAccessibleInterface* info = QAccessible::queryAccessibleInterface(main->InfoBtn);
    EXPECT_EQ(info->role(), QAccessible::PushButton);
    EXPECT_EQ(info->text(QAccessible::Name), main->InfoBtn->accessibleName());
    QAccessibleActionInterface* actions = info->actionInterface();
    ASSERT_TRUE(actions);
    ASSERT_EQ(actions->actionNames().value(0), QAccessibleActionInterface::pressAction());
    DialogScript script({Dismiss});
    actions->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_TRUE(script.seen.empty());
    EXPECT_TRUE(QTest::qWaitFor([&] { return !script.seen.empty(); }));
    EXPECT_EQ(script.seen, std::vector<QString>{"slcy::TInfoDialog"});
    EXPECT_EQ(QAccessible::queryAccessibleInterface(main->SoundBtn)->role(), QAccessible::CheckBox);
}

TEST_F(Keyboard, ScreenReadersFindNamesKeysCountersAndTheBoardInEitherLanguage) {
    auto name = [](QWidget* w) { return QAccessible::queryAccessibleInterface(w)->text(QAccessible::Name); };
    auto description = [](QWidget* w) {
        return QAccessible::queryAccessibleInterface(w)->text(QAccessible::Description);
    };
    EXPECT_EQ(name(main->NewGameBtn), "I want to play a new game.");
    EXPECT_EQ(description(main->NewGameBtn), "Key: Ctrl+N");
    EXPECT_EQ(description(main->RulesBtn), "Key: F1");
    EXPECT_EQ(name(main->levelbox), "Level 1, not solved");
    EXPECT_EQ(name(main->timbox), "Time 12");
    QAccessibleInterface* gauge = QAccessible::queryAccessibleInterface(main->gsol);
    ASSERT_TRUE(gauge->valueInterface());
    EXPECT_EQ(gauge->valueInterface()->currentValue().toInt(), 0);
    EXPECT_EQ(gauge->valueInterface()->maximumValue().toInt(), 2);
    // The selector's top is the highest level: it reads (and is set) as the level itself.
    QAccessibleValueInterface* selector =
        QAccessible::queryAccessibleInterface(main->LevelScroll)->valueInterface();
    ASSERT_TRUE(selector);
    EXPECT_EQ(selector->currentValue().toInt(), 1);
    selector->setCurrentValue(2);
    EXPECT_EQ(game().Board.CurrentLevel, 2);
    EXPECT_EQ(selector->currentValue().toInt(), 2);
    selector->setCurrentValue(1);

    QAccessibleInterface* board = QAccessible::queryAccessibleInterface(main->box);
    ASSERT_EQ(board->role(), QAccessible::Table);
    QAccessibleTableInterface* table = board->tableInterface();
    ASSERT_TRUE(table);
    EXPECT_EQ(table->rowCount(), 8);
    EXPECT_EQ(table->columnCount(), 10);
    auto cell = [&](int column, int row) {
        return table->cellAt(row - 1, column - 1)->text(QAccessible::Name);
    };
    EXPECT_EQ(cell(1, 1), "end piece, opening right, wet; source");
    EXPECT_EQ(cell(2, 1), "bend, openings up and left, wet");
    EXPECT_EQ(cell(3, 3), "empty");
    Press(Qt::Key_S);
    EXPECT_EQ(board->focusChild(), table->cellAt(0, 0));

    game().Language = kGerman;
    main->ApplyLanguage();
    EXPECT_EQ(name(main->NewGameBtn), "Ich fang ein neues Spiel an.");
    EXPECT_EQ(description(main->NewGameBtn), "Taste: Strg+N");
    EXPECT_EQ(name(main->levelbox), QString::fromUtf8("Stufe 1, nicht gelöst"));
    EXPECT_EQ(name(main->timbox), "Zeit 12");
    EXPECT_EQ(cell(2, 2), "Endstück, Öffnung oben, trocken");
    DialogScript solved({Confirm});
    Press(Qt::Key_Right);
    Press(Qt::Key_A);  // the bend turns: now it opens left and down, and (2,2) is wet
    EXPECT_EQ(cell(2, 1), QString::fromUtf8("Bogen, Öffnungen unten und links, nass; Quelle"));
    EXPECT_EQ(cell(2, 2), QString::fromUtf8("Endstück, Öffnung oben, nass"));
}

}  // namespace
}  // namespace slcy
