// Where the game finds its pictures and sounds among the compiled-in resources.
#pragma once

#include <array>
#include <span>

namespace slcy::assets {

// The sprite sheets in the order the drawing numbers them: 0 pieces, 1 decoration tiles,
// 2 wet markers, 3 board background, 4 level digits, 5 time digits.
inline constexpr std::array<const char*, 6> kSpriteSheets = {
    ":/sprites/pieces.png",     ":/sprites/decor.png",       ":/sprites/wetmarkers.png",
    ":/sprites/background.png", ":/sprites/leveldigits.png", ":/sprites/timedigits.png",
};

// The sounds by sound number minus one: water, solved, refused click, time out.
inline constexpr std::array<const char*, 4> kSounds = {
    ":/sounds/water.wav", ":/sounds/solved.wav", ":/sounds/refused.wav", ":/sounds/timeout.wav",
};

// Every file of the library, for a check at start-up that nothing went missing.
std::span<const char* const> AllResources();

}  // namespace slcy::assets
