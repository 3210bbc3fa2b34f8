// The rules at full speed: the flood on a full board, and a whole level played without pauses.
#include <benchmark/benchmark.h>

#include "board_layout.h"
#include "null_view.h"
#include "game.h"
#include "water.h"

namespace slcy {
namespace {

// Every cell a cross: 80 pieces, all connected, the flood visits each one.
BoardState FullBoardOfCrosses() {
    BoardState board;
    board.PieceGrid.fill(MakeTile(kCross, 0));
    board.SourceCell = {5, 4};
    return board;
}

void BM_FloodFromSourceFullBoard(benchmark::State& state) {
    BoardState board = FullBoardOfCrosses();
    for (auto _ : state) {
        FloodFromSource(board);
        benchmark::DoNotOptimize(board.FloodGrid);
    }
}
BENCHMARK(BM_FloodFromSourceFullBoard);

// A board of tees: every turn changes which cells get water, so each move floods and animates.
LevelRecord BoardOfTees() {
    LevelRecord level;
    for (int i = 0; i < kCellCount; ++i) level.Pieces[i] = MakeTile(kTee, i % 4);
    level.Decor.fill(kDecorBackground);
    level.StartColumn = 5;
    level.StartRow = 4;
    return level;
}

void BM_HundredMovesWithoutWaits(benchmark::State& state) {
    NullView view;
    InstantClock clock;
    Game game(view, clock);
    game.InstallCatalogue({BoardOfTees()});
    for (auto _ : state) {
        game.StartLevel(1);
        for (int move = 0; move < 100; ++move) {
            const Cell s = game.Board.SourceCell;
            game.boxMouseDown(move % 3 ? MouseButton::Left : MouseButton::Right,
                              CellLeft(s.Column) + 5, CellTop(s.Row) + 5);
        }
        benchmark::DoNotOptimize(game.Board.WetGrid);
    }
}
BENCHMARK(BM_HundredMovesWithoutWaits);

}  // namespace
}  // namespace slcy
