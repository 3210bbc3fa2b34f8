// The start and the close of the whole program, as the player meets them: what the start-up
// reads, what the close asks and writes, and whether the countdown runs while each dialog is
// open. Dialogs are answered by a script that waits for each one to come up.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <fstream>
#include <functional>

#include "Infodlg.h"
#include "Main.h"
#include "Splasher.h"
#include "Tongdlg.h"
#include "dialog_script.h"
#include "hh_funcs.h"
#include "progress_file.h"
#include "settings_store.h"
#include "test_levels.h"
#include "texts.h"
#include "window_registry.h"

namespace slcy {
namespace {

LevelRecord OnePieceLevel(int column) {
    return testing::MakeLevel({column, 1}, {{column, 1, kCross, 0}});
}

class Lifecycle : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString progress_file;

    void SetUp() override {
        QFile::remove(SettingsFilePath());
        testing::WriteCatalogue(Path("slcy.dat").toStdString(),
                                {OnePieceLevel(1), OnePieceLevel(2), OnePieceLevel(3)});
        progress_file = Path("week1.slv");
    }
    QString Path(const char* name) const { return QDir(dir.path()).filePath(name); }
    // Every window of the game over the test's catalogue, the main one on the screen, its
    // start dialogs done.
    TMainForm& StartOnTheScreen(WindowRegistry& windows) {
        TMainForm& main = windows.CreateMainWindow(dir.path() + '/');
        windows.CreateDialogs();
        main.FirstActivation = false;
        main.show();
        return main;
    }
    static void Store(const char* key, const QVariant& value) {
        ASSERT_TRUE(PutSettingText(QStringLiteral("common"), key, value.toString()));
    }
    static QString Stored(const char* key) {
        return GetSettingText(QStringLiteral("common"), key, QStringLiteral("(none)"));
    }
};

TEST_F(Lifecycle, TheStartReadsLanguageLevelProgressFileAndSound) {
    ProgressTable results{};
    Entry(results, 2) = 17;
    ASSERT_TRUE(WriteProgressFile(progress_file, results));
    Store("tongue", 1);
    Store("level", 2);
    Store("save", progress_file);
    Store("sound", 0);

    WindowRegistry windows;
    TMainForm& main = windows.CreateMainWindow(dir.path() + '/');
    EXPECT_EQ(main.game().Language, kGerman);
    EXPECT_EQ(main.game().Board.CurrentLevel, 2);
    EXPECT_EQ(main.game().ProgressPath, progress_file.toStdString());
    EXPECT_EQ(Entry(main.game().ProgressTable, 2), 17);
    EXPECT_FALSE(main.SoundBtn->isChecked());
    EXPECT_EQ(main.LevelScroll->value(), 3 - 2 + 1);
    EXPECT_EQ(main.windowTitle(), "Sluicery 2.4 - Spiel week1.slv");
}

TEST_F(Lifecycle, TheCloseAsksOffersToSaveAndWritesWhatThePlayerLeft) {
    Store("tongue", 0);
    {
        WindowRegistry windows;
        TMainForm& main = StartOnTheScreen(windows);
        main.move(123, 45);
        main.game().ProgressPath = progress_file.toStdString();
        QTest::mouseClick(main.sUpBtn, Qt::LeftButton);  // level 2
        QTest::mouseClick(main.SoundBtn, Qt::LeftButton);  // sound off

        DialogScript script({Confirm, Dismiss});
        EXPECT_TRUE(main.close());
        EXPECT_EQ(script.seen, (std::vector<QString>{"slcy::TEndGameDlg", "QFileDialog"}));
    }
    EXPECT_EQ(Stored("sound"), "0");
    EXPECT_EQ(Stored("level"), "2");
    EXPECT_EQ(Stored("tongue"), "0");
    EXPECT_EQ(Stored("save"), progress_file);
    EXPECT_TRUE(Stored("MainForm").startsWith("200,")) << Stored("MainForm").toStdString();
}

TEST_F(Lifecycle, RefusingTheQuitQuestionKeepsTheGameAndItsCountdown) {
    WindowRegistry windows;
    TMainForm& main = StartOnTheScreen(windows);
    DialogScript script({Dismiss});
    EXPECT_FALSE(main.close());
    EXPECT_TRUE(main.isVisible());
    EXPECT_TRUE(main.Timer->isActive());
    EXPECT_EQ(Stored("level"), "(none)");
}

// The countdown stands still around the questions that interrupt the game, and runs on
// around those that belong to it; afterwards it runs in every case.
TEST_F(Lifecycle, TheCountdownRunsOrStandsStillWhileEachDialogIsOpen) {
    WindowRegistry windows;
    TMainForm& main = StartOnTheScreen(windows);
    struct Case {
        const char* dialog;
        std::function<void()> open;
        bool countdownRuns;
    };
    const Case cases[] = {
        {"slcy::TGiveUpDlg", [&] { main.NewGameBtn->click(); }, true},
        {"slcy::TRestartDlg", [&] { main.RestartBtn->click(); }, true},
        {"slcy::TTongueDlg", [&] { main.TongueBtn->click(); }, true},
        {"slcy::TInfoDialog", [&] { main.InfoBtn->click(); }, false},
        {"QFileDialog", [&] { main.SaveBtn->click(); }, false},
        {"QFileDialog", [&] { main.LoadBtn->click(); }, false},
        {"slcy::TEndGameDlg", [&] { main.close(); }, false},
        {"QMessageBox", [&] { emit main.waves->playFailed("Not supported"); }, false},
    };
    for (const Case& c : cases) {
        bool ran = false;
        DialogScript script({[&](QWidget& dialog) {
            ran = main.Timer->isActive();
            Dismiss(dialog);
        }});
        c.open();
        ASSERT_EQ(script.seen, std::vector<QString>{c.dialog});
        EXPECT_EQ(ran, c.countdownRuns) << c.dialog;
        EXPECT_TRUE(main.Timer->isActive()) << "after " << c.dialog;
    }
    // The rules open in a window beside the game, without a modal dialog.
    HelpUnitsInitialise(dir.path() + '/', {});
    main.RulesBtn->click();
    EXPECT_TRUE(main.Timer->isActive()) << "after the rules";
    HelpUnitsFinalise();
}

// A new player chooses a language before seeing the board: level 1 waits with its whole time
// through the splash and the language dialog. A later start shows only the splash, and the
// countdown runs on meanwhile.
TEST_F(Lifecycle, TheFirstActivationStopsTheCountdownOnlyForANewPlayer) {
    for (const bool newPlayer : {true, false}) {
        if (!newPlayer) Store("tongue", 0);
        WindowRegistry windows;
        TMainForm& main = windows.CreateMainWindow(dir.path() + '/');
        windows.CreateDialogs();
        const int fullTime = main.game().Board.TimeLeft;
        std::vector<bool> ran;
        DialogScript script({[&](QWidget& splash) {
                                 ran.push_back(main.Timer->isActive());
                                 Dismiss(splash);
                             },
                             [&](QWidget& tongue) {
                                 ran.push_back(main.Timer->isActive());
                                 QTest::qWait(1200);  // more than one tick of a running countdown
                                 static_cast<TTongueDlg&>(tongue).EnglishBtn->click();
                             }});
        main.FormActivate();
        if (newPlayer) {
            EXPECT_EQ(script.seen, (std::vector<QString>{"slcy::TSplash", "slcy::TTongueDlg"}));
            EXPECT_EQ(ran, (std::vector<bool>{false, false}));
            EXPECT_EQ(main.game().Board.TimeLeft, fullTime);
        } else {
            EXPECT_EQ(script.seen, std::vector<QString>{"slcy::TSplash"});
            EXPECT_EQ(ran, std::vector<bool>{true});
        }
        EXPECT_TRUE(main.Timer->isActive()) << "after the start dialogs";
    }
}

// Once shown, the window gets its start dialogs by itself, and only after its board has been
// painted: the player sees the board first and the splash in front of it.
TEST_F(Lifecycle, TheStartDialogsComeOverAPaintedBoard) {
    Store("tongue", 0);
    WindowRegistry windows;
    TMainForm& main = windows.CreateMainWindow(dir.path() + '/');
    windows.CreateDialogs();
    // Counts the board's paints, and notes how many there were when the splash came up.
    struct Order : QObject {
        QWidget* board;
        int paints = 0;
        int paintsBeforeTheSplash = -1;
        bool eventFilter(QObject* watched, QEvent* event) override {
            if (watched == board && event->type() == QEvent::Paint) ++paints;
            if (watched != board && event->type() == QEvent::Show && paintsBeforeTheSplash < 0)
                paintsBeforeTheSplash = paints;
            return false;
        }
    } order;
    order.board = main.box;
    main.box->installEventFilter(&order);
    windows.Splash().installEventFilter(&order);
    DialogScript script({Dismiss});
    main.show();
    EXPECT_TRUE(QTest::qWaitFor([&] { return !main.FirstActivation; }, 5000));
    EXPECT_EQ(script.seen, std::vector<QString>{"slcy::TSplash"});
    EXPECT_GE(order.paintsBeforeTheSplash, 1);
}

// The dialogs are made after the board's first paint, all nine together, by whatever asks for
// one first: the start dialogs, or a key pressed before them.
TEST_F(Lifecycle, TheFirstDialogAskedForMakesAllNineOnce) {
    WindowRegistry windows;
    TMainForm& main = windows.CreateMainWindow(dir.path() + '/');
    EXPECT_TRUE(main.findChildren<QDialog*>().isEmpty());
    TInfoDialog& info = windows.InfoDialog();
    const QList<QDialog*> made = main.findChildren<QDialog*>();
    EXPECT_EQ(made.size(), 9);
    windows.CreateDialogs();
    EXPECT_EQ(&windows.InfoDialog(), &info);
    EXPECT_EQ(main.findChildren<QDialog*>(), made);
}

TEST_F(Lifecycle, AChosenLanguageReachesTheWindowAtOnce) {
    Store("tongue", 0);
    WindowRegistry windows;
    TMainForm& main = StartOnTheScreen(windows);
    DialogScript script({[](QWidget& dialog) { static_cast<TTongueDlg&>(dialog).GermanBtn->click(); }});
    main.TongueBtn->click();
    EXPECT_EQ(main.NewGameBtn->toolTip(), "Ich fang ein neues Spiel an.");
    EXPECT_EQ(main.TimeLabel->text(), "Zeit:");
}

// Enter answers with the button that has the focus; OK is the default otherwise.
TEST_F(Lifecycle, TheInfoDialogAnswersEnterWithTheFocusedButton) {
    WindowRegistry windows;
    TMainForm& main = StartOnTheScreen(windows);
    bool language_asked = false;
    DialogScript script({
        [](QWidget& info) {
            static_cast<TInfoDialog&>(info).TongBtn->setFocus();
            QTest::keyClick(&info, Qt::Key_Return);
        },
        [&](QWidget& tongue) {
            language_asked = true;
            Dismiss(tongue);
        },
        [](QWidget& info) { QTest::keyClick(&info, Qt::Key_Return); },
    });
    main.InfoBtn->click();
    EXPECT_TRUE(language_asked);
    EXPECT_EQ(script.seen, (std::vector<QString>{"slcy::TInfoDialog", "slcy::TTongueDlg",
                                                 "slcy::TInfoDialog"}));
}

}  // namespace
}  // namespace slcy
