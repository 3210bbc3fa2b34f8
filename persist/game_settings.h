// The values one run hands to the next, as the game uses them: read once while the main
// window is made, written once when it closes. The window's placement has its own record
// (window_placement.h).
#pragma once

#include <QPoint>
#include <cstdint>
#include <string>

#include "settings_keys.h"

namespace slcy {

struct GameSettings {
    std::int32_t Language = kLanguageDefault;  // "tongue"
    std::int32_t Level = kLevelDefault;        // "level"
    std::string ProgressPath;                  // "save"
    QPoint Position{kLeftDefault, kTopDefault};  // "left", "top": read, never written
    bool Sound = kSoundDefault;                // "sound"
};

// Reads tongue, level, save, left, top and sound, in that order; a value that is missing or
// not of its kind gets its default.
GameSettings ReadGameSettings();

// Writes sound, level, tongue and save, in that order. A value that does not reach the disk is
// reported on standard error (the player is not bothered with it).
void WriteGameSettings(const GameSettings& settings);

}  // namespace slcy
