// Reading the current progress file at start-up, and saving and loading through the dialogs,
// against scripted answers. The two rules that protect the player's results: a failed save
// leaves the earlier file as it was, and a failed load leaves the results as they were.
#include <gtest/gtest.h>

#include <deque>
#include <vector>

#include "fake_view.h"
#include "game.h"
#include "persist_test_support.h"
#include "progress_file.h"
#include "progress_flow.h"
#include "settings_keys.h"
#include "settings_store.h"

namespace slcy::testing {
namespace {

// Answers the dialogs in the order queued and writes down what each was shown. A dialog
// without a queued answer is cancelled; an overwrite question without one is answered "&Nein".
class ScriptedPrompts : public ProgressPrompts {
public:
    std::deque<std::optional<QString>> savePaths;
    std::deque<std::optional<QString>> openPaths;
    std::deque<bool> overwriteAnswers;

    std::vector<DialogStart> saveDialogs;
    std::vector<QString> openDialogs;
    std::vector<QString> questions;
    std::vector<QString> errors;

    std::optional<QString> AskSavePath(const DialogStart& start) override {
        saveDialogs.push_back(start);
        return Next(savePaths);
    }
    bool AskOverwrite(const QString& question) override {
        questions.push_back(question);
        if (overwriteAnswers.empty()) return false;
        const bool yes = overwriteAnswers.front();
        overwriteAnswers.pop_front();
        return yes;
    }
    std::optional<QString> AskOpenPath(const QString& folder) override {
        openDialogs.push_back(folder);
        return Next(openPaths);
    }
    void ShowError(const QString& text) override { errors.push_back(text); }

private:
    static std::optional<QString> Next(std::deque<std::optional<QString>>& answers) {
        if (answers.empty()) return std::nullopt;
        std::optional<QString> answer = answers.front();
        answers.pop_front();
        return answer;
    }
};

ProgressTable Results(std::initializer_list<std::pair<int, std::int32_t>> entries) {
    ProgressTable table{};
    for (const auto& [level, entry] : entries) Entry(table, level) = entry;
    return table;
}

const ProgressTable kPlayed = Results({{1, 40}, {2, 37}, {7, 3}});
const ProgressTable kOnDisk = Results({{1, 12}, {3, 99}, {500, 1}});

class ProgressFlowTest : public ::testing::Test {
protected:
    void SetUp() override {
        game.ProgramDirectory = (folder / "program/").toStdString();
        QDir().mkpath(folder / "program");
        game.ProgressTable = kPlayed;
    }

    void UseCurrentFile(const QString& path) { game.ProgressPath = path.toStdString(); }
    QString CurrentFile() const { return QString::fromStdString(game.ProgressPath); }
    int Refreshes() const { return view.Count("RefreshCaptionAndGauge"); }

