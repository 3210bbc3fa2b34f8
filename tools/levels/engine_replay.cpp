#include "engine_replay.h"

#include "game.h"
#include "null_view.h"

namespace slcy::levels {

namespace {

// The board's cells start 22 pixels in and are 36 pixels wide; a press in the middle of one.
constexpr int kBoardOrigin = 22;
constexpr int kCellSize = 36;
int PixelOf(int columnOrRow) { return kBoardOrigin + kCellSize * (columnOrRow - 1) + kCellSize / 2; }

}  // namespace

bool EngineSolvesWith(const LevelRecord& level, const std::vector<Click>& clicks) {
    NullView view;
    InstantClock clock;
    Game game(view, clock);
    game.LevelCatalogue.assign(1, level);
    game.LevelCount = 1;
    game.StartLevel(1);
    for (const Click& click : clicks) {
        if (game.Board.PlayState != PlayState::Running) break;
        // A press on a dry piece is refused; a solution never needs one.
        if (!OnBoard(click.At.Column, click.At.Row) || !game.Board.Wet(click.At.Column, click.At.Row))
            return false;
        game.boxMouseDown(click.Button, PixelOf(click.At.Column), PixelOf(click.At.Row));
    }
    return game.Board.PlayState == PlayState::Solved;
}

}  // namespace slcy::levels
