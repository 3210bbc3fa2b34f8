// The diagnostic log: what switches it on, where it goes, that each start begins a new one,
// and what a message becomes in the file.
#include "debug_log.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "help_fixture.h"

namespace slcy {
namespace {

QStringList Args(const QStringList& after) {
    return QStringList{QStringLiteral("slcy2_4")} + after;
}

void Touch(const QString& path) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("old\n");
}

TEST(DebugLogSwitch, OffWithoutSwitch) {
    QTemporaryDir dir;
    EXPECT_FALSE(TDLogFile(dir.path(), Args({})).Active());
}

TEST(DebugLogSwitch, OnWithSlashOrDashDebugInAnyLetterCase) {
    QTemporaryDir dir;
    for (const char* argument : {"/debug", "/DEBUG", "/Debug", "-debug", "-Debug", "-dEbUg"})
        EXPECT_TRUE(
            TDLogFile::SwitchedOn(dir.path(), Args({QStringLiteral("x"), QLatin1String(argument)})))
            << argument;
}

TEST(DebugLogSwitch, OtherArgumentsLeaveItOff) {
    QTemporaryDir dir;
    for (const char* argument : {"debug", "--debug", "/debugger", "-debug "})
        EXPECT_FALSE(TDLogFile::SwitchedOn(dir.path(), Args({QLatin1String(argument)})))
            << argument;
}

TEST(DebugLogSwitch, OnWithAFileDebugDebugInTheProgramDirectory) {
    QTemporaryDir dir;
    Touch(QDir(dir.path()).filePath(QStringLiteral("debug.debug")));
    EXPECT_TRUE(TDLogFile(dir.path(), Args({})).Active());
}

TEST(DebugLogPlace, InTheProgramDirectoryWhenATestFileCanBeMadeThere) {
    QTemporaryDir dir;
    const TDLogFile log(dir.path(), Args({QStringLiteral("/debug")}));
    EXPECT_EQ(log.FileName(), QDir(dir.path()).filePath(QStringLiteral("HHDebug.txt")));
    EXPECT_FALSE(QFile::exists(QDir(dir.path()).filePath(QStringLiteral("$_Temp_$.$$$"))));
}

TEST(DebugLogPlace, InTheTemporaryDirectoryWhenTheProgramDirectoryIsNotWritable) {
    QTemporaryDir root;
    QTemporaryDir temp;
    // A directory below a regular file can never be written to, not even by root.
    Touch(QDir(root.path()).filePath(QStringLiteral("file")));
    const QString program = QDir(root.path()).filePath(QStringLiteral("file/bin"));
    const QByteArray oldTmp = qgetenv("TMPDIR");
    qputenv("TMPDIR", temp.path().toLocal8Bit());
    const TDLogFile log(program, Args({QStringLiteral("/debug")}));
    log.Out(QStringLiteral("hello"));
    qputenv("TMPDIR", oldTmp);
    EXPECT_EQ(log.FileName(), QDir(temp.path()).filePath(QStringLiteral("HHDebug.txt")));
    EXPECT_TRUE(QFile::exists(log.FileName()));
}

TEST(DebugLogStart, AnOldLogIsDeletedAtEveryStartEvenWithTheLogOff) {
    QTemporaryDir dir;
    const QString old = QDir(dir.path()).filePath(QStringLiteral("HHDebug.txt"));
    Touch(old);
    QFile::setPermissions(old, QFile::ReadOwner);
    const TDLogFile log(dir.path(), Args({}));
    EXPECT_FALSE(log.Active());
    EXPECT_FALSE(QFile::exists(old));
}

TEST(DebugLogLines, ALoneDashOrEqualsSignBecomesARuleOf79) {
    EXPECT_EQ(TDLogFile::Line(QStringLiteral("-"), QTime(12, 0)), QString(79, u'-'));
    EXPECT_EQ(TDLogFile::Line(QStringLiteral("="), QTime(12, 0)), QString(79, u'='));
}

TEST(DebugLogLines, ALeadingBangDashOrEqualsSignIsDroppedAndNoTimeIsStamped) {
    EXPECT_EQ(TDLogFile::Line(QStringLiteral("!Date:\tx"), QTime(12, 0)),
              QStringLiteral("Date:\tx"));
    EXPECT_EQ(TDLogFile::Line(QStringLiteral("-- part --"), QTime(12, 0)),
              QStringLiteral("- part --"));
    EXPECT_EQ(TDLogFile::Line(QStringLiteral("==x"), QTime(12, 0)), QStringLiteral("=x"));
}

TEST(DebugLogLines, EveryOtherMessageFollowsTheTimeOfDayAndThreeBlanks) {
    EXPECT_EQ(TDLogFile::Line(QStringLiteral("ShowContext(\"a\", 2)"), QTime(9, 5, 7)),
              QStringLiteral("09:05:07   ShowContext(\"a\", 2)"));
    EXPECT_EQ(TDLogFile::Line(QStringLiteral("  returned - 0"), QTime(23, 59, 59)),
              QStringLiteral("23:59:59     returned - 0"));
}

TEST(DebugLogLines, EachMessageIsAppendedAsOneLine) {
    QTemporaryDir dir;
    const TDLogFile log(dir.path(), Args({QStringLiteral("-debug")}));
    log.Out(QStringLiteral("one"));
    log.Out(QStringLiteral("!two"));
    QFile file(log.FileName());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QStringList lines = QString::fromUtf8(file.readAll()).split(u'\n');
    ASSERT_EQ(lines.size(), 3);
    EXPECT_TRUE(lines[0].endsWith(QStringLiteral("   one")));
    EXPECT_EQ(lines[1], QStringLiteral("two"));
    EXPECT_EQ(lines[2], QString());
}

TEST(DebugLogLines, NothingIsWrittenWhileTheLogIsOff) {
    QTemporaryDir dir;
    const TDLogFile log(dir.path(), Args({}));
    log.Out(QStringLiteral("one"));
    EXPECT_FALSE(QFile::exists(log.FileName()));
}

using DebugLogStartTest = HelpFixture;

TEST_F(DebugLogStartTest, StartedWithDebugTheProgramWritesTheLogBesideItself) {
    StartHelp({QStringLiteral("/DEBUG")});
    EXPECT_EQ(DebugLogFileName(), ProgramDirectory() + QStringLiteral("HHDebug.txt"));
    ASSERT_FALSE(LogLines().isEmpty());
    EXPECT_EQ(LogLines().first(), QString(79, u'='));
}

TEST_F(DebugLogStartTest, StartedWithoutDebugTheProgramWritesNoLog) {
    StartHelp();
    THookHelpSystem help(HelpFile(), QString(), kHostViewer);
    HelpContext(2);
    EXPECT_FALSE(QFile::exists(DebugLogFileName()));
}

}  // namespace
}  // namespace slcy
