// The catalogue is read once from slcy.dat beside the program; levels begin from its records.
#include <filesystem>
#include <fstream>
#include <unistd.h>

#include "catalogue.h"
#include "game_fixture.h"

namespace slcy::testing {
namespace {

namespace fs = std::filesystem;

class Catalogue : public GameTest {
protected:
    fs::path dir;
    void SetUp() override {
        dir = fs::temp_directory_path() /
              ("slcy-catalogue-" + std::to_string(::getpid()) + "-" +
               ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir);
        fs::create_directories(dir);
    }
    void TearDown() override { fs::remove_all(dir); }
    std::string Directory() const { return dir.string() + "/"; }

    // k records whose start cells tell them apart, followed by `extra` stray bytes.
    void WriteRecords(int k, int extra = 0) {
        std::ofstream out(dir / "slcy.dat", std::ios::binary);
        for (int i = 0; i < k; ++i) {
            LevelRecord r = ThreeInARow();
            r.StartRow = static_cast<std::uint8_t>(1 + i % 8);
            out.write(reinterpret_cast<const char*>(&r), sizeof r);
        }
        out << std::string(extra, '\x01');
    }
};

TEST_F(Catalogue, HoldsOneLevelPerWholeRecord) {
    for (int k : {1, 7, 500}) {
        WriteRecords(k);
        game.LoadCatalogue(Directory());
        EXPECT_EQ(game.LevelCount, k);
    }
    EXPECT_TRUE(view.errors.empty());
}

TEST_F(Catalogue, DropsAShortTailSilently) {
    WriteRecords(3, 100);
    game.LoadCatalogue(Directory());
    EXPECT_EQ(game.LevelCount, 3);
    EXPECT_TRUE(view.errors.empty());
}

TEST_F(Catalogue, ReadsNoMoreThan500Records) {
    WriteRecords(600);
    game.LoadCatalogue(Directory());
    EXPECT_EQ(game.LevelCount, 500);
}

TEST_F(Catalogue, MissingFileIsReportedAndTheFallbackLevelIsPlayed) {
    game.Board.CurrentLevel = 37;
    game.LoadCatalogue(Directory());
    ASSERT_EQ(view.errors.size(), 1u);
    EXPECT_EQ(view.errors[0], "Can't find file " + Directory() + "SLCY.DAT. (" +
                                  std::to_string(ENOENT) + ")");
    EXPECT_EQ(game.LevelCount, 1);
    EXPECT_EQ(game.Board.CurrentLevel, 1);
    const LevelRecord& fallback = game.LevelCatalogue[0];
    for (int i = 0; i < kCellCount; ++i) {
        EXPECT_EQ(fallback.Pieces[i], 0);
        EXPECT_EQ(fallback.Decor[i], 29);
    }
    EXPECT_EQ(fallback.StartColumn, 1);
    EXPECT_EQ(fallback.StartRow, 1);
}

TEST_F(Catalogue, MissingFileMessageFollowsTheLanguage) {
    game.Language = 1;
    game.LoadCatalogue(Directory());
    ASSERT_EQ(view.errors.size(), 1u);
    EXPECT_EQ(view.errors[0], "Datei " + Directory() + "SLCY.DAT konnte nicht gefunden werden. (" +
                                  std::to_string(ENOENT) + ")");
}

TEST_F(Catalogue, FileWithoutAWholeRecordIsTreatedLikeAMissingOne) {
    for (int bytes : {0, 161}) {
        view.errors.clear();
        std::ofstream(dir / "slcy.dat", std::ios::binary) << std::string(bytes, '\0');
        game.LoadCatalogue(Directory());
        EXPECT_EQ(view.errors.size(), 1u) << bytes;
        EXPECT_EQ(game.LevelCount, 1);
        EXPECT_EQ(game.LevelCatalogue[0].Decor[0], 29);
    }
}

TEST_F(Catalogue, DirectoryInPlaceOfTheFileIsReported) {
    fs::create_directory(dir / "slcy.dat");
    game.LoadCatalogue(Directory());
    ASSERT_EQ(view.errors.size(), 1u);
    EXPECT_EQ(game.LevelCount, 1);
}

TEST_F(GameTest, FallbackLevelHasNoPiecesAndIsLostOnTheFirstTick) {
    Play({FallbackLevel()});
    EXPECT_EQ(game.Board.TimeLeft, 0);
    Tick();
    EXPECT_EQ(game.Board.PlayState, PlayState::TimedOut);
}

TEST_F(GameTest, StartingALevelFollowsItsOrder) {
    Load({ThreeInARow()});
    game.StartLevel(1);
    std::vector<std::string> expected = {"DrawBackground"};
    ForEachCell([&](int c, int r) {
        expected.push_back("DrawCell " + std::to_string(c) + " " + std::to_string(r));
    });
    expected.insert(expected.end(), {"Sound 1"});
    // The first flood reaches the two pieces beyond the source: six frames of markers.
    for (int k = 0; k < 6; ++k) {
        expected.push_back("Marker 2 1 frame " + std::to_string(k));
        expected.push_back("Marker 3 1 frame " + std::to_string(k));
        expected.push_back("Present");
    }
    expected.insert(expected.end(), {"ApplyLanguage", "RefreshCaptionAndGauge", "TimerOn"});
    EXPECT_EQ(view.calls, expected);
    EXPECT_EQ(game.Board.PlayState, PlayState::Running);
    EXPECT_TRUE(view.pause_btn_enabled);
    EXPECT_FALSE(view.pause_text_visible);
}

TEST_F(GameTest, CountdownIsFourTicksPerPieceConnectedOrNot) {
    Play({MakeLevel({1, 1}, {{1, 1, kEndPiece, 0}, {5, 5, kCross, 0}, {7, 2, kBend, 1}})});
    EXPECT_EQ(game.Board.TimeLeft, 12);
}

TEST_F(GameTest, EmptyStartCellIsWetButWetsNoPiece) {
    Play({MakeLevel({2, 1}, {{1, 1, kEndPiece, 0}, {3, 1, kEndPiece, 2}})});
    EXPECT_TRUE(game.Board.Wet(2, 1));
    EXPECT_FALSE(game.Board.Wet(1, 1));
    EXPECT_FALSE(game.Board.Wet(3, 1));
    Press(MouseButton::Left, 1, 1);
    EXPECT_EQ(view.calls, std::vector<std::string>{"Sound 3"});
}

TEST_F(GameTest, AllConnectedAtTheStartIsNotSolvedBeforeAClick) {
    Play({ThreeInARow()});
    EXPECT_EQ(game.Board.PlayState, PlayState::Running);
    EXPECT_TRUE(game.IsSolved());
    Press(MouseButton::Middle, 2, 1);
    EXPECT_EQ(game.Board.PlayState, PlayState::Solved);
}

TEST_F(GameTest, RestartRestoresTheStoredOrientations) {
    Play({ThreeInARow()});
    Press(MouseButton::Left, 1, 1);
    ASSERT_EQ(Orientation(1, 1), 1);
    view.answers = {ModalResult::Yes};
    game.RestartBtnClick();
    EXPECT_EQ(Orientation(1, 1), 0);
    EXPECT_EQ(game.LevelCatalogue[0].Pieces[CellIndex(1, 1)], MakeTile(kEndPiece, 0));
}

// Records come from a file that anyone can edit: nothing in one may lead outside the grids.
TEST_F(GameTest, StartCellOutsideTheBoardIsBroughtOntoIt) {
    LevelRecord r = ThreeInARow();
    r.StartColumn = 0;
    r.StartRow = 0;
    LevelRecord s = ThreeInARow();
    s.StartColumn = 255;
    s.StartRow = 255;
    Play({r, s});
    EXPECT_EQ(game.Board.SourceCell, (Cell{1, 1}));
    game.StartLevel(2);
    EXPECT_EQ(game.Board.SourceCell, (Cell{10, 8}));
}

TEST_F(GameTest, UnusedTileBitsAreIgnoredAndWildDecorShowsTheBackground) {
    LevelRecord r = ThreeInARow();
    r.Pieces[CellIndex(1, 1)] |= 0xE0;         // end piece with bits 5-7 set
    r.Pieces[CellIndex(5, 5)] = 0x20;          // nothing but bit 5: an empty cell
    r.Pieces[CellIndex(6, 6)] = 255;           // kind 7, orientation 3
    r.Decor[CellIndex(8, 8)] = 255;
    r.Decor[CellIndex(9, 8)] = 63;
    Play({r});
    EXPECT_EQ(game.Board.Piece(1, 1), MakeTile(kEndPiece, 0));
    EXPECT_EQ(game.Board.Piece(5, 5), kEmptyCell);
    EXPECT_EQ(game.Board.Piece(6, 6), 31);
    EXPECT_EQ(game.Board.Decor(8, 8), kDecorBackground);
    EXPECT_EQ(game.Board.Decor(9, 8), 63);
    EXPECT_EQ(game.Board.TimeLeft, 16);
    EXPECT_TRUE(game.Board.Wet(3, 1));
}

TEST_F(GameTest, LevelNumbersOutsideTheCatalogueAreBroughtIntoIt) {
    Load({ThreeInARow(), ThreeInARow()});
    game.Board.CurrentLevel = 37;
    game.StartStoredLevel();
    EXPECT_EQ(game.Board.CurrentLevel, 2);
    EXPECT_EQ(view.level_scroll_position, 1);
    game.Board.CurrentLevel = -5;
    game.StartStoredLevel();
    EXPECT_EQ(game.Board.CurrentLevel, 1);
    EXPECT_EQ(view.level_scroll_position, 2);
}

}  // namespace
}  // namespace slcy::testing
