// The progress files' dialogs and message boxes as the player meets them: what they offer,
// where they open, their captions, icons and buttons, and what each answer means.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QTemporaryDir>
#include <QTimer>
#include <functional>

#include "file_prompts.h"

namespace slcy::testing {
namespace {

// Runs `act` on the modal window as soon as one is open. Should `act` leave it open (a failing
// test), it is closed a little later, so the run goes on.
void WhenModalOpens(const std::function<void(QWidget*)>& act) {
    auto* poll = new QTimer;
    QObject::connect(poll, &QTimer::timeout, [poll, act] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            poll->stop();
            poll->deleteLater();
            act(modal);
            QTimer::singleShot(2000, [left = QPointer<QWidget>(modal)] {
                if (left && left->isVisible()) left->close();
            });
        }
    });
    poll->start(5);
}

// Types `name` into the dialog's name field, as the player would.
void TypeName(QWidget* dialog, const QString& name) {
    auto* field = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
    ASSERT_TRUE(field);
    field->setText(name);
}

QStringList ButtonTexts(const QMessageBox* box) {
    QStringList texts;
    for (const QAbstractButton* button : box->buttons()) texts << button->text();
    texts.sort();
    return texts;
}

QAbstractButton* ButtonLabelled(const QMessageBox* box, const QString& text) {
    for (QAbstractButton* button : box->buttons())
        if (button->text() == text) return button;
    return nullptr;
}

class FilePromptsTest : public ::testing::Test {
protected:
    QWidget mainWindow;
    FilePrompts prompts{&mainWindow};
    QTemporaryDir folder;
};

// --- The file dialogs.

TEST_F(FilePromptsTest, BothDialogsOfferOnlySluiceryFiles) {
    for (const QFileDialog* dialog : {prompts.OpenDlg(), prompts.SaveDlg()}) {
        EXPECT_EQ(dialog->nameFilters(), QStringList{"Sluicery-Dateien (*.slv)"});
        EXPECT_EQ(dialog->defaultSuffix(), "slv");
        EXPECT_EQ(dialog->parentWidget(), &mainWindow);
    }
}

TEST_F(FilePromptsTest, TheSaveDialogLeavesTheOverwriteQuestionToTheGame) {
    EXPECT_EQ(prompts.SaveDlg()->acceptMode(), QFileDialog::AcceptSave);
    EXPECT_TRUE(prompts.SaveDlg()->testOption(QFileDialog::DontConfirmOverwrite));
}

TEST_F(FilePromptsTest, TheOpenDialogAcceptsNamesOfFilesThatDoNotExist) {
    EXPECT_EQ(prompts.OpenDlg()->acceptMode(), QFileDialog::AcceptOpen);
    EXPECT_EQ(prompts.OpenDlg()->fileMode(), QFileDialog::AnyFile);
    WhenModalOpens([](QWidget* dialog) {
        TypeName(dialog, "nothing");
        QMetaObject::invokeMethod(dialog, "accept");
    });
    EXPECT_EQ(prompts.AskOpenPath(folder.path()), folder.filePath("nothing.slv"));
}

TEST_F(FilePromptsTest, TheSaveDialogOpensInTheFolderGivenWithTheNameProposed) {
    QDir().mkpath(folder.filePath("my.games"));
    QString shownFolder;
    WhenModalOpens([&](QWidget* dialog) {
        shownFolder = static_cast<QFileDialog*>(dialog)->directory().absolutePath();
        QMetaObject::invokeMethod(dialog, "accept");
    });
    EXPECT_EQ(prompts.AskSavePath({folder.filePath("my.games/"), "week1.slv"}),
              folder.filePath("my.games/week1.slv"));
    EXPECT_EQ(shownFolder, folder.filePath("my.games"));
}

TEST_F(FilePromptsTest, ANameTypedWithoutExtensionComesBackWithSlv) {
    WhenModalOpens([](QWidget* dialog) {
        TypeName(dialog, "week1");
        QMetaObject::invokeMethod(dialog, "accept");
    });
    EXPECT_EQ(prompts.AskSavePath({folder.path(), ""}), folder.filePath("week1.slv"));
}

TEST_F(FilePromptsTest, ACancelledDialogGivesNothing) {
    WhenModalOpens([](QWidget* dialog) { QMetaObject::invokeMethod(dialog, "reject"); });
    EXPECT_FALSE(prompts.AskSavePath({folder.path(), "week1.slv"}));
    WhenModalOpens([](QWidget* dialog) { QMetaObject::invokeMethod(dialog, "reject"); });
    EXPECT_FALSE(prompts.AskOpenPath(folder.path()));
}

// --- The overwrite question.

TEST_F(FilePromptsTest, TheOverwriteQuestionIsAWarningCaptionedWarnungWithJaAndNein) {
    mainWindow.show();  // a save is asked for from the window on the screen
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QString caption, text;
    QStringList buttons;
    const QWidget* parent = nullptr;
    WhenModalOpens([&](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        ASSERT_TRUE(box);
        icon = box->icon();
        caption = box->windowTitle();
        text = box->text();
        buttons = ButtonTexts(box);
        parent = box->parentWidget();
        ButtonLabelled(box, "&Nein")->click();
    });
    prompts.AskOverwrite("Game week1.slv already existing. Overwrite?");
    EXPECT_EQ(icon, QMessageBox::Warning);
    EXPECT_EQ(caption, "Warnung");
    EXPECT_EQ(text, "Game week1.slv already existing. Overwrite?");
    EXPECT_EQ(buttons, (QStringList{"&Ja", "&Nein"}));
    EXPECT_EQ(parent, &mainWindow);
}

TEST_F(FilePromptsTest, JaMeansOverwrite) {
    WhenModalOpens([](QWidget* modal) {
        ButtonLabelled(static_cast<QMessageBox*>(modal), "&Ja")->click();
    });
    EXPECT_TRUE(prompts.AskOverwrite("?"));
}

TEST_F(FilePromptsTest, NeinMeansKeepTheFile) {
    WhenModalOpens([](QWidget* modal) {
        ButtonLabelled(static_cast<QMessageBox*>(modal), "&Nein")->click();
    });
    EXPECT_FALSE(prompts.AskOverwrite("?"));
}

TEST_F(FilePromptsTest, ClosingTheQuestionOtherwiseKeepsTheFile) {
    WhenModalOpens([](QWidget* modal) { modal->close(); });
    EXPECT_FALSE(prompts.AskOverwrite("?"));
}

// --- The error box.

TEST_F(FilePromptsTest, AnErrorHasTheErrorIconTheCaptionFehlerAndOK) {
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QString caption, text;
    QStringList buttons;
    WhenModalOpens([&](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        ASSERT_TRUE(box);
        icon = box->icon();
        caption = box->windowTitle();
        text = box->text();
        buttons = ButtonTexts(box);
        box->buttons().first()->click();
    });
    prompts.ShowError("Error occured while loading file /a/b.slv!");
    EXPECT_EQ(icon, QMessageBox::Critical);
    EXPECT_EQ(caption, "Fehler");
    EXPECT_EQ(text, "Error occured while loading file /a/b.slv!");
    EXPECT_EQ(buttons, QStringList{"OK"});
}

}  // namespace
}  // namespace slcy::testing
