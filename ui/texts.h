// Every text the player sees is a German and an English literal side by side, chosen at the
// moment it is shown: German when the language is 1, English otherwise.
#pragma once

#include <QString>
#include <string>

#include "board.h"

namespace slcy {

inline constexpr int kGerman = 1;
inline constexpr int kEnglish = 0;
inline constexpr int kLanguageNeverChosen = -1;

inline QString Tr(int language, const char* german, const char* english) {
    return QString::fromUtf8(language == kGerman ? german : english);
}

// "Sluicery 2.4", followed by " - Spiel " / " - Game " and the progress file's name when there
// is one.
QString CaptionText(int language, const std::string& progressPath);

// "12 von 500 Stufen gelöst" / "12 of 500 levels solved".
QString GaugeHint(int language, int solved, int levelCount);

// "Stufe 7: gelöst" / "Level 7: unsolved".
QString LevelHint(int language, int level, bool solved);

// --- What a screen reader says.

// "Stufe 12, nicht gelöst" / "Level 12, not solved": the level counter.
QString LevelCounterText(int language, int level, bool solved);
// "Zeit 40" / "Time 40": the time counter.
QString TimeCounterText(int language, int timeLeft);
// "Taste: Strg+N" / "Key: Ctrl+N" for the key "Ctrl+N"; empty without a key.
QString KeyText(int language, const char* key);
// "Spielfeld" / "Board".
QString BoardName(int language);
// A cell of the board: its piece and where it opens, whether it carries water, and whether it
// is the source: "bend, openings up and right, wet; source"; "empty".
QString CellText(int language, TileCode tile, bool wet, bool source);

}  // namespace slcy
