// A game on a recording view and a fake clock, with helpers to lay out small levels.
#pragma once

#include <gtest/gtest.h>

#include <initializer_list>
#include <vector>

#include "board_layout.h"
#include "fake_view.h"
#include "game.h"
#include "test_levels.h"

namespace slcy::testing {

// Three pieces in a row from (1,1): end piece facing right, straight pipe, end piece facing
// left. All wet at the start.
inline LevelRecord ThreeInARow() {
    return MakeLevel({1, 1}, {{1, 1, kEndPiece, 0}, {2, 1, kStraight, 0}, {3, 1, kEndPiece, 2}});
}

class GameTest : public ::testing::Test {
protected:
    RecordingView view;
    FakeClock clock;
    Game game{view, clock};

    void Load(std::vector<LevelRecord> levels) {
        game.InstallCatalogue(std::move(levels));
    }
    // Loads the levels and starts level n, forgetting what the start drew.
    void Play(std::vector<LevelRecord> levels, int n = 1) {
        Load(std::move(levels));
        game.StartLevel(n);
        view.Clear();
        waits_from_ = clock.now_;
    }
    // A press in the middle of cell (column, row).
    void Press(MouseButton button, int column, int row) {
        game.boxMouseDown(button, CellCentreX(column), CellCentreY(row));
    }
    void Tick(int times = 1) {
        for (int i = 0; i < times; ++i) game.TimerTimer();
    }
    int Orientation(int column, int row) const { return OrientationOf(game.Board.Piece(column, row)); }
    // Milliseconds spent waiting since the level was started by Play.
    std::uint64_t WaitedMs() const { return clock.now_ - waits_from_; }

private:
    std::uint64_t waits_from_ = 1000;
};

}  // namespace slcy::testing
