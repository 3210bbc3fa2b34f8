// The header of the diagnostic log: its rows in order, a tab before every value, the rules
// between the groups, and the release names of the viewer's versions.
#include "log_header.h"

#include "debug_log.h"
#include "help_fixture.h"
#include "log_facts.h"

namespace slcy {
namespace {

LogFacts SomeFacts() {
    LogFacts f;
    f.logFile = QStringLiteral("/opt/slcy/HHDebug.txt");
    f.date = QStringLiteral("2024-05-01 10:11:12");
    f.osName = QStringLiteral("Debian GNU/Linux 12 (bookworm)");
    f.osMajor = 6;
    f.osMinor = 1;
    f.osBuild = 0;
    f.osBuildText = QStringLiteral("#1 SMP Debian 6.1.76-1");
    f.localeName = QStringLiteral("de_DE.UTF-8");
    f.localeQtName = QStringLiteral("de_DE");
    f.languageId = 0x2a;
    f.languageName = QStringLiteral("German");
    f.territoryId = 0x52;
    f.territoryName = QStringLiteral("Germany");
    f.decimalSeparator = QStringLiteral(",");
    f.exePath = QStringLiteral("/opt/slcy/slcy2_4");
    f.exeVersion = QStringLiteral("2.4");
    f.parameters = QStringList{QStringLiteral("/DEBUG"), QStringLiteral("x")};
    f.actualCmdLine = QStringLiteral("/opt/slcy/slcy2_4 /DEBUG x");
    f.runDir = QStringLiteral("/home/p");
    f.moduleName = QStringLiteral("slcy2_4");
    f.moduleDir = QStringLiteral("/opt/slcy/");
    f.modulePath = QStringLiteral("/opt/slcy/slcy2_4");
    f.moduleVersion = QStringLiteral("2.4");
    f.viewerInstalled = true;
    f.viewerVersion = QStringLiteral("6.4.2.0");
    f.viewerFriendlyVersion = QStringLiteral("Qt 6.4");
    f.rendererInstalled = false;
    f.rendererVersion = QStringLiteral("6.4.2.0");
    f.rendererFriendlyVersion = QStringLiteral("Qt 6.4");
    return f;
}

QStringList AsWritten(const QStringList& messages) {
    QStringList lines;
    for (const QString& m : messages) lines << TDLogFile::Line(m, QTime(0, 0));
    return lines;
}

TEST(LogHeader, TheRowsComeInTheirOrderWithATabBeforeEveryValue) {
    const QString eq(79, u'=');
    const QString dash(79, u'-');
    EXPECT_EQ(AsWritten(LogHeader(SomeFacts())),
              (QStringList{
                  eq,
                  "Log File:             \t/opt/slcy/HHDebug.txt",
                  "Date:                 \t2024-05-01 10:11:12",
                  QStringLiteral("Operating System:      \tDebian GNU/Linux 12 (bookworm) 6.1 ") +
                      "(Build 0) #1 SMP Debian 6.1.76-1",
                  "SysLocale.DefaultLCID: \tde_DE.UTF-8 (de_DE)",
                  "SysLocale.PriLangID:   \t0x002a (German)",
                  "SysLocale.SubLangID:   \t0x0052 (Germany)",
                  "DecimalSeparator:      \t,",
                  dash,
                  "EXE Path =          \t/opt/slcy/slcy2_4",
                  "EXE Version =       \t2.4",
                  "Cmdline Param(s) =  \t/DEBUG | x",
                  "Actual CmdLine =  \t/opt/slcy/slcy2_4 /DEBUG x",
                  "_RunDir =           \t/home/p",
                  "_ModuleName =       \tslcy2_4",
                  "_ModuleDir =        \t/opt/slcy/",
                  "_ModulePath =        \t/opt/slcy/slcy2_4",
                  "Module Version =       \t2.4",
                  dash,
                  "_hhInstalled =      \tYES",
                  "_hhVerStr =         \t6.4.2.0",
                  "_hhFriendlyVerStr = \tQt 6.4",
                  dash,
                  "_ieInstalled =      \tNO",
                  "_ieVerStr =         \t6.4.2.0",
                  "_ieFriendlyVerStr = \tQt 6.4",
                  eq,
              }));
}

using LogHeaderStartTest = HelpFixture;

TEST_F(LogHeaderStartTest, TheProgramsLogBeginsWithTheHeaderOfThisRun) {
    StartHelp({QStringLiteral("/Debug"), QStringLiteral("two words")});
    const QStringList lines = LogLines();
    ASSERT_EQ(lines.size(), 27);
    const auto value = [&](int row) { return lines[row].section(u'\t', 1); };
    EXPECT_EQ(value(1), DebugLogFileName());
    EXPECT_EQ(value(11), QStringLiteral("/Debug | two words"));
    EXPECT_EQ(value(12), ProgramDirectory() + QStringLiteral("slcy2_4 /Debug \"two words\""));
    EXPECT_EQ(value(15), ProgramDirectory());
    EXPECT_EQ(value(19), QStringLiteral("YES"));
    EXPECT_EQ(value(20), HHVersion());
    EXPECT_FALSE(value(3).isEmpty());
    EXPECT_EQ(value(7), QLocale::system().decimalPoint());
}

TEST(ViewerReleaseNames, AKnownVersionHasItsReleaseName) {
    EXPECT_EQ(FriendlyViewerVersion(QStringLiteral("6.4.2.0")), QStringLiteral("Qt 6.4"));
    EXPECT_EQ(FriendlyViewerVersion(QStringLiteral("6.5.3.0")), QStringLiteral("Qt 6.5 LTS"));
    EXPECT_EQ(FriendlyRendererVersion(QStringLiteral("6.2.4.0")), QStringLiteral("Qt 6.2 LTS"));
}

TEST(ViewerReleaseNames, VersionsOutsideTheTableAreNamedByTheirSide) {
    EXPECT_EQ(FriendlyViewerVersion(QStringLiteral("5.15.2.0")), QStringLiteral("< Qt 6.0"));
    EXPECT_EQ(FriendlyViewerVersion(QStringLiteral("6.9.0.0")), QStringLiteral("> Qt 6.8 LTS"));
    EXPECT_EQ(FriendlyRendererVersion(QStringLiteral("5.15.2.0")), QStringLiteral("< Qt 6.0"));
    EXPECT_EQ(FriendlyRendererVersion(QStringLiteral("7.1.0.0")), QStringLiteral(">= Qt 7.1"));
}

TEST(ViewerReleaseNames, NoVersionHasNoName) {
    EXPECT_EQ(FriendlyViewerVersion(QString()), QString());
    EXPECT_EQ(FriendlyRendererVersion(QString()), QString());
}

}  // namespace
}  // namespace slcy
