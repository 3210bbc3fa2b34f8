// The error messages of a failed help request: their texts, the box they come in, the log.
#include "help_fixture.h"

namespace slcy {
namespace {

using HHShowErrorTest = HelpFixture;

TEST(HHErrorTexts, EachResultCodeHasItsText) {
    EXPECT_EQ(HHErrorText(1), QStringLiteral("MS Html Help is not installed on this PC."));
    EXPECT_EQ(HHErrorText(2),
              QStringLiteral("System file KeyHH.EXE was not found in the Windows folder."));
    EXPECT_EQ(HHErrorText(3),
              QStringLiteral("System file HH.EXE was not found in the Windows folder."));
    EXPECT_EQ(HHErrorText(4), QStringLiteral("Unknown error returned by HHHelpContext"));
    EXPECT_EQ(HHErrorText(-1), QStringLiteral("Unknown error returned by HHHelpContext"));
}

TEST_F(HHShowErrorTest, SuccessShowsNothing) {
    StartHelp();
    HHShowError(0);
    EXPECT_TRUE(messageBoxes.shown.isEmpty());
}

TEST_F(HHShowErrorTest, AnErrorComesInAWarningBoxWithTheApplicationsTitleAndOK) {
    StartHelp();
    HHShowError(2);
    ASSERT_EQ(messageBoxes.shown.size(), 1);
    const ShownMessage& box = messageBoxes.shown[0];
    EXPECT_EQ(box.title, QGuiApplication::applicationDisplayName());
    EXPECT_EQ(box.text, HHErrorText(2));
    EXPECT_EQ(box.icon, QMessageBox::Warning);
    EXPECT_EQ(box.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
}

TEST_F(HHShowErrorTest, TheErrorIsLoggedWithItsText) {
    StartHelpWithLog();
    HHShowError(3);
    EXPECT_TRUE(LogMessages().contains(QStringLiteral(
        R"(HHShowError(3), "System file HH.EXE was not found in the Windows folder.")")));
}

TEST_F(HHShowErrorTest, AnOutsideViewerThatIsMissingIsReportedToThePlayer) {
    StartHelp();
    THookHelpSystem help(HelpFile(), QString(), kHostKeyHH);
    HelpContext(2);
    ASSERT_EQ(messageBoxes.shown.size(), 1);
    EXPECT_EQ(messageBoxes.shown[0].text, HHErrorText(HH_ERR_KeyHHexeNotFound));
}

}  // namespace
}  // namespace slcy
