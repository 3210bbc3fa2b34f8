// The help hook: it takes over the application's help requests while it lives, serves the
// context requests, lets every other command through, consults the old handler only when
// chained, and writes each step into the log.
#include "help_fixture.h"

namespace slcy {
namespace {

class HelpHookTest : public HelpFixture {
  protected:
    void SetUp() override {
        StartHelpWithLog();
        ApplicationOnHelp = [this](unsigned command, int data, bool& callHelp) {
            oldHandlerCalls << qMakePair(command, data);
            callHelp = true;
            return oldHandlerResult;
        };
    }
    void TearDown() override {
        ApplicationOnHelp = nullptr;
        HelpFixture::TearDown();
    }

    QList<QPair<unsigned, int>> oldHandlerCalls;
    bool oldHandlerResult = false;
};

TEST_F(HelpHookTest, WhileTheSystemLivesTheApplicationsRequestsGoToTheHook) {
    {
        THookHelpSystem help(HelpFile(), QString(), kHostViewer);
        EXPECT_TRUE(HelpContext(2));
        EXPECT_TRUE(oldHandlerCalls.isEmpty());
        EXPECT_NE(OpenHelpViewer(), nullptr);
    }
    HelpContext(2);
    EXPECT_EQ(oldHandlerCalls.size(), 1);
}

TEST_F(HelpHookTest, AContextRequestIsServedAndTheApplicationDoesNothingMore) {
    THookHelpSystem help(HelpFile(), QString(), kHostViewer);
    bool callHelp = true;
    EXPECT_TRUE(help.HelpHook(HELP_CONTEXT, 2, callHelp));
    EXPECT_FALSE(callHelp);
}

TEST_F(HelpHookTest, AnyOtherCommandIsLeftToTheApplication) {
    THookHelpSystem help(HelpFile(), QString(), kHostViewer);
    bool callHelp = false;
    EXPECT_TRUE(help.HelpHook(HELP_QUIT, 0, callHelp));
    EXPECT_TRUE(callHelp);
    EXPECT_EQ(OpenHelpViewer(), nullptr);
}

TEST_F(HelpHookTest, WithoutTheChainFlagTheOldHandlerIsNeverAsked) {
    THookHelpSystem help(HelpFile(), QString(), kHostViewer);
    EXPECT_FALSE(help.ChainHelp);
    bool callHelp = true;
    help.HelpHook(HELP_CONTEXT, 2, callHelp);
    help.HelpHook(HELP_FINDER, 0, callHelp);
    EXPECT_TRUE(oldHandlerCalls.isEmpty());
}

TEST_F(HelpHookTest, WithTheChainFlagTheOldHandlerIsAskedFirstAndGivesTheResult) {
    THookHelpSystem help(HelpFile(), QString(), kHostViewer);
    help.ChainHelp = true;
    bool callHelp = true;
    EXPECT_FALSE(help.HelpHook(HELP_CONTEXT, 1, callHelp));
    ASSERT_EQ(oldHandlerCalls.size(), 1);
    EXPECT_EQ(oldHandlerCalls[0], qMakePair(HELP_CONTEXT, 1));
    EXPECT_FALSE(callHelp);
    ASSERT_NE(OpenHelpViewer(), nullptr);
    EXPECT_EQ(OpenHelpViewer()->browser()->source().fileName(), QStringLiteral("de.html"));
}

TEST_F(HelpHookTest, AContextCallbackTakesThePlaceOfTheViewer) {
    THookHelpSystem help(HelpFile(), QString(), kHostViewer);
    QList<int> asked;
    help.OnContext = [&](int context) { asked << context; };
    HelpContext(2);
    EXPECT_EQ(asked, QList<int>{2});
    EXPECT_EQ(OpenHelpViewer(), nullptr);
}

TEST_F(HelpHookTest, APopupGoesToThePopupCallbackAtTheLastPopupPosition) {
    THookHelpSystem help(HelpFile(), QString(), kHostViewer);
    QList<QList<int>> popups;
    help.OnPopup = [&](int context, int x, int y) { popups << QList<int>{context, x, y}; };
    HelpCommand(HELP_SETPOPUP_POS, int((300u << 16) | (unsigned(-5) & 0xFFFF)));
    HelpCommand(HELP_CONTEXTPOPUP, 2);
    EXPECT_EQ(popups, (QList<QList<int>>{{2, -5, 300}}));
}

TEST_F(HelpHookTest, APopupWithoutCallbackShowsTheTopic) {
    THookHelpSystem help(HelpFile(), QString(), kHostViewer);
    HelpCommand(HELP_CONTEXTPOPUP, 2);
    ASSERT_NE(OpenHelpViewer(), nullptr);
    EXPECT_EQ(OpenHelpViewer()->browser()->source().fileName(), QStringLiteral("en.html"));
}

TEST_F(HelpHookTest, ARequestWritesEveryStepIntoTheLog) {
    {
        THookHelpSystem help(QStringLiteral("/no/such/slcy.rcc"), QString(), kHostViewer);
        HelpContext(2);
    }
    EXPECT_EQ(LogMessages(), (QStringList{
                                 R"(THookHelpSystem.Create("/no/such/slcy.rcc","", 0))",
                                 R"(THookHelpSystem.HelpHook(HELP_CONTEXT (1), 2))",
                                 R"(HHHelpContext("/no/such/slcy.rcc", 2, "", 0))",
                                 R"(ShowContext("/no/such/slcy.rcc", 2))",
                                 R"(  returned - 0)",
                                 R"(HHShowError(0), "")",
                                 R"(THookHelpSystem.Destroy)",
                             }));
}

TEST_F(HelpHookTest, TheLogNamesEachCommandWithItsNumber) {
    THookHelpSystem help(HelpFile(), QString(), kHostViewer);
    HelpCommand(HELP_INDEX, 0);
    HelpCommand(HELP_SETWINPOS, 4);
    HelpCommand(99, 0);
    const QStringList log = LogMessages();
    EXPECT_TRUE(log.contains(
        QStringLiteral("THookHelpSystem.HelpHook(HELP_INDEX or HELP_CONTENTS (3), 0)")));
    EXPECT_TRUE(log.contains(QStringLiteral("THookHelpSystem.HelpHook(HELP_SETWINPOS (515), 4)")));
    EXPECT_TRUE(log.contains(QStringLiteral("THookHelpSystem.HelpHook(?? (99), 0)")));
}

TEST(HelpCommandNames, EveryKnownCommandHasItsName) {
    const QList<QPair<unsigned, const char*>> names = {
        {1, "HELP_CONTEXT"},
        {2, "HELP_QUIT"},
        {3, "HELP_INDEX or HELP_CONTENTS"},
        {4, "HELP_HELPONHELP"},
        {5, "HELP_SETINDEX or HELP_SETCONTENTS"},
        {8, "HELP_CONTEXTPOPUP"},
        {9, "HELP_FORCEFILE"},
        {10, "HELP_CONTEXTMENU"},
        {11, "HELP_FINDER"},
        {12, "HELP_WM_HELP"},
        {13, "HELP_SETPOPUP_POS"},
        {257, "HELP_KEY"},
        {258, "HELP_COMMAND"},
        {261, "HELP_PARTIALKEY"},
        {513, "HELP_MULTIKEY"},
        {515, "HELP_SETWINPOS"},
        {6, "??"},
        {0, "??"},
    };
    for (const auto& [command, name] : names)
        EXPECT_EQ(HelpCommandName(command),
                  QStringLiteral("%1 (%2)").arg(QLatin1String(name)).arg(command));
}

TEST_F(HelpHookTest, NamesAreCleanedUpAndTheWindowIsAppended) {
    HHHelpContext(QStringLiteral("  /a%20b%1/slcy.rcc "), 2, QStringLiteral(" main%20win "),
                  kHostViewer);
    const QStringList log = LogMessages();
    EXPECT_TRUE(log.contains(
        QStringLiteral(R"(HHHelpContext("  /a%20b%1/slcy.rcc ", 2, " main%20win ", 0))")))
        << qPrintable(log.join(u'\n'));
    EXPECT_TRUE(log.contains(QStringLiteral(R"(ShowContext("/a b%1/slcy.rcc>main win", 2))")));
}

TEST_F(HelpHookTest, TheOutsideViewerProgramsAreMissingOnThisSystem) {
    EXPECT_EQ(ShowContext(HelpFile(), 2, kHostKeyHH), HH_ERR_KeyHHexeNotFound);
    EXPECT_EQ(ShowContext(HelpFile(), 2, kHostHH), HH_ERR_HHexeNotFound);
    EXPECT_EQ(OpenHelpViewer(), nullptr);
}

}  // namespace
}  // namespace slcy
