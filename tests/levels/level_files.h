// The shipped catalogue and its witnesses, and playing clicks on the engine itself.
#pragma once

#include <gtest/gtest.h>

#include <vector>

#include "board_layout.h"
#include "catalogue.h"
#include "catalogue_file.h"
#include "null_view.h"
#include "game.h"

namespace slcy::levels::testing {

inline constexpr int kShippedLevels = 500;

inline const std::vector<LevelRecord>& ShippedLevels() {
    static const std::vector<LevelRecord> levels = ReadCatalogue(SLCY_SHIPPED_CATALOGUE).Levels;
    return levels;
}

inline const std::vector<std::vector<Click>>& ShippedWitnesses() {
    static const std::vector<std::vector<Click>> witnesses = [] {
        std::vector<std::vector<Click>> read;
        ReadWitnesses(SLCY_SHIPPED_WITNESSES, read);
        return read;
    }();
    return witnesses;
}

// A game on a view that does nothing and a clock whose waits end at once.
struct EngineGame {
    slcy::NullView view;
    slcy::InstantClock clock;
    Game game{view, clock};

    explicit EngineGame(const LevelRecord& level) {
        game.InstallCatalogue({level});
        game.StartLevel(1);
    }
    // Presses the mouse in the middle of the cell; false when the piece was dry.
    bool Press(const Click& click) {
        if (!game.Board.Wet(click.At.Column, click.At.Row)) return false;
        game.boxMouseDown(click.Button, CellCentreX(click.At.Column), CellCentreY(click.At.Row));
        return true;
    }
    bool Solved() const { return game.Board.PlayState == PlayState::Solved; }
};

// True when the clicks are accepted until the level is solved (the game ignores any after).
inline bool EngineSolves(const LevelRecord& level, const std::vector<Click>& clicks) {
    EngineGame play(level);
    for (const Click& click : clicks) {
        if (play.Solved()) break;
        if (!play.Press(click)) return false;
    }
    return play.Solved();
}

}  // namespace slcy::levels::testing
