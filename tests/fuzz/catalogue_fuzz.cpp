// Any bytes as a level catalogue: read it, then start and draw every level it yields (the first
// few), through the same rules the game plays by.
#include <cstddef>
#include <cstdint>
#include <cstdio>

#include "catalogue.h"
#include "null_view.h"
#include "game.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::FILE* file = fmemopen(const_cast<std::uint8_t*>(data), size, "rb");
    if (!file) return 0;  // fmemopen refuses an empty buffer
    slcy::CatalogueRead read = slcy::ReadCatalogue(file);
    std::fclose(file);

    slcy::NullView view;
    slcy::InstantClock clock;
    slcy::Game game(view, clock);
    game.InstallCatalogue(std::move(read.Levels));
    for (int n = 1; n <= game.LevelCount && n <= 4; ++n) {
        game.StartLevel(n);
        for (int tick = 0; tick < 3; ++tick) game.TimerTimer();
        game.boxMouseDown(slcy::MouseButton::Left, 30, 30);
    }
    return 0;
}
