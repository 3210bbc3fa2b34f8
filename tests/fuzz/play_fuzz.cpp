// A level record followed by what a player does: presses anywhere (even off the board), timer
// ticks, pause, resume, restart and level changes, in any order. The rules must never read or
// write outside their grids, whatever the record holds.
#include <cstddef>
#include <cstdint>
#include <cstring>

#include "null_view.h"
#include "game.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < sizeof(slcy::LevelRecord)) return 0;
    slcy::LevelRecord record;
    std::memcpy(&record, data, sizeof record);
    data += sizeof record;
    size -= sizeof record;

    slcy::NullView view;
    slcy::InstantClock clock;
    slcy::Game game(view, clock);
    game.InstallCatalogue({record, slcy::FallbackLevel()});
    game.StartLevel(1);

    // Each action is three bytes: what, and two arguments.
    for (std::size_t i = 0; i + 3 <= size; i += 3) {
        const int a = data[i + 1] * 2, b = data[i + 2] * 2;
        switch (data[i] % 8) {
            case 0: game.boxMouseDown(slcy::MouseButton::Left, a, b); break;
            case 1: game.boxMouseDown(slcy::MouseButton::Right, a, b); break;
            case 2: game.boxMouseDown(slcy::MouseButton::Middle, a, b); break;
            case 3: game.TimerTimer(); break;
            case 4: game.Pause(); break;
            case 5: game.boxClick(); break;
            case 6: game.RestartBtnClick(); break;
            case 7: game.LevelScrollScroll(a - 200); break;
        }
    }
    return 0;
}
