// The message dialogs and the language dialog: what each answers for its buttons, Enter, Esc
// and the close box, and the texts they show in each language; and what every dialog shows
// where its pictures and glyphs belong.
#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>
#include <optional>

#include "Allsolvd.h"
#include "AssetPaths.h"
#include "Endgame.h"
#include "Giveup.h"
#include "Infodlg.h"
#include "Main.h"
#include "Restart.h"
#include "Solved.h"
#include "Splasher.h"
#include "Tongdlg.h"
#include "Toslow.h"
#include "art_files.h"
#include "test_levels.h"
#include "texts.h"
#include "window_registry.h"

namespace slcy {
namespace {

// Runs `act` on the dialog once it is showing, and returns what Execute() gave back.
template <typename Dialog>
auto Answer(Dialog& dialog, std::function<void(Dialog&)> act) {
    QTimer::singleShot(0, &dialog, [&] { act(dialog); });
    return dialog.Execute();
}

void PressKey(QWidget& dialog, Qt::Key key) {
    QWidget* target = dialog.focusWidget() ? dialog.focusWidget() : &dialog;
    QTest::keyClick(target, key);
}

class MessageDialogs : public ::testing::Test {
protected:
    QWidget main;
    int language = kEnglish;
    void SetUp() override {
        main.resize(500, 366);
        main.show();
    }
};

TEST_F(MessageDialogs, QuestionsAnswerYesOnlyByTheirConfirmingButtonOrEnter) {
    TGiveUpDlg give_up(&main, language);
    TRestartDlg restart(&main, language);
    TEndGameDlg end_game(&main, language);
    for (MessageDialog* d : std::initializer_list<MessageDialog*>{&give_up, &restart, &end_game}) {
        auto click_ok = [](MessageDialog& m) { m.OKBtn->click(); };
        EXPECT_EQ(Answer<MessageDialog>(*d, click_ok), ModalResult::Yes);
        auto enter = [](MessageDialog& m) { PressKey(m, Qt::Key_Return); };
        EXPECT_EQ(Answer<MessageDialog>(*d, enter), ModalResult::Yes);
        auto close_box = [](MessageDialog& m) { m.close(); };
        EXPECT_EQ(Answer<MessageDialog>(*d, close_box), ModalResult::Cancel);
    }
}

TEST_F(MessageDialogs, RefusalsAreCancelExceptTheRestartQuestionWhichSaysNo) {
    TGiveUpDlg give_up(&main, language);
    TRestartDlg restart(&main, language);
    TEndGameDlg end_game(&main, language);
    auto esc = [](MessageDialog& m) { PressKey(m, Qt::Key_Escape); };
    auto cancel = [](MessageDialog& m) { m.CancelBtn->click(); };
    EXPECT_EQ(Answer<MessageDialog>(give_up, esc), ModalResult::Cancel);
    EXPECT_EQ(Answer<MessageDialog>(give_up, cancel), ModalResult::Cancel);
    EXPECT_EQ(Answer<MessageDialog>(end_game, esc), ModalResult::Cancel);
    EXPECT_EQ(Answer<MessageDialog>(end_game, cancel), ModalResult::Cancel);
    EXPECT_EQ(Answer<MessageDialog>(restart, esc), ModalResult::No);
    EXPECT_EQ(Answer<MessageDialog>(restart, cancel), ModalResult::No);
}

TEST_F(MessageDialogs, AnnouncementsAnswerOkAndIgnoreEsc) {
    TSolvedDlg solved(&main, language);
    TToSlowDlg to_slow(&main, language);
    TAllSolvedDlg all_solved(&main, language);
    for (MessageDialog* d : std::initializer_list<MessageDialog*>{&solved, &to_slow, &all_solved}) {
        EXPECT_EQ(d->CancelBtn, nullptr);
        auto esc_then_enter = [](MessageDialog& m) {
            PressKey(m, Qt::Key_Escape);
            EXPECT_TRUE(m.isVisible());
            PressKey(m, Qt::Key_Return);
        };
        EXPECT_EQ(Answer<MessageDialog>(*d, esc_then_enter), ModalResult::OK);
        EXPECT_EQ(d->OKBtn->text(), "OK");
    }
}

TEST_F(MessageDialogs, TextsFollowTheLanguageAtTheNextShowing) {
    TEndGameDlg end_game(&main, language);
    QString label, ok, cancel;
    auto look = [&](MessageDialog& m) {
        label = m.Label1->text();
        ok = m.OKBtn->text();
        cancel = m.CancelBtn->text();
        m.OKBtn->click();
    };
    Answer<MessageDialog>(end_game, look);
    EXPECT_EQ(label, "Do you really want to go?");
    EXPECT_EQ(ok, "Yes");
    EXPECT_EQ(cancel, "No");
    language = kGerman;
    Answer<MessageDialog>(end_game, look);
    EXPECT_EQ(label, QString::fromUtf8("Willst Du wirklich schon aufhören?"));
    EXPECT_EQ(ok, "Ja");
    EXPECT_EQ(cancel, "Nein");
}

TEST_F(MessageDialogs, EveryMessageInBothLanguages) {
    struct Case {
        std::unique_ptr<MessageDialog> dialog;
        const char* german;
        const char* english;
    };
    std::vector<Case> cases;
    cases.push_back({std::make_unique<TGiveUpDlg>(&main, language),
                     "Willst Du das Spiel wirklich von vorne beginnen?",
                     "Do you really want to start at the beginning?"});
    cases.push_back({std::make_unique<TRestartDlg>(&main, language),
                     "Willst Du die Stufe wirklich aufgeben?",
                     "Do you really want to give up the level?"});
    cases.push_back({std::make_unique<TSolvedDlg>(&main, language), "Hurra, geschafft!",
                     "Hurrah, you did it!"});
    cases.push_back({std::make_unique<TToSlowDlg>(&main, language), "Du warst leider zu langsam!",
                     "Sorry, you weren't quick enough!"});
    cases.push_back({std::make_unique<TAllSolvedDlg>(&main, language),
                     "Gratulation, Du hast alle Stufen gelöst.",
                     "Congratulation, you solved all levels."});
    for (int l : {kGerman, kEnglish}) {
        language = l;
        for (auto& c : cases) {
            QString label;
            Answer<MessageDialog>(*c.dialog, [&](MessageDialog& m) {
                label = m.Label1->text();
                m.OKBtn->click();
            });
            EXPECT_EQ(label, QString::fromUtf8(l == kGerman ? c.german : c.english));
            EXPECT_EQ(c.dialog->windowTitle(), "Sluicery");
            EXPECT_EQ(c.dialog->size(), QSize(261, 103));
        }
    }
}

TEST_F(MessageDialogs, BoldIsTheLabelOnlyInQuestionsAndTheWholeDialogInAnnouncements) {
    TGiveUpDlg give_up(&main, language);
    TSolvedDlg solved(&main, language);
    EXPECT_TRUE(give_up.Label1->font().bold());
    EXPECT_FALSE(give_up.OKBtn->font().bold());
    EXPECT_TRUE(solved.Label1->font().bold());
    EXPECT_TRUE(solved.OKBtn->font().bold());
    EXPECT_EQ(give_up.OKBtn->geometry(), QRect(40, 68, 77, 27));
    EXPECT_EQ(give_up.CancelBtn->geometry(), QRect(136, 68, 77, 27));
    EXPECT_EQ(solved.OKBtn->geometry(), QRect(92, 68, 77, 27));
}

TEST_F(MessageDialogs, LanguageDialogStoresTheChoiceAndEnterMeansEnglish) {
    int chosen = kLanguageNeverChosen;
    TTongueDlg tongue(&main, chosen);
    QTimer::singleShot(0, &tongue, [&] { tongue.GermanBtn->click(); });
    tongue.Execute();
    EXPECT_EQ(chosen, kGerman);
    QTimer::singleShot(0, &tongue, [&] { PressKey(tongue, Qt::Key_Return); });
    EXPECT_EQ(tongue.Execute(), 1);
    EXPECT_EQ(chosen, kEnglish);
}

TEST_F(MessageDialogs, LanguageDialogIgnoresEscAndItsCloseBoxChangesNothing) {
    int chosen = kLanguageNeverChosen;
    TTongueDlg tongue(&main, chosen);
    QTimer::singleShot(0, &tongue, [&] {
        PressKey(tongue, Qt::Key_Escape);
        EXPECT_TRUE(tongue.isVisible());
        tongue.close();
    });
    tongue.Execute();
    EXPECT_EQ(chosen, kLanguageNeverChosen);
    EXPECT_EQ(tongue.EnglishBtn->text(), "I speak english.");
    EXPECT_EQ(tongue.GermanBtn->text(), "Ich spreche deutsch.");
    EXPECT_EQ(tongue.windowTitle(), "Sluicery 2.4");
}

// A picture of the art, and the colour that stands for "transparent" in it, where there is one.
struct Art {
    QImage image;
    std::optional<QRgb> key;
};

Art ArtFile(const std::string& resource) {
    return {ReadArt(resource).convertToFormat(QImage::Format_ARGB32), {}};
}

// The normal look of a button glyph, keyed by its lower-left pixel.
Art GlyphArt(const char* name) {
    const QImage all = ReadArt(assets::GlyphPath(name));
    const assets::Glyph& glyph = assets::GlyphNamed(name);
    return {all.copy(0, 0, glyph.Width, glyph.Height).convertToFormat(QImage::Format_ARGB32),
            all.pixel(0, all.height() - 1)};
}

// The art's pixels that must show: opaque, and not its key colour.
bool Shows(const Art& art, int x, int y) {
    const QRgb pixel = art.image.pixel(x, y);
    return qAlpha(pixel) == 255 && (!art.key || (pixel & 0xFFFFFF) != (*art.key & 0xFFFFFF));
}

int ShowingPixels(const Art& art) {
    int count = 0;
    for (int y = 0; y < art.image.height(); ++y)
        for (int x = 0; x < art.image.width(); ++x) count += Shows(art, x, y);
    return count;
}

// Whether the picture of a dialog holds the art somewhere inside `area`: every pixel of it that
// shows, exactly, wherever the dialog's style placed it.
bool Holds(const QImage& shot, const QRect& area, const Art& art) {
    const int w = art.image.width(), h = art.image.height();
    for (int top = area.top(); top + h <= area.bottom() + 1; ++top)
        for (int left = area.left(); left + w <= area.right() + 1; ++left) {
            bool all = true;
            for (int y = 0; y < h && all; ++y)
                for (int x = 0; x < w && all; ++x)
                    all = !Shows(art, x, y) ||
                          (shot.pixel(left + x, top + y) & 0xFFFFFF) == (art.image.pixel(x, y) & 0xFFFFFF);
            if (all) return true;
        }
    return false;
}

// Every dialog of the game, made over a main window as the game makes them.
class DialogPictures : public ::testing::Test {
protected:
    QTemporaryDir dir;
    WindowRegistry windows;
    void SetUp() override {
        testing::WriteCatalogue(QDir(dir.path()).filePath("slcy.dat").toStdString(),
                                {testing::MakeLevel({1, 1}, {{1, 1, kCross, 0}})});
        windows.CreateMainWindow(dir.path() + '/');
        windows.CreateDialogs();
    }
};

TEST_F(DialogPictures, EveryDialogShowsItsPicturesAndGlyphsWhereTheyBelong) {
    struct Shown {
        QRect area;
        Art art;
        std::string what;
    };
    struct Case {
        QDialog* dialog;
        std::vector<Shown> shown;
    };
    const Art icon = ArtFile(assets::IconPath(assets::kWindowIconSize));
    auto message = [&](MessageDialog& d, const char* ok, const char* cancel) {
        Case c{&d, {{{16, 16, 32, 32}, icon, "the icon"}, {d.OKBtn->geometry(), GlyphArt(ok), ok}}};
        if (cancel) c.shown.push_back({d.CancelBtn->geometry(), GlyphArt(cancel), cancel});
        return c;
    };
    TInfoDialog& info = windows.InfoDialog();
    TTongueDlg& tongue = windows.TongueDlg();
    const Case cases[] = {
        message(windows.GiveUpDlg(), "dlg_bomb", "dlg_cancel"),
        message(windows.RestartDlg(), "dlg_restart_yes", "dlg_restart_no"),
        message(windows.EndGameDlg(), "dlg_door", "dlg_cancel"),
        message(windows.SolvedDlg(), "dlg_smile", nullptr),
        message(windows.ToSlowDlg(), "dlg_frown", nullptr),
        message(windows.AllSolvedDlg(), "dlg_smile", nullptr),
        {&info,
         {{{8, 8, 101, 77}, ArtFile(assets::kInfoPicture), "the picture"},
          {{36, 96, 37, 37}, icon, "the icon"},
          {info.TongBtn->geometry(), GlyphArt("tongue"), "tongue"},
          {info.OKBtn->geometry(), GlyphArt("check"), "check"}}},
        {&tongue,
         {{{28, 28, 37, 37}, icon, "the icon"},
          {tongue.EnglishBtn->geometry(), GlyphArt("flags_en"), "flags_en"},
          {tongue.GermanBtn->geometry(), GlyphArt("flags_de"), "flags_de"}}},
        {&windows.Splash(), {{{0, 0, 200, 150}, ArtFile(assets::kSplashPicture), "the picture"}}},
    };
    for (const Case& c : cases) {
        c.dialog->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(c.dialog));
        const QImage shot = c.dialog->grab().toImage().convertToFormat(QImage::Format_RGB32);
        c.dialog->hide();
        const char* dialog = c.dialog->metaObject()->className();
        for (const Shown& s : c.shown) {
            ASSERT_GT(ShowingPixels(s.art), 40) << dialog << ": " << s.what;
            EXPECT_TRUE(Holds(shot, s.area, s.art)) << dialog << " without " << s.what;
        }
    }
}

}  // namespace
}  // namespace slcy
