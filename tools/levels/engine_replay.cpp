#include "engine_replay.h"

#include "game.h"
#include "null_view.h"

namespace slcy::levels {

bool EngineSolvesWith(const LevelRecord& level, const std::vector<Click>& clicks) {
    NullView view;
    InstantClock clock;
    Game game(view, clock);
    game.InstallCatalogue({level});
    game.StartLevel(1);
    for (const Click& click : clicks) {
        if (game.Board.PlayState != PlayState::Running) break;
        // A press on a dry piece is refused; a solution never needs one.
        if (!OnBoard(click.At.Column, click.At.Row) || !game.Board.Wet(click.At.Column, click.At.Row))
            return false;
        game.PressCell(click.Button, click.At.Column, click.At.Row);
    }
    return game.Board.PlayState == PlayState::Solved;
}

}  // namespace slcy::levels
