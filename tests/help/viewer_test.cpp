// The viewer: which topic the rules button gets, one window for all requests, closing it, and
// the viewer's own page for what the help file does not hold.
#include <QScreen>
#include <QTest>
#include <QTextBrowser>

#include "help_fixture.h"
#include "viewer_placement.h"

namespace slcy {
namespace {

class HelpViewerTest : public HelpFixture {
  protected:
    void SetUp() override { StartHelp(); }

    // What the main window's rules button asks for.
    static void PressRules(int language) { HelpContext(RulesContext(language)); }

    static QString ShownPage() {
        return OpenHelpViewer() ? OpenHelpViewer()->browser()->source().fileName() : QString();
    }
};

TEST_F(HelpViewerTest, EnglishRulesAreTopicTwo) {
    THookHelpSystem help(HelpFile(), QString(), kHostViewer);
    PressRules(0);
    ASSERT_EQ(VisibleViewers().size(), 1);
    EXPECT_EQ(ShownPage(), QStringLiteral("en.html"));
    EXPECT_FALSE(OpenHelpViewer()->showingNotFound());
    EXPECT_TRUE(OpenHelpViewer()->windowTitle().contains(QStringLiteral("Rules")));
}

TEST_F(HelpViewerTest, GermanRulesAreTopicOne) {
    THookHelpSystem help(HelpFile(), QString(), kHostViewer);
    PressRules(1);
    EXPECT_EQ(ShownPage(), QStringLiteral("de.html"));
    EXPECT_TRUE(OpenHelpViewer()->windowTitle().contains(QStringLiteral("Spielregeln")));
}

TEST_F(HelpViewerTest, ALanguageNeverChosenShowsTheEnglishRules) {
    THookHelpSystem help(HelpFile(), QString(), kHostViewer);
    PressRules(-1);
    EXPECT_EQ(ShownPage(), QStringLiteral("en.html"));
}

TEST_F(HelpViewerTest, AfterSwitchingToGermanTheOpenViewerTurnsToTopicOne) {
    THookHelpSystem help(HelpFile(), QString(), kHostViewer);
    PressRules(0);
    HelpViewer* first = OpenHelpViewer();
    PressRules(1);
    EXPECT_EQ(OpenHelpViewer(), first);
    EXPECT_EQ(VisibleViewers().size(), 1);
    EXPECT_EQ(ShownPage(), QStringLiteral("de.html"));
}

TEST_F(HelpViewerTest, RepeatedRequestsShowOneViewer) {
    THookHelpSystem help(HelpFile(), QString(), kHostViewer);
    PressRules(0);
    PressRules(0);
    PressRules(0);
    EXPECT_EQ(VisibleViewers().size(), 1);
}

TEST_F(HelpViewerTest, ARequestBringsAClosedOrMinimisedViewerBack) {
    THookHelpSystem help(HelpFile(), QString(), kHostViewer);
    PressRules(0);
    OpenHelpViewer()->close();
    EXPECT_TRUE(VisibleViewers().isEmpty());
    PressRules(0);
    EXPECT_EQ(VisibleViewers().size(), 1);
    OpenHelpViewer()->showMinimized();
    PressRules(1);
    EXPECT_FALSE(OpenHelpViewer()->isMinimized());
}

// The rules belong to the game window that asked for them: a dialog-typed window above it
// (which a tiling compositor floats), opened beside it, never keeping the game running.
TEST_F(HelpViewerTest, TheViewerOpensBesideItsOwnerAndNeverKeepsTheGameRunning) {
    QWidget game;
    game.setGeometry(QRect(QPoint(), QSize(300, 200)));
    game.show();
    THookHelpSystem help(HelpFile(), QString(), kHostViewer);
    help.Owner = &game;
    PressRules(0);
    HelpViewer* viewer = OpenHelpViewer();
    EXPECT_EQ(viewer->parentWidget(), &game);
    EXPECT_EQ(viewer->windowType(), Qt::Dialog);
    EXPECT_FALSE(viewer->testAttribute(Qt::WA_QuitOnClose));
    EXPECT_EQ(viewer->frameGeometry(),
              RulesWindowRect(game.frameGeometry(), viewer->frameGeometry().size(),
                              game.screen()->availableGeometry()));
    EXPECT_GE(viewer->frameGeometry().left(), game.frameGeometry().right());
}

// Where the rules open on a screen of 1600 x 1200 (or 800 x 600 at scale 2) for a game window
// of 500 x 400 in several places; the rules window wants 650 x 630.
TEST(RulesWindowPlace, BesideTheGameWhereThereIsRoomElseOverItAndAlwaysOnTheScreen) {
    const QSize wanted(650, 630);
    const QRect large(0, 0, 1600, 1200);
    struct Case {
        const char* where;
        QRect game, area, rules;
    };
    const Case cases[] = {
        {"left edge: room on the right", {0, 0, 500, 400}, large, {500, 0, 650, 630}},
        {"right edge: room on the left", {1100, 0, 500, 400}, large, {450, 0, 650, 630}},
        {"centred: right, narrowed", {550, 400, 500, 400}, large, {1050, 400, 550, 630}},
        {"a little right: left, narrowed", {560, 400, 500, 400}, large, {0, 400, 560, 630}},
        {"low: lifted onto the screen", {0, 900, 500, 300}, large, {500, 570, 650, 630}},
        {"too little room: over it", {350, 0, 500, 400}, {0, 0, 1200, 700}, {275, 0, 650, 630}},
        {"scale 2: over it, as high as the screen", {145, 100, 510, 400}, {0, 0, 800, 600},
         {75, 0, 650, 600}},
        {"second screen", {1700, 100, 500, 400}, {1600, 0, 1280, 1024}, {2200, 100, 650, 630}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(RulesWindowRect(c.game, wanted, c.area), c.rules) << c.where;
}

TEST_F(HelpViewerTest, CloseAllClosesTheViewer) {
    THookHelpSystem help(HelpFile(), QString(), kHostViewer);
    PressRules(0);
    HHCloseAll();
    EXPECT_EQ(OpenHelpViewer(), nullptr);
    EXPECT_TRUE(VisibleViewers().isEmpty());
}

TEST_F(HelpViewerTest, EscPutsTheRulesAway) {
    THookHelpSystem help(HelpFile(), QString(), kHostViewer);
    PressRules(0);
    ASSERT_TRUE(OpenHelpViewer());
    OpenHelpViewer()->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(OpenHelpViewer()));
    QTest::keyClick(OpenHelpViewer()->browser(), Qt::Key_Escape);
    EXPECT_TRUE(VisibleViewers().isEmpty());
}

TEST_F(HelpViewerTest, FreeingTheHelpSystemAtQuitClosesTheViewer) {
    {
        THookHelpSystem help(HelpFile(), QString(), kHostViewer);
        PressRules(1);
    }
    EXPECT_EQ(OpenHelpViewer(), nullptr);
}

TEST_F(HelpViewerTest, AMissingHelpFileShowsTheNotFoundPageAndNoMessageBox) {
    THookHelpSystem help(ProgramDirectory() + QLatin1String(kHelpFileName), QString(), kHostViewer);
    PressRules(0);
    ASSERT_EQ(VisibleViewers().size(), 1);
    EXPECT_TRUE(OpenHelpViewer()->showingNotFound());
    EXPECT_TRUE(OpenHelpViewer()->browser()->toPlainText().contains(QStringLiteral("not found")));
    EXPECT_TRUE(messageBoxes.shown.isEmpty());
}

// A file made to look like a bundle whose tree begins 4 bytes before its end, which ends on a
// page boundary: once the resource system read past it and the game crashed.
TEST_F(HelpViewerTest, ADamagedHelpFileShowsTheNotFoundPageAndNoMessageBox) {
    QByteArray bytes(4096, '\0');
    // "qres", version 3, tree at 4092, data and names at 24, no flags.
    bytes.replace(0, 24, QByteArray::fromHex("717265730000000300000ffc000000180000001800000000"));
    QFile file(ProgramDirectory() + QLatin1String(kHelpFileName));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
    file.close();
    THookHelpSystem help(file.fileName(), QString(), kHostViewer);
    PressRules(0);
    ASSERT_EQ(VisibleViewers().size(), 1);
    EXPECT_TRUE(OpenHelpViewer()->showingNotFound());
    EXPECT_TRUE(messageBoxes.shown.isEmpty());
}

TEST_F(HelpViewerTest, ATopicTheFileDoesNotHoldShowsTheNotFoundPage) {
    THookHelpSystem help(HelpFile(), QString(), kHostViewer);
    HelpContext(7);
    EXPECT_TRUE(OpenHelpViewer()->showingNotFound());
    EXPECT_TRUE(OpenHelpViewer()->browser()->toPlainText().contains(QStringLiteral("7")));
    EXPECT_TRUE(messageBoxes.shown.isEmpty());
}

TEST_F(HelpViewerTest, TheRulesComeBackAfterTheNotFoundPage) {
    THookHelpSystem help(HelpFile(), QString(), kHostViewer);
    PressRules(0);
    HelpContext(7);
    PressRules(0);
    EXPECT_FALSE(OpenHelpViewer()->showingNotFound());
    EXPECT_TRUE(OpenHelpViewer()->browser()->toPlainText().contains(QStringLiteral("How to play")));
}

// The rules' pictures are drawn for the screen: on one that scales by 2 (help_tests runs this
// once more with QT_SCALE_FACTOR=2) they are their 2x twins, at the same size on the page.
TEST_F(HelpViewerTest, TheRulesPicturesAreDrawnForTheScreensPixelRatio) {
    THookHelpSystem help(HelpFile(), QString(), kHostViewer);
    PressRules(0);
    QTextBrowser* browser = OpenHelpViewer()->browser();
    const int ratio = browser->devicePixelRatio() >= 1.5 ? 2 : 1;
    const QVariant picture =
        browser->document()->resource(QTextDocument::ImageResource, QUrl("pics/piece1.png"));
    const QPixmap piece = picture.value<QPixmap>();
    EXPECT_EQ(piece.size(), QSize(36, 36) * ratio);
    EXPECT_EQ(piece.deviceIndependentSize(), QSizeF(36, 36));
}

}  // namespace
}  // namespace slcy