    ScratchFolder folder;
    RecordingView view;
    FakeClock clock;
    Game game{view, clock};
    ScriptedPrompts prompts;
};

// --- Start-up.

using StartupProgress = ProgressFlowTest;

TEST_F(StartupProgress, WithoutACurrentFileTheResultsAreCleared) {
    ReadStartupProgress(game, prompts);
    EXPECT_EQ(game.ProgressTable, ProgressTable{});
    EXPECT_TRUE(prompts.errors.empty());
}

TEST_F(StartupProgress, TheCurrentFileIsRead) {
    WriteBytes(folder / "week1.slv", ProgressFileBytes(kOnDisk));
    UseCurrentFile(folder / "week1.slv");
    ReadStartupProgress(game, prompts);
    EXPECT_EQ(game.ProgressTable, kOnDisk);
}

TEST_F(StartupProgress, AShortCurrentFileLeavesTheOtherLevelsUnsolved) {
    WriteBytes(folder / "week1.slv", ProgressFileBytes(kOnDisk).left(400));
    UseCurrentFile(folder / "week1.slv");
    ReadStartupProgress(game, prompts);
    EXPECT_EQ(game.ProgressTable, Results({{1, 12}, {3, 99}}));
}

TEST_F(StartupProgress, AMissingCurrentFileIsNoErrorAndStaysCurrent) {
    UseCurrentFile(folder / "gone.slv");
    ReadStartupProgress(game, prompts);
    EXPECT_EQ(game.ProgressTable, ProgressTable{});
    EXPECT_TRUE(prompts.errors.empty());
    EXPECT_EQ(CurrentFile(), folder / "gone.slv");
}

TEST_F(StartupProgress, AnUnreadableFileIsReportedInGermanWithItsFullPath) {
    QDir().mkpath(folder / "week1.slv");
    UseCurrentFile(folder / "week1.slv");
    game.Language = 1;
    ReadStartupProgress(game, prompts);
    ASSERT_EQ(prompts.errors.size(), 1u);
    EXPECT_EQ(prompts.errors[0], "Fehler beim Laden des Spiels " + folder / "week1.slv" + "!");
    EXPECT_EQ(game.ProgressTable, ProgressTable{});
    EXPECT_EQ(CurrentFile(), folder / "week1.slv") << "the caption still names it";
}

TEST_F(StartupProgress, AnUnreadableFileIsReportedInEnglishOtherwise) {
    QDir().mkpath(folder / "week1.slv");
    UseCurrentFile(folder / "week1.slv");
    game.Language = -1;
    ReadStartupProgress(game, prompts);
    ASSERT_EQ(prompts.errors.size(), 1u);
    EXPECT_EQ(prompts.errors[0], "Error occured while loading file " + folder / "week1.slv" + "!");
}

// --- Saving.

using SavingProgress = ProgressFlowTest;

TEST_F(SavingProgress, TheFirstSaveDialogProposesNothing) {
    SaveProgressFile(game, view, prompts);
    ASSERT_EQ(prompts.saveDialogs.size(), 1u);
    EXPECT_EQ(prompts.saveDialogs[0], DialogStart{});
}

TEST_F(SavingProgress, AnExistingCurrentFileIsProposedByFolderAndName) {
    WriteBytes(folder / "my.games/week1.slv", ProgressFileBytes(kOnDisk));
    UseCurrentFile(folder / "my.games/week1.slv");
    SaveProgressFile(game, view, prompts);
    ASSERT_EQ(prompts.saveDialogs.size(), 1u);
    EXPECT_EQ(prompts.saveDialogs[0], (DialogStart{folder / "my.games/", "week1.slv"}));
}

TEST_F(SavingProgress, AMissingCurrentFileLeavesTheDialogWhereItWasLastUsed) {
    prompts.savePaths = {folder / "week1.slv"};
    SaveProgressFile(game, view, prompts);
    QFile::remove(folder / "week1.slv");
    UseCurrentFile(folder / "elsewhere/gone.slv");
    SaveProgressFile(game, view, prompts);
    ASSERT_EQ(prompts.saveDialogs.size(), 2u);
    EXPECT_EQ(prompts.saveDialogs[1], (DialogStart{folder.path() + "/", "week1.slv"}));
}

TEST_F(SavingProgress, CancellingWritesNothingAndKeepsTheCaption) {
    UseCurrentFile(folder / "gone.slv");
    SaveProgressFile(game, view, prompts);
    EXPECT_EQ(FolderEntries(folder.path()), QStringList{"program"});
    EXPECT_EQ(CurrentFile(), folder / "gone.slv");
    EXPECT_EQ(Refreshes(), 0);
}

TEST_F(SavingProgress, Week1IsSavedAsWeek1Slv) {
    prompts.savePaths = {folder / "week1"};
    SaveProgressFile(game, view, prompts);
    EXPECT_EQ(ReadBytes(folder / "week1.slv"), ProgressFileBytes(kPlayed));
    EXPECT_EQ(CurrentFile(), folder / "week1.slv");
    EXPECT_EQ(Refreshes(), 1);
    EXPECT_TRUE(prompts.errors.empty());
}

TEST_F(SavingProgress, Week1TxtIsSavedAsWeek1Slv) {
    prompts.savePaths = {folder / "week1.txt"};
    SaveProgressFile(game, view, prompts);
    EXPECT_EQ(ReadBytes(folder / "week1.slv"), ProgressFileBytes(kPlayed));
    EXPECT_FALSE(QFileInfo::exists(folder / "week1.txt"));
    EXPECT_EQ(CurrentFile(), folder / "week1.slv");
}

TEST_F(SavingProgress, AFolderWithAFullStopKeepsItsName) {
    QDir().mkpath(folder / "my.games");
    prompts.savePaths = {folder / "my.games/week1"};
    SaveProgressFile(game, view, prompts);
    EXPECT_EQ(ReadBytes(folder / "my.games/week1.slv"), ProgressFileBytes(kPlayed));
}

TEST_F(SavingProgress, AnExistingFileIsNamedInTheOverwriteQuestion) {
    WriteBytes(folder / "week1.slv", "earlier");
    game.Language = 1;
    prompts.savePaths = {folder / "week1.txt"};
    SaveProgressFile(game, view, prompts);
    ASSERT_EQ(prompts.questions.size(), 1u);
    EXPECT_EQ(prompts.questions[0], QString::fromUtf8("Spiel week1.slv existiert bereits. Überschreiben?"));
}

TEST_F(SavingProgress, TheOverwriteQuestionSpeaksEnglishOtherwise) {
    WriteBytes(folder / "week1.slv", "earlier");
    game.Language = 0;
    prompts.savePaths = {folder / "week1"};
    SaveProgressFile(game, view, prompts);
    ASSERT_EQ(prompts.questions.size(), 1u);
    EXPECT_EQ(prompts.questions[0], "Game week1.slv already existing. Overwrite?");
}

TEST_F(SavingProgress, JaOverwritesTheExistingFile) {
    WriteBytes(folder / "week1.slv", "earlier");
    prompts.savePaths = {folder / "week1.slv"};
    prompts.overwriteAnswers = {true};
    SaveProgressFile(game, view, prompts);
    EXPECT_EQ(ReadBytes(folder / "week1.slv"), ProgressFileBytes(kPlayed));
    EXPECT_EQ(CurrentFile(), folder / "week1.slv");
}

TEST_F(SavingProgress, NeinReopensTheDialogWithTheNameJustChosenAndANewNameSavesAtOnce) {
    WriteBytes(folder / "week1.slv", "earlier");
    prompts.savePaths = {folder / "week1.txt", folder / "week2"};
    prompts.overwriteAnswers = {false};
    SaveProgressFile(game, view, prompts);
    ASSERT_EQ(prompts.saveDialogs.size(), 2u);
    EXPECT_EQ(prompts.saveDialogs[1], (DialogStart{folder.path() + "/", "week1.txt"}));
    EXPECT_EQ(prompts.questions.size(), 1u);
    EXPECT_EQ(ReadBytes(folder / "week1.slv"), "earlier");
    EXPECT_EQ(ReadBytes(folder / "week2.slv"), ProgressFileBytes(kPlayed));
    EXPECT_EQ(CurrentFile(), folder / "week2.slv");
    EXPECT_EQ(Refreshes(), 1);
}

TEST_F(SavingProgress, NeinThenCancelSavesNothing) {
    WriteBytes(folder / "week1.slv", "earlier");
    UseCurrentFile(folder / "week1.slv");
    prompts.savePaths = {folder / "week1.slv", std::nullopt};
    prompts.overwriteAnswers = {false};
    SaveProgressFile(game, view, prompts);
    EXPECT_EQ(prompts.saveDialogs.size(), 2u);
    EXPECT_EQ(ReadBytes(folder / "week1.slv"), "earlier");
    EXPECT_EQ(Refreshes(), 0);
}

TEST_F(SavingProgress, AnEmptyChoiceCountsAsCancelled) {
    prompts.savePaths = {QString()};
    SaveProgressFile(game, view, prompts);
    EXPECT_EQ(CurrentFile(), "");
    EXPECT_EQ(Refreshes(), 0);
}

TEST_F(SavingProgress, AFailedSaveIsReportedKeepsTheEarlierFileAndStillNamesTheNewOne) {
    WriteBytes(folder / "week1.slv", ProgressFileBytes(kOnDisk));
    game.Language = 1;
    prompts.savePaths = {folder / "week1.slv"};
    prompts.overwriteAnswers = {true};
    {
        FullDisk disk(1000);
        SaveProgressFile(game, view, prompts);
    }
    ASSERT_EQ(prompts.errors.size(), 1u);
    EXPECT_EQ(prompts.errors[0], QString::fromUtf8("Kann Spiel week1.slv nicht speichern. "
                                                   "Datenträger voll oder nicht beschreibbar."));
    EXPECT_EQ(ReadBytes(folder / "week1.slv"), ProgressFileBytes(kOnDisk));
    EXPECT_EQ(game.ProgressTable, kPlayed);
    EXPECT_EQ(CurrentFile(), folder / "week1.slv");
    EXPECT_EQ(Refreshes(), 1);
}

TEST_F(SavingProgress, SavingIntoAFolderThatIsAFileIsReportedInEnglish) {
    WriteBytes(folder / "games", "a file");
    prompts.savePaths = {folder / "games/week1"};
    SaveProgressFile(game, view, prompts);
    ASSERT_EQ(prompts.errors.size(), 1u);
    EXPECT_EQ(prompts.errors[0], "Cannot save game week1.slv. Drive full or not writable.");
    EXPECT_EQ(CurrentFile(), folder / "games/week1.slv");
    EXPECT_EQ(ReadBytes(folder / "games"), "a file");
}

TEST_F(SavingProgress, ADirectoryOfTheChosenNameIsAskedAboutThenLeftAlone) {
    QDir().mkpath(folder / "week1.slv/inside");
    prompts.savePaths = {folder / "week1"};
    prompts.overwriteAnswers = {true};
    SaveProgressFile(game, view, prompts);
    EXPECT_EQ(prompts.questions.size(), 1u);
    EXPECT_EQ(prompts.errors.size(), 1u);
    EXPECT_TRUE(QFileInfo(folder / "week1.slv/inside").isDir());
}

// --- Loading.

using LoadingProgress = ProgressFlowTest;

TEST_F(LoadingProgress, TheDialogOpensInTheCurrentFilesFolder) {
    QDir().mkpath(folder / "my.games");
    UseCurrentFile(folder / "my.games/gone.slv");
    LoadProgressFile(game, view, prompts);
    ASSERT_EQ(prompts.openDialogs.size(), 1u);
    EXPECT_EQ(prompts.openDialogs[0], folder / "my.games/");
}

TEST_F(LoadingProgress, WithoutACurrentFileTheDialogOpensInTheProgramDirectory) {
    LoadProgressFile(game, view, prompts);
    ASSERT_EQ(prompts.openDialogs.size(), 1u);
    EXPECT_EQ(prompts.openDialogs[0], folder / "program/");
}

TEST_F(LoadingProgress, WhenTheCurrentFilesFolderIsGoneTheDialogOpensInTheProgramDirectory) {
    UseCurrentFile(folder / "gone/week1.slv");
    LoadProgressFile(game, view, prompts);
    ASSERT_EQ(prompts.openDialogs.size(), 1u);
    EXPECT_EQ(prompts.openDialogs[0], folder / "program/");
}

TEST_F(LoadingProgress, CancellingChangesNothingAndRefreshesNothing) {
    UseCurrentFile(folder / "week1.slv");
    LoadProgressFile(game, view, prompts);
    EXPECT_EQ(game.ProgressTable, kPlayed);
    EXPECT_EQ(CurrentFile(), folder / "week1.slv");
    EXPECT_EQ(Refreshes(), 0);
}

TEST_F(LoadingProgress, AnEmptyNameChangesNothing) {
    prompts.openPaths = {QString()};
    LoadProgressFile(game, view, prompts);
    EXPECT_EQ(game.ProgressTable, kPlayed);
    EXPECT_EQ(Refreshes(), 0);
}

TEST_F(LoadingProgress, ANameOfNoFileLoadsNothingButRefreshes) {
    UseCurrentFile(folder / "week1.slv");
    prompts.openPaths = {folder / "nothing.slv"};
    LoadProgressFile(game, view, prompts);
    EXPECT_EQ(game.ProgressTable, kPlayed);
    EXPECT_EQ(CurrentFile(), folder / "week1.slv");
    EXPECT_TRUE(prompts.errors.empty());
    EXPECT_EQ(Refreshes(), 1);
}

TEST_F(LoadingProgress, AFileReplacesTheResultsAndBecomesCurrent) {
    WriteBytes(folder / "week2.slv", ProgressFileBytes(kOnDisk));
    prompts.openPaths = {folder / "week2.slv"};
    LoadProgressFile(game, view, prompts);
    EXPECT_EQ(game.ProgressTable, kOnDisk);
    EXPECT_EQ(CurrentFile(), folder / "week2.slv");
    EXPECT_EQ(Refreshes(), 1);
}

TEST_F(LoadingProgress, LoadingTouchesNeitherTheLevelNorTheAllSolvedFlag) {
    WriteBytes(folder / "week2.slv", ProgressFileBytes(kOnDisk));
    game.Board.CurrentLevel = 7;
    game.AllSolvedFlag = true;
    prompts.openPaths = {folder / "week2.slv"};
    LoadProgressFile(game, view, prompts);
    EXPECT_EQ(game.Board.CurrentLevel, 7);
    EXPECT_TRUE(game.AllSolvedFlag);
}

TEST_F(LoadingProgress, AFailedLoadIsReportedAndKeepsTheResultsThePlayerHad) {
    QDir().mkpath(folder / "week2.slv");
    UseCurrentFile(folder / "week1.slv");
    game.Language = 1;
    prompts.openPaths = {folder / "week2.slv"};
    LoadProgressFile(game, view, prompts);
    ASSERT_EQ(prompts.errors.size(), 1u);
    EXPECT_EQ(prompts.errors[0], "Fehler beim Laden des Spiels " + folder / "week2.slv" + "!");
    EXPECT_EQ(game.ProgressTable, kPlayed);
    EXPECT_EQ(CurrentFile(), folder / "week1.slv");
    EXPECT_EQ(Refreshes(), 1);
}

TEST_F(LoadingProgress, AFileTheUserMayNotReadKeepsTheResultsToo) {
    WriteBytes(folder / "week2.slv", ProgressFileBytes(kOnDisk));
    QFile::setPermissions(folder / "week2.slv", QFile::ReadOwner | QFile::WriteOwner);
    prompts.openPaths = {folder / "week2.slv"};
    const int result = RunAsOrdinaryUser([&] {
        LoadProgressFile(game, view, prompts);
        return game.ProgressTable == kPlayed && prompts.errors.size() == 1 ? 0 : 1;
    });
    EXPECT_EQ(result, 0);
}

// --- A whole run: results saved, the program closed, started again.

using ProgressAcrossRuns = ProgressFlowTest;

TEST_F(ProgressAcrossRuns, AFileSavedUnderANewNameIsReadAtTheNextStart) {
    RemoveStore();
    prompts.savePaths = {folder / "week1"};
    SaveProgressFile(game, view, prompts);
    ASSERT_TRUE(PutSettingText(kSettingsSection, kProgressPathKey, CurrentFile()));

    RecordingView nextView;
    Game next{nextView, clock};
    next.ProgressPath = GetSettingText(kSettingsSection, kProgressPathKey, QString()).toStdString();
    ReadStartupProgress(next, prompts);
    EXPECT_EQ(next.ProgressPath, (folder / "week1.slv").toStdString());
    EXPECT_EQ(next.ProgressTable, kPlayed);
    RemoveStore();
}

TEST_F(ProgressAcrossRuns, CancellingTheSaveAtCloseLeavesTheResultsSavedLast) {
    WriteBytes(folder / "week1.slv", ProgressFileBytes(kOnDisk));
    UseCurrentFile(folder / "week1.slv");
    SaveProgressFile(game, view, prompts);  // the offer at close, cancelled

    Game next{view, clock};
    next.ProgressPath = game.ProgressPath;
    ReadStartupProgress(next, prompts);
    EXPECT_EQ(next.ProgressTable, kOnDisk);
}

}  // namespace
}  // namespace slcy::testing
