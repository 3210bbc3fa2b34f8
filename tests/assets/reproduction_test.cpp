// The committed pictures and sounds are exactly what the generators make: running them again
// must give the same bytes, and nothing more or less.
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QProcess>
#include <QSet>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "AssetFiles.h"

using namespace assettest;

namespace {

QSet<QString> FilesUnder(const QString& root, const QStringList& patterns) {
    QSet<QString> files;
    QDirIterator it(root, patterns, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) files.insert(QDir(root).relativeFilePath(it.next()));
    return files;
}

void ExpectSameFiles(const QString& made, const QStringList& patterns) {
    const QSet<QString> fresh = FilesUnder(made, patterns);
    const QSet<QString> committed = FilesUnder(SLCY_ASSET_DIR, patterns);
    EXPECT_EQ(fresh, committed);
    for (const QString& f : fresh) {
        EXPECT_TRUE(ReadFile(made + "/" + f) == ReadFile(AssetPath(f)))
            << f.toStdString() << " differs from what the generator makes now";
    }
}

bool RunTool(const QString& program, const QStringList& args) {
    QProcess p;
    p.start(program, args);
    if (!p.waitForFinished(60000)) return false;
    return p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
}

}  // namespace

TEST(Reproduction, ArtgenMakesTheCommittedPicturesByteForByte) {
    const QByteArray committedFonts = ReadFile(AssetPath(kFontChecksums));
    ASSERT_FALSE(committedFonts.isEmpty()) << "the checksums of the fonts are not committed";
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const bool made = RunTool(SLCY_ARTGEN, {"--out", dir.path()});
    // The lettering is drawn from the system's font files: with other fonts the generator makes
    // other pixels, and a difference would say nothing about the generator.
    if (ReadFile(dir.path() + "/" + kFontChecksums) != committedFonts)
        GTEST_SKIP() << "fonts differ, cannot compare";
    ASSERT_TRUE(made);
    ExpectSameFiles(dir.path(), {"*.png", "*.sha256"});
}

TEST(Reproduction, SoundgenMakesTheCommittedSoundsByteForByte) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    ASSERT_TRUE(RunTool(SLCY_SOUNDGEN, {"--out", dir.path() + "/sounds"}));
    ExpectSameFiles(dir.path(), {"*.wav"});
}

// Every generator reads its command line the same way: --help shows the usage, an option it
// does not know is refused with the usage.
TEST(Reproduction, GeneratorsExplainThemselves) {
    for (const char* tool :
         {SLCY_ARTGEN, SLCY_SOUNDGEN, SLCY_LEVELS, SLCY_HELPPICS, SLCY_PLAINART}) {
        QProcess p;
        p.start(tool, {"--help"});
        ASSERT_TRUE(p.waitForFinished(10000));
        EXPECT_EQ(p.exitCode(), 0) << tool;
        EXPECT_TRUE(p.readAllStandardOutput().startsWith("Usage:")) << tool;
        p.start(tool, {"--no-such-option"});
        ASSERT_TRUE(p.waitForFinished(10000));
        EXPECT_EQ(p.exitCode(), 2) << tool;
        EXPECT_TRUE(p.readAllStandardError().contains("\nUsage:")) << tool;
    }
}

// A picture the build cannot read stops it, rather than going into the program as pixels that
// are not there.
TEST(Reproduction, PlainartRefusesAPictureItCannotRead) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QProcess p;
    p.start(SLCY_PLAINART, {"--from", dir.path(), "--out", dir.path(), "sprites/missing.png"});
    ASSERT_TRUE(p.waitForFinished(10000));
    EXPECT_NE(p.exitCode(), 0);
    EXPECT_TRUE(p.readAllStandardError().contains("cannot read"));
    EXPECT_FALSE(QFile::exists(dir.filePath("sprites/missing.pam")));
    // Nor does it guess a folder it was not given.
    p.start(SLCY_PLAINART, {"--from", dir.path(), "sprites/missing.png"});
    ASSERT_TRUE(p.waitForFinished(10000));
    EXPECT_EQ(p.exitCode(), 2);
}
