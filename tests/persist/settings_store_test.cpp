// The settings store: where it lives, the text form of each kind of value, how each reads back,
// and what a write that cannot be completed leaves behind.
#include <gtest/gtest.h>

#include "persist_test_support.h"
#include "settings_keys.h"
#include "settings_store.h"

namespace slcy::testing {
namespace {

const QString kCommon = QStringLiteral("common");

// --- Where the store lives and what its lines look like.

using SettingsTextForms = SettingsTest;

TEST_F(SettingsTextForms, TheStoreIsV2ConfInTheMakersFolderUnderTheConfigHome) {
    const QString configHome = qEnvironmentVariable("XDG_CONFIG_HOME");
    EXPECT_EQ(StoreFile(), configHome + QStringLiteral("/WumpleGames/Sluicery/V2.conf"));
}

TEST_F(SettingsTextForms, TheFirstWriteCreatesTheFileWithTheSectionCommon) {
    ASSERT_TRUE(PutSettingInt(kCommon, "level", 37));
    EXPECT_EQ(StoreText(), "[common]\nlevel=37\n");
}

TEST_F(SettingsTextForms, IntegersAreWrittenInDecimalWithAMinusSign) {
    ASSERT_TRUE(PutSettingInt(kCommon, "tongue", -1));
    ASSERT_TRUE(PutSettingInt(kCommon, "level", 37));
    EXPECT_EQ(StoreLines(), SortedLines("[common]\ntongue=-1\nlevel=37\n"));
}

TEST_F(SettingsTextForms, BooleansAreWrittenAsOneAndZero) {
    ASSERT_TRUE(PutSettingBool(kCommon, "sound", true));
    EXPECT_EQ(StoreText(), "[common]\nsound=1\n");
    ASSERT_TRUE(PutSettingBool(kCommon, "sound", false));
    EXPECT_EQ(StoreText(), "[common]\nsound=0\n");
}

TEST_F(SettingsTextForms, PathsWithBlanksAndUmlautsAreWrittenAsTheyAre) {
    const QString path = QString::fromUtf8("/home/jörg/Meine Spiele/Wöche 1.slv");
    ASSERT_TRUE(PutSettingText(kCommon, "save", path));
    EXPECT_EQ(StoreText(), QString::fromUtf8("[common]\nsave=/home/jörg/Meine Spiele/Wöche 1.slv\n")
                               .toUtf8());
    EXPECT_EQ(GetSettingText(kCommon, "save", QString()), path);
}

TEST_F(SettingsTextForms, ThePlacementTextIsQuotedOnOneLineAndReadsBackAsOneText) {
    ASSERT_TRUE(PutSettingText(kCommon, "MainForm", "200,0,1,412,300,918,694"));
    EXPECT_EQ(StoreText(), "[common]\nMainForm=\"200,0,1,412,300,918,694\"\n");
    EXPECT_EQ(GetSettingText(kCommon, "MainForm", QString()), "200,0,1,412,300,918,694");
}

TEST_F(SettingsTextForms, QuotesAndBackslashesInATextReadBackUnchanged) {
    const QString odd = QStringLiteral("a \"b\" \\c; d=e, @f");
    ASSERT_TRUE(PutSettingText(kCommon, "save", odd));
    EXPECT_EQ(GetSettingText(kCommon, "save", QString()), odd);
}

TEST_F(SettingsTextForms, AWholeRunLeavesSoundLevelTongueSaveAndMainForm) {
    // The close writes sound, level, tongue and save; the destruction MainForm.
    ASSERT_TRUE(PutSettingBool(kCommon, kSoundKey, false));
    ASSERT_TRUE(PutSettingInt(kCommon, kLevelKey, 12));
    ASSERT_TRUE(PutSettingInt(kCommon, kLanguageKey, 0));
    ASSERT_TRUE(PutSettingText(kCommon, kProgressPathKey, "/home/anna/week1.slv"));
    ASSERT_TRUE(PutSettingText(kCommon, kPlacementKey, "200,0,1,412,300,918,694"));
    EXPECT_TRUE(StoreText().startsWith("[common]\n"));
    EXPECT_EQ(StoreLines(), SortedLines(
              "[common]\n"
              "sound=0\n"
              "level=12\n"
              "tongue=0\n"
              "save=/home/anna/week1.slv\n"
              "MainForm=\"200,0,1,412,300,918,694\"\n"));
}

// --- Reading.

using SettingsReading = SettingsTest;

TEST_F(SettingsReading, WithoutAStoreEveryReadGivesItsDefault) {
    EXPECT_EQ(GetSettingInt(kCommon, kLanguageKey, kLanguageDefault), -1);
    EXPECT_EQ(GetSettingInt(kCommon, kLevelKey, kLevelDefault), 1);
    EXPECT_EQ(GetSettingText(kCommon, kProgressPathKey, QString()), QString());
    EXPECT_TRUE(GetSettingBool(kCommon, kSoundKey, kSoundDefault));
    EXPECT_FALSE(QFileInfo::exists(MakerFolder())) << "reading never creates anything";
}

TEST_F(SettingsReading, LeadingZerosAreIgnored) {
    WriteStoreAsAnotherProgram("[common]\nlevel=007\n");
    EXPECT_EQ(GetSettingInt(kCommon, "level", 1), 7);
}

TEST_F(SettingsReading, ANegativeNumberIsReadAsItIs) {
    WriteStoreAsAnotherProgram("[common]\ntongue=-1\nlevel=-5\n");
    EXPECT_EQ(GetSettingInt(kCommon, "tongue", 1), -1);
    EXPECT_EQ(GetSettingInt(kCommon, "level", 1), -5);
}

TEST_F(SettingsReading, AFractionGivesTheDefault) {
    WriteStoreAsAnotherProgram("[common]\nlevel=7.5\n");
    EXPECT_EQ(GetSettingInt(kCommon, "level", 1), 1);
}

TEST_F(SettingsReading, AWordGivesTheDefault) {
    WriteStoreAsAnotherProgram("[common]\ntongue=x\nlevel=abc\n");
    EXPECT_EQ(GetSettingInt(kCommon, "tongue", -1), -1);
    EXPECT_EQ(GetSettingInt(kCommon, "level", 1), 1);
}

TEST_F(SettingsReading, AnEmptyTextIsNoIntegerAndGivesTheDefault) {
    WriteStoreAsAnotherProgram("[common]\nlevel=\n");
    EXPECT_EQ(GetSettingInt(kCommon, "level", 1), 1);
}

TEST_F(SettingsReading, ANumberBeyond32BitsGivesTheDefault) {
    WriteStoreAsAnotherProgram("[common]\nlevel=99999999999\ntongue=2147483648\n");
    EXPECT_EQ(GetSettingInt(kCommon, "level", 1), 1);
    EXPECT_EQ(GetSettingInt(kCommon, "tongue", -1), -1);
}

TEST_F(SettingsReading, TheLimitsOf32BitsAreRead) {
    WriteStoreAsAnotherProgram("[common]\nlevel=2147483647\ntongue=-2147483648\n");
    EXPECT_EQ(GetSettingInt(kCommon, "level", 1), 2147483647);
    EXPECT_EQ(GetSettingInt(kCommon, "tongue", -1), -2147483647 - 1);
}

TEST_F(SettingsReading, AnyIntegerButZeroIsTrue) {
    WriteStoreAsAnotherProgram("[common]\nsound=2\nother=-1\n");
    EXPECT_TRUE(GetSettingBool(kCommon, "sound", false));
    EXPECT_TRUE(GetSettingBool(kCommon, "other", false));
}

TEST_F(SettingsReading, ZeroIsFalse) {
    WriteStoreAsAnotherProgram("[common]\nsound=0\n");
    EXPECT_FALSE(GetSettingBool(kCommon, "sound", true));
}

TEST_F(SettingsReading, ABooleanThatIsNoIntegerGivesTheDefault) {
    WriteStoreAsAnotherProgram("[common]\nsound=abc\nother=true\n");
    EXPECT_TRUE(GetSettingBool(kCommon, "sound", true));
    EXPECT_FALSE(GetSettingBool(kCommon, "sound", false));
    EXPECT_FALSE(GetSettingBool(kCommon, "other", false));
}

TEST_F(SettingsReading, AnEmptyTextIsReadAsEmptyNotAsTheDefault) {
    WriteStoreAsAnotherProgram("[common]\nsave=\n");
    EXPECT_EQ(GetSettingText(kCommon, "save", "fallback"), QString());
}

TEST_F(SettingsReading, AMissingTextGivesTheDefault) {
    WriteStoreAsAnotherProgram("[common]\nlevel=3\n");
    EXPECT_EQ(GetSettingText(kCommon, "save", "fallback"), "fallback");
}

TEST_F(SettingsReading, AnUnquotedListOfCommasIsStillOneText) {
    WriteStoreAsAnotherProgram("[common]\nMainForm=200,0,1,412,300,918,694\n");
    EXPECT_EQ(GetSettingText(kCommon, "MainForm", QString()), "200,0,1,412,300,918,694");
}

TEST_F(SettingsReading, AValueInAnotherSectionIsNotSeen) {
    WriteStoreAsAnotherProgram("[other]\nlevel=9\n");
    EXPECT_EQ(GetSettingInt(kCommon, "level", 1), 1);
}

TEST_F(SettingsReading, TheMakersOtherFilesAreNeverConsulted) {
    const QString orgFile = QFileInfo(MakerFolder()).absolutePath() + "/WumpleGames.conf";
    WriteBytes(orgFile, "[common]\nlevel=9\n");
    EXPECT_EQ(GetSettingInt(kCommon, "level", 1), 1);
    QFile::remove(orgFile);
}

TEST_F(SettingsReading, AGarbledLineDoesNotSpoilTheOthers) {
    WriteStoreAsAnotherProgram("[common]\nthis is no setting\nlevel=4\n");
    EXPECT_EQ(GetSettingInt(kCommon, "level", 1), 4);
}

// --- One operation at a time.

using SettingsOperations = SettingsTest;

TEST_F(SettingsOperations, AnEditByAnotherProgramBetweenTwoReadsIsSeen) {
    ASSERT_TRUE(PutSettingInt(kCommon, "level", 3));
    EXPECT_EQ(GetSettingInt(kCommon, "level", 1), 3);
    WriteStoreAsAnotherProgram("[common]\nlevel=4\n");
    EXPECT_EQ(GetSettingInt(kCommon, "level", 1), 4);
}

TEST_F(SettingsOperations, AWriteKeepsWhatAnotherProgramAddedMeanwhile) {
    ASSERT_TRUE(PutSettingInt(kCommon, "level", 3));
    WriteStoreAsAnotherProgram("[common]\nlevel=3\ntongue=1\n");
    ASSERT_TRUE(PutSettingBool(kCommon, "sound", false));
    EXPECT_EQ(StoreLines(), SortedLines("[common]\nlevel=3\ntongue=1\nsound=0\n"));
}

TEST_F(SettingsOperations, WritingAValueReplacesItAndKeepsTheOthers) {
    WriteStoreAsAnotherProgram("[common]\nsound=1\nlevel=3\ntongue=1\n");
    ASSERT_TRUE(PutSettingInt(kCommon, "level", 12));
    EXPECT_EQ(StoreLines(), SortedLines("[common]\nsound=1\nlevel=12\ntongue=1\n"));
}

TEST_F(SettingsOperations, DropRemovesOnlyThatValue) {
    WriteStoreAsAnotherProgram("[common]\nMainFormColor=12\nlevel=3\nMainFormFont=Arial\n");
    ASSERT_TRUE(DropSetting(kCommon, "MainFormColor"));
    ASSERT_TRUE(DropSetting(kCommon, "MainFormFont"));
    EXPECT_EQ(StoreText(), "[common]\nlevel=3\n");
}

TEST_F(SettingsOperations, DroppingAValueThatIsNotThereSucceedsAndCreatesNothing) {
    EXPECT_TRUE(DropSetting(kCommon, "MainFormColor"));
    EXPECT_FALSE(QFileInfo::exists(MakerFolder()));
}

// --- Writes that cannot be completed.

using SettingsWriteFailures = SettingsTest;

const QByteArray kEarlierStore = "[common]\nlevel=3\nsave=/home/anna/" + QByteArray(600, 'x') + "\n";

TEST_F(SettingsWriteFailures, AFullDiskLeavesTheFileAsItWas) {
    WriteStoreAsAnotherProgram(kEarlierStore);
    bool written = true;
    {
        // Room for the lock file, not for the new store.
        FullDisk disk(200);
        written = PutSettingInt(kCommon, "level", 4);
    }
    EXPECT_FALSE(written);
    EXPECT_EQ(StoreText(), kEarlierStore);
    EXPECT_EQ(FolderEntries(StoreFolder()), QStringList{"V2.conf"}) << "no temporary file is left";
}

TEST_F(SettingsWriteFailures, AValueThatWasNotWrittenIsNotReadBackLater) {
    WriteStoreAsAnotherProgram(kEarlierStore);
    {
        FullDisk disk(200);
        PutSettingInt(kCommon, "level", 4);
        PutSettingInt(kCommon, "tongue", 1);
    }
    EXPECT_EQ(GetSettingInt(kCommon, "level", 1), 3);
    EXPECT_EQ(GetSettingInt(kCommon, "tongue", -1), -1);
}

TEST_F(SettingsWriteFailures, AFailedValueIsNotSlippedInByTheNextWrite) {
    WriteStoreAsAnotherProgram(kEarlierStore);
    {
        FullDisk disk(200);
        PutSettingInt(kCommon, "tongue", 1);
    }
    ASSERT_TRUE(PutSettingBool(kCommon, "sound", false));
    EXPECT_EQ(GetSettingInt(kCommon, "tongue", -1), -1);
    EXPECT_FALSE(StoreText().contains("tongue"));
}

TEST_F(SettingsWriteFailures, AFolderThatCannotBeCreatedMakesWritesFailQuietly) {
    // A file where the folder "Sluicery" belongs: not even root can create the folder.
    WriteBytes(StoreFolder(), "not a folder");
    EXPECT_FALSE(PutSettingInt(kCommon, "level", 4));
    EXPECT_FALSE(PutSettingText(kCommon, "MainForm", "200,0,1,1,2,3,4"));
    EXPECT_EQ(GetSettingInt(kCommon, "level", 1), 1);
    EXPECT_EQ(ReadBytes(StoreFolder()), "not a folder");
}

TEST_F(SettingsWriteFailures, ADirectoryInPlaceOfTheFileGivesDefaultsAndStays) {
    QDir().mkpath(StoreFile());
    EXPECT_EQ(GetSettingInt(kCommon, "level", 1), 1);
    EXPECT_FALSE(PutSettingInt(kCommon, "level", 4));
    EXPECT_EQ(GetSettingInt(kCommon, "level", 1), 1);
    EXPECT_TRUE(QFileInfo(StoreFile()).isDir());
}

TEST_F(SettingsWriteFailures, AReadOnlyFolderStopsAnOrdinaryUserAndKeepsTheFile) {
    WriteStoreAsAnotherProgram(kEarlierStore);
    // The file itself is open to everyone: only the folder says no.
    QFile::setPermissions(StoreFile(), kOpenFile | QFile::WriteGroup | QFile::WriteOther);
    QFile::setPermissions(StoreFolder(), kReadOnlyFolder);
    const int result = RunAsOrdinaryUser([] {
        const bool written = PutSettingInt(kCommon, "level", 4);
        const bool stillThree = GetSettingInt(kCommon, "level", 1) == 3;
        return !written && stillThree ? 0 : 1;
    });
    EXPECT_EQ(result, 0);
    EXPECT_EQ(StoreText(), kEarlierStore);
}

TEST_F(SettingsWriteFailures, AReadOnlyFileStopsAnOrdinaryUserAndStaysAsItWas) {
    WriteStoreAsAnotherProgram(kEarlierStore);
    // The folder is open to everyone: only the file says no.
    QFile::setPermissions(StoreFolder(), kOpenFolder | QFile::WriteGroup | QFile::WriteOther);
    QFile::setPermissions(StoreFile(), kReadOnlyFile);
    // QSettings itself refuses here (the folder would take the file): what it could not write
    // must not be read back either.
    const int result = RunAsOrdinaryUser([] {
        const bool levelWritten = PutSettingInt(kCommon, "level", 4);
        const bool tongueWritten = PutSettingInt(kCommon, "tongue", 1);
        const bool readBackAsBefore = GetSettingInt(kCommon, "level", 1) == 3 &&
                                      GetSettingInt(kCommon, "tongue", -1) == -1;
        return !levelWritten && !tongueWritten && readBackAsBefore ? 0 : 1;
    });
    EXPECT_EQ(result, 0);
    EXPECT_EQ(StoreText(), kEarlierStore);
}

}  // namespace
}  // namespace slcy::testing
