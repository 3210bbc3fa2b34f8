// The values the game keeps between runs: all in the section "common", each with the default a
// first start gets.
#pragma once

#include <cstdint>

namespace slcy {

inline constexpr const char* kSettingsSection = "common";

inline constexpr const char* kLanguageKey = "tongue";  // integer, Language
inline constexpr std::int32_t kLanguageDefault = -1;   // never chosen

inline constexpr const char* kLevelKey = "level";  // integer, CurrentLevel
inline constexpr std::int32_t kLevelDefault = 1;

inline constexpr const char* kProgressPathKey = "save";  // text, ProgressPath; default empty

// Read at start-up and never written: the window's placement always decides its position.
inline constexpr const char* kLeftKey = "left";
inline constexpr std::int32_t kLeftDefault = 100;
inline constexpr const char* kTopKey = "top";
inline constexpr std::int32_t kTopDefault = 50;

inline constexpr const char* kSoundKey = "sound";  // boolean, the sound button's down state
inline constexpr bool kSoundDefault = true;

inline constexpr const char* kPlacementKey = "MainForm";  // text, see window_placement.h
// Left behind by older versions; removed whenever the placement is stored.
inline constexpr const char* kOldColorKey = "MainFormColor";
inline constexpr const char* kOldFontKey = "MainFormFont";

}  // namespace slcy
