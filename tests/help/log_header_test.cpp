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
    f.locale = LocaleIdOf(QStringLiteral("de_DE.UTF-8"));
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
                  "SysLocale.DefaultLCID: \t0x0407 (German (Germany))",
                  "SysLocale.PriLangID:   \t0x0007 (German)",
                  "SysLocale.SubLangID:   \t0x0001 (Germany)",
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

// The locale rows: the language identifier of the POSIX locale, then its primary language and
// sub-language, each a number with its name.
TEST(LocaleRows, APosixLocaleBecomesALanguageIdentifier) {
    struct Case {
        const char* posix;
        int id, primary, sub;
        const char *name, *primaryName, *subName;
    };
    const Case cases[] = {
        {"de_DE.UTF-8", 0x0407, 0x07, 0x01, "German (Germany)", "German", "Germany"},
        {"de_AT", 0x0c07, 0x07, 0x03, "German (Austria)", "German", "Austria"},
        {"de_CH.ISO-8859-1", 0x0807, 0x07, 0x02, "German (Switzerland)", "German", "Switzerland"},
        {"de_DE@euro", 0x0407, 0x07, 0x01, "German (Germany)", "German", "Germany"},
        {"en_US.UTF-8", 0x0409, 0x09, 0x01, "English (United States)", "English", "United States"},
        {"en_GB.UTF-8", 0x0809, 0x09, 0x02, "English (United Kingdom)", "English",
         "United Kingdom"},
        {"C", 0x007f, 0x7f, 0x00, "C", "C", "Default"},
        {"C.UTF-8", 0x007f, 0x7f, 0x00, "C", "C", "Default"},
        {"POSIX", 0x007f, 0x7f, 0x00, "C", "C", "Default"},
        // Not in the table: 0, with the names Qt has for it, or else the name's own parts.
        {"fr_FR.UTF-8", 0, 0, 0, "French (France)", "French", "France"},
        {"xx_YY.UTF-8", 0, 0, 0, "xx_YY", "xx", "YY"},
    };
    for (const Case& c : cases) {
        const LocaleId l = LocaleIdOf(QLatin1String(c.posix));
        EXPECT_EQ(l.id, c.id) << c.posix;
        EXPECT_EQ(l.primaryId, c.primary) << c.posix;
        EXPECT_EQ(l.subId, c.sub) << c.posix;
        EXPECT_EQ(l.name, QLatin1String(c.name)) << c.posix;
        EXPECT_EQ(l.primaryName, QLatin1String(c.primaryName)) << c.posix;
        EXPECT_EQ(l.subName, QLatin1String(c.subName)) << c.posix;
    }
}

TEST(LocaleRows, TheLocaleIsTheOneNumbersFollow) {
    const QByteArray all = qgetenv("LC_ALL"), numeric = qgetenv("LC_NUMERIC");
    const QByteArray lang = qgetenv("LANG");
    qunsetenv("LC_ALL");
    qputenv("LC_NUMERIC", "de_AT.UTF-8");
    qputenv("LANG", "en_GB.UTF-8");
    EXPECT_EQ(PosixLocaleName(), QStringLiteral("de_AT.UTF-8"));
    qputenv("LC_ALL", "C.UTF-8");
    EXPECT_EQ(PosixLocaleName(), QStringLiteral("C.UTF-8"));
    qunsetenv("LC_ALL");
    qunsetenv("LC_NUMERIC");
    qunsetenv("LANG");
    EXPECT_EQ(PosixLocaleName(), QStringLiteral("C"));
    for (const auto& [name, value] : {std::pair{"LC_ALL", all}, std::pair{"LC_NUMERIC", numeric},
                                      std::pair{"LANG", lang}})
        if (!value.isNull()) qputenv(name, value);
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
