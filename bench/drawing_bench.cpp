// The drawing as the player sees it: a whole repaint of the board, and one turn with its
// water change drawn into the board image (the pauses between frames left out). And how much
// processor a 50 ms pause between animation frames takes.
#include <benchmark/benchmark.h>

#include <QGuiApplication>

#include "board_drawing.h"
#include "board_layout.h"
#include "clock.h"
#include "null_view.h"
#include "game.h"
#include "sprites.h"

namespace slcy {
namespace {

// A view that draws into the board image exactly as the window does, and nothing else.
class DrawingView final : public NullView {
public:
    explicit DrawingView(const SpriteSheets& sheets) : drawing(sheets) {}
    Game* game = nullptr;
    BoardDrawing drawing;

    void DrawBackground() override { drawing.DrawBackground(); }
    void DrawCell(int c, int r) override { drawing.DrawCell(game->Board, c, r); }
    void DrawTurnFrame(int c, int r, int k, int f) override {
        drawing.DrawTurnFrame(game->Board, c, r, k, f);
    }
    void DrawWetMarker(int c, int r, int f) override { drawing.DrawWetMarker(c, r, f); }
    void PresentDrawing() override {}
    void timboxPaint() override { drawing.PaintTime(game->Board.TimeLeft); }
    void levelboxPaint() override { drawing.PaintLevel(game->Board.CurrentLevel, false); }
    void RefreshCaptionAndGauge() override { levelboxPaint(); }
    void ApplyLanguage() override { timboxPaint(); }
};

// Half the board in tees, the start among them: each turn of the start piece wets and dries
// cells around it.
LevelRecord BusyBoard() {
    LevelRecord level;
    level.Decor.fill(kDecorBackground);
    for (int i = 0; i < kCellCount; ++i) {
        level.Pieces[i] = i % 2 ? MakeTile(kTee, i % 4) : kEmptyCell;
        if (i % 5 == 0) level.Decor[i] = static_cast<std::uint8_t>(i % 64);
    }
    level.Pieces[CellIndex(5, 4)] = MakeTile(kTee, 0);
    level.StartColumn = 5;
    level.StartRow = 4;
    return level;
}

void BM_FullBoardRepaint(benchmark::State& state) {
    SpriteSheets sheets;
    DrawingView view(sheets);
    InstantClock clock;
    Game game(view, clock);
    view.game = &game;
    game.InstallCatalogue({BusyBoard()});
    game.StartLevel(1);
    for (auto _ : state) {
        view.drawing.DrawBackground();
        ForEachCell([&](int c, int r) { view.drawing.DrawCell(game.Board, c, r); });
        view.timboxPaint();
        view.levelboxPaint();
        view.levelboxPaint();
        benchmark::DoNotOptimize(view.drawing.box.constBits());
    }
}
BENCHMARK(BM_FullBoardRepaint)->Unit(benchmark::kMicrosecond);

void BM_OneTurnWithItsWaterChange(benchmark::State& state) {
    SpriteSheets sheets;
    DrawingView view(sheets);
    InstantClock clock;
    Game game(view, clock);
    view.game = &game;
    game.InstallCatalogue({BusyBoard()});
    game.StartLevel(1);
    const int x = CellLeft(5) + 10, y = CellTop(4) + 10;  // the start cell (5, 4)
    long changes = 0;
    for (auto _ : state) {
        const auto before = game.Board.WetGrid;
        game.boxMouseDown(MouseButton::Left, x, y);
        changes += game.Board.WetGrid != before;
        benchmark::DoNotOptimize(view.drawing.box.constBits());
    }
    state.counters["water changed"] = benchmark::Counter(static_cast<double>(changes),
                                                          benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_OneTurnWithItsWaterChange)->Unit(benchmark::kMicrosecond);

// Compare the CPU column with the real time: the share of a core a pause costs.
void BM_BusyWait50ms(benchmark::State& state) {
    SystemClock clock;
    for (auto _ : state) BusyWait(clock, 50);
}
BENCHMARK(BM_BusyWait50ms)->Unit(benchmark::kMillisecond)->Iterations(20)->UseRealTime();

}  // namespace
}  // namespace slcy

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
