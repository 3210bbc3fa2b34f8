// Progress files: their exact bytes, what any file reads as, the ".slv" name rule, and writes
// that fail without harming the file that was there.
#include <gtest/gtest.h>

#include "persist_test_support.h"
#include "progress_file.h"

namespace slcy::testing {
namespace {

QByteArray Hex(const QByteArray& bytes) { return bytes.toHex(' '); }

ProgressTable TableWith(int level, std::int32_t entry) {
    ProgressTable table{};
    Entry(table, level) = entry;
    return table;
}

// Every entry different, negative ones and the last level included.
ProgressTable Distinct() {
    ProgressTable table{};
    for (int level = 1; level <= kMaxLevels; ++level)
        Entry(table, level) = (level % 3 == 0 ? -1 : 1) * (level * 7919 + 13);
    return table;
}

// --- The bytes.

TEST(ProgressFileBytes, AreExactly2000) {
    EXPECT_EQ(ProgressFileBytes(ProgressTable{}).size(), 2000);
}

TEST(ProgressFileBytes, LevelTwoOf37IsStoredInBytesFourToSeven) {
    const QByteArray bytes = ProgressFileBytes(TableWith(2, 37));
    EXPECT_EQ(Hex(bytes.mid(4, 4)), "25 00 00 00");
    EXPECT_EQ(bytes.count('\0'), 1999);
}

TEST(ProgressFileBytes, MinusOneIsStoredAsFourFF) {
    EXPECT_EQ(Hex(ProgressFileBytes(TableWith(1, -1)).left(4)), "ff ff ff ff");
}

TEST(ProgressFileBytes, TheLeastSignificantByteComesFirst) {
    EXPECT_EQ(Hex(ProgressFileBytes(TableWith(3, 0x01020304)).mid(8, 4)), "04 03 02 01");
}

TEST(ProgressFileBytes, Level500IsTheLastFourBytes) {
    EXPECT_EQ(Hex(ProgressFileBytes(TableWith(500, 480)).right(4)), "e0 01 00 00");
}

TEST(ProgressFileBytes, ReadBackAsTheSameTable) {
    EXPECT_EQ(ProgressTableFromBytes(ProgressFileBytes(Distinct())), Distinct());
}

// --- Any length reads.

TEST(ProgressFileReading, A400ByteFileSetsLevels1To100AndLeavesTheRest0) {
    const QByteArray file = ProgressFileBytes(Distinct()).left(400);
    const ProgressTable table = ProgressTableFromBytes(file);
    for (int level = 1; level <= 100; ++level) EXPECT_EQ(Entry(table, level), Entry(Distinct(), level));
    for (int level = 101; level <= 500; ++level) EXPECT_EQ(Entry(table, level), 0) << level;
}

TEST(ProgressFileReading, AnEntryCutShortKeepsTheBytesItHas) {
    const QByteArray file = ProgressFileBytes(TableWith(101, 0x0A0B0C0D)).left(402);
    EXPECT_EQ(Entry(ProgressTableFromBytes(file), 101), 0x0C0D);
}

TEST(ProgressFileReading, A3000ByteFileUsesItsFirst2000Bytes) {
    const QByteArray file = ProgressFileBytes(Distinct()) + QByteArray(1000, '\x7f');
    EXPECT_EQ(ProgressTableFromBytes(file), Distinct());
}

TEST(ProgressFileReading, AnEmptyFileGivesNoResults) {
    EXPECT_EQ(ProgressTableFromBytes(QByteArray()), ProgressTable{});
}

TEST(ProgressFileReading, AFileOnDiskIsReadInFull) {
    ScratchFolder folder;
    WriteBytes(folder / "week1.slv", ProgressFileBytes(Distinct()));
    EXPECT_EQ(ReadProgressFile(folder / "week1.slv"), Distinct());
}

TEST(ProgressFileReading, A3000ByteFileOnDiskIsRead) {
    ScratchFolder folder;
    WriteBytes(folder / "long.slv", ProgressFileBytes(Distinct()) + QByteArray(1000, '\x7f'));
    EXPECT_EQ(ReadProgressFile(folder / "long.slv"), Distinct());
}

TEST(ProgressFileReading, ADirectoryOfThatNameCannotBeRead) {
    ScratchFolder folder;
    QDir().mkpath(folder / "week1.slv");
    EXPECT_FALSE(ReadProgressFile(folder / "week1.slv"));
}

TEST(ProgressFileReading, AMissingFileCannotBeRead) {
    ScratchFolder folder;
    EXPECT_FALSE(ReadProgressFile(folder / "week1.slv"));
}

TEST(ProgressFileReading, AFileAnOrdinaryUserMayNotReadIsNotRead) {
    ScratchFolder folder;
    WriteBytes(folder / "secret.slv", ProgressFileBytes(Distinct()));
    QFile::setPermissions(folder / "secret.slv", QFile::ReadOwner | QFile::WriteOwner);
    const QString path = folder / "secret.slv";
    EXPECT_EQ(RunAsOrdinaryUser([&] { return ReadProgressFile(path) ? 1 : 0; }), 0);
}

// --- Writing.

TEST(ProgressFileWriting, WritesThe2000Bytes) {
    ScratchFolder folder;
    ASSERT_TRUE(WriteProgressFile(folder / "week1.slv", TableWith(2, 37)));
    EXPECT_EQ(ReadBytes(folder / "week1.slv"), ProgressFileBytes(TableWith(2, 37)));
}

TEST(ProgressFileWriting, ReplacesALongerEarlierFileCompletely) {
    ScratchFolder folder;
    WriteBytes(folder / "week1.slv", QByteArray(3000, 'x'));
    ASSERT_TRUE(WriteProgressFile(folder / "week1.slv", Distinct()));
    EXPECT_EQ(ReadBytes(folder / "week1.slv"), ProgressFileBytes(Distinct()));
}

TEST(ProgressFileWriting, OnAFullDiskFailsAndLeavesTheEarlierFileAsItWas) {
    ScratchFolder folder;
    WriteBytes(folder / "week1.slv", "earlier results");
    bool written = true;
    {
        FullDisk disk(1000);
        written = WriteProgressFile(folder / "week1.slv", Distinct());
    }
    EXPECT_FALSE(written);
    EXPECT_EQ(ReadBytes(folder / "week1.slv"), "earlier results");
    EXPECT_EQ(FolderEntries(folder.path()), QStringList{"week1.slv"}) << "no temporary file is left";
}

TEST(ProgressFileWriting, OnAFullDiskLeavesNoFileWhereThereWasNone) {
    ScratchFolder folder;
    {
        FullDisk disk(1000);
        EXPECT_FALSE(WriteProgressFile(folder / "week1.slv", Distinct()));
    }
    EXPECT_EQ(FolderEntries(folder.path()), QStringList{});
}

TEST(ProgressFileWriting, IntoAFolderThatIsAFileFails) {
    ScratchFolder folder;
    WriteBytes(folder / "games", "a file");
    EXPECT_FALSE(WriteProgressFile(folder / "games/week1.slv", Distinct()));
    EXPECT_EQ(ReadBytes(folder / "games"), "a file");
}

TEST(ProgressFileWriting, OntoADirectoryFailsAndLeavesIt) {
    ScratchFolder folder;
    QDir().mkpath(folder / "week1.slv/inside");
    EXPECT_FALSE(WriteProgressFile(folder / "week1.slv", Distinct()));
    EXPECT_TRUE(QFileInfo(folder / "week1.slv/inside").isDir());
}

TEST(ProgressFileWriting, InAReadOnlyFolderFailsForAnOrdinaryUserAndKeepsTheEarlierFile) {
    ScratchFolder folder;
    const QString path = folder / "week1.slv";
    WriteBytes(path, "earlier results");
    // The file itself is open to everyone; only the folder refuses the temporary file.
    QFile::setPermissions(path, kOpenFile | QFile::WriteGroup | QFile::WriteOther);
    QFile::setPermissions(folder.path(), kReadOnlyFolder);
    EXPECT_EQ(RunAsOrdinaryUser([&] { return WriteProgressFile(path, Distinct()) ? 1 : 0; }), 0);
    EXPECT_EQ(ReadBytes(path), "earlier results");
}

// --- Names.

TEST(ProgressFileNames, ANameWithoutExtensionGetsSlv) {
    EXPECT_EQ(ReplaceExtension("/home/anna/week1"), "/home/anna/week1.slv");
}

TEST(ProgressFileNames, AnotherExtensionIsReplacedBySlv) {
    EXPECT_EQ(ReplaceExtension("/home/anna/week1.txt"), "/home/anna/week1.slv");
}

TEST(ProgressFileNames, SlvStaysSlv) {
    EXPECT_EQ(ReplaceExtension("/home/anna/week1.slv"), "/home/anna/week1.slv");
}

TEST(ProgressFileNames, OnlyTheLastFullStopStartsTheExtension) {
    EXPECT_EQ(ReplaceExtension("/home/anna/week1.backup.txt"), "/home/anna/week1.backup.slv");
}

TEST(ProgressFileNames, AFullStopInAFolderNameIsNoExtension) {
    EXPECT_EQ(ReplaceExtension("/home/anna/my.games/week1"), "/home/anna/my.games/week1.slv");
}

TEST(ProgressFileNames, ANameEndingInAFullStopGetsSlvAfterIt) {
    EXPECT_EQ(ReplaceExtension("/home/anna/week1."), "/home/anna/week1.slv");
}

TEST(ProgressFileNames, ANameThatIsOnlyAnExtensionBecomesSlv) {
    EXPECT_EQ(ReplaceExtension("/home/anna/.hidden"), "/home/anna/.slv");
}

TEST(ProgressFileNames, TheNamePartIsWhatFollowsTheLastSeparator) {
    EXPECT_EQ(FileNamePart("/home/anna/my.games/week1.slv"), "week1.slv");
    EXPECT_EQ(FileNamePart("week1.slv"), "week1.slv");
}

TEST(ProgressFileNames, TheFolderPartKeepsItsSeparator) {
    EXPECT_EQ(FolderPart("/home/anna/my.games/week1.slv"), "/home/anna/my.games/");
    EXPECT_EQ(FolderPart("week1.slv"), "");
}

}  // namespace
}  // namespace slcy::testing
