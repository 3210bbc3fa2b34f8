// Loading the catalogue and beginning a level.
#include <algorithm>

#include "catalogue.h"
#include "game.h"
#include "water.h"

namespace slcy {

void Game::LoadCatalogue(const std::string& programDirectory) {
    ProgramDirectory = programDirectory;
    CatalogueRead read = ReadCatalogue(programDirectory + kCatalogueFileName);
    if (read.Levels.empty()) {
        view_.ShowErrorMessage(MissingCatalogueMessage(German(), programDirectory, read.Error));
        Board.CurrentLevel = 1;
    }
    InstallCatalogue(std::move(read.Levels));
}

void Game::InstallCatalogue(std::vector<LevelRecord> levels) {
    catalogue_ = std::move(levels);
    if (catalogue_.empty()) catalogue_.assign(1, FallbackLevel());
    level_count_ = static_cast<std::int32_t>(catalogue_.size());
}

void Game::ReleaseCatalogue() {
    catalogue_.clear();
    catalogue_.shrink_to_fit();
    level_count_ = 0;
}

void Game::SetLevelScrollRange() { view_.SetLevelScrollMax(LevelCount); }

void Game::ComputeAllSolvedFlag() { AllSolvedFlag = EveryLevelHasResult(ProgressTable, LevelCount); }

void Game::StartStoredLevel() {
    Board.CurrentLevel = std::clamp(Board.CurrentLevel, 1, std::max(LevelCount, 1));
    StartLevel(Board.CurrentLevel);
    view_.SetLevelScrollPosition(LevelCount - Board.CurrentLevel + 1);
}

void Game::StartLevel(int n) {
    if (LevelCatalogue.empty()) InstallCatalogue({});  // only before a catalogue was loaded
    n = std::clamp(n, 1, LevelCount);
    const LevelRecord& level = LevelCatalogue[n - 1];

    view_.DrawBackground();
    Board.CurrentLevel = n;

    // Records come from a file anyone can edit: bits the board never uses are dropped, and a
    // decoration beyond the 64 tiles shows the background.
    for (int i = 0; i < kCellCount; ++i) {
        Board.PieceGrid[i] = level.Pieces[i] & kTileBits;
        Board.DecorGrid[i] = level.Decor[i] < kDecorTileCount ? level.Decor[i] : kDecorBackground;
    }
    Board.SourceCell = {std::clamp<std::int32_t>(level.StartColumn, 1, kColumns),
                        std::clamp<std::int32_t>(level.StartRow, 1, kRows)};

    Board.TimeLeft = 0;
    ForEachCell([&](int column, int row) {
        const int i = CellIndex(column, row);
        Board.WetGrid[i] = 0;
        if (Board.PieceGrid[i] != kEmptyCell) Board.TimeLeft += kTicksPerPiece;
    });
    Board.WetGrid[CellIndex(Board.SourceCell.Column, Board.SourceCell.Row)] = 1;

    FloodFromSource(Board);
    ForEachCell([&](int column, int row) { view_.DrawCell(column, row); });
    // Only the source is wet so far: the first flood is animated in like any other.
    ShowWetChanges();

    SetPlayState(PlayState::Running);
    view_.RefreshCaptionAndGauge();
    view_.SetTimerEnabled(true);
    view_.LevelStarted();
}

}  // namespace slcy
