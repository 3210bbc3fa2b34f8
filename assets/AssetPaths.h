// Every picture and sound of the game: where the game finds it among its compiled-in resources,
// where the generators write it and the tests read it, and what the drawing may expect of it.
//
// A file has the same path below ":/" among the resources as below assets/ in the source tree:
// ":/sprites/pieces.png" is assets/sprites/pieces.png. Plain C++, so that every tool can use it.
#pragma once

#include <array>
#include <cassert>
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

namespace slcy::assets {

// The file's path below assets/ (or below a generator's output folder).
constexpr const char* FileOf(const char* resource) {
    return resource + 2;
}  // past ":/"
inline std::string FileOf(const std::string& resource) {
    return resource.substr(2);
}

struct SheetFile {
    const char* Path;
    int Width;
    int Height;
};

// The sprite sheets, in the order the drawing numbers them.
inline constexpr SheetFile kPieceSheet = {":/sprites/pieces.png", 432, 180};
inline constexpr SheetFile kDecorSheet = {":/sprites/decor.png", 288, 288};
inline constexpr SheetFile kWetMarkerStrip = {":/sprites/wetmarkers.png", 96, 12};
inline constexpr SheetFile kBoardBackground = {":/sprites/background.png", 500, 333};
inline constexpr SheetFile kLevelDigitStrip = {":/sprites/leveldigits.png", 148, 20};
inline constexpr SheetFile kTimeDigitStrip = {":/sprites/timedigits.png", 121, 20};
inline constexpr std::array<SheetFile, 6> kSpriteSheets = {
    kPieceSheet, kDecorSheet, kWetMarkerStrip, kBoardBackground, kLevelDigitStrip, kTimeDigitStrip,
};

// The sounds by sound number minus one: water, solved, refused click, time out.
inline constexpr std::array<const char*, 4> kSounds = {
    ":/sounds/water.wav",
    ":/sounds/solved.wav",
    ":/sounds/refused.wav",
    ":/sounds/timeout.wav",
};

// The pictures of the splash window and the information dialog.
inline constexpr const char* kSplashPicture = ":/pictures/splash.png";
inline constexpr const char* kInfoPicture = ":/pictures/info.png";

// The window icon comes in these sizes; 32 is the window's own, the others are for the desktop.
inline constexpr std::array<int, 5> kIconSizes = {32, 48, 64, 128, 256};
inline constexpr int kWindowIconSize = 32;
inline std::string IconPath(int size) {
    return ":/icons/slcy2_4-" + std::to_string(size) + ".png";
}

// Button glyphs: opaque bitmaps whose lower-left pixel gives the colour that is transparent.
// A glyph of two images holds the normal look and then the disabled look side by side.
enum class GlyphPlace { ToolBar, LevelBar, Dialog, LanguageDialog };
struct Glyph {
    const char* Name;
    int Width;  // of one image
    int Height;
    int Images;  // 1, or 2: normal and disabled
    GlyphPlace Place;
};
inline constexpr std::array<Glyph, 23> kGlyphs = {{
    {"newgame", 18, 18, 1, GlyphPlace::ToolBar},
    {"restart", 18, 18, 2, GlyphPlace::ToolBar},
    {"load", 18, 18, 2, GlyphPlace::ToolBar},
    {"save", 18, 18, 2, GlyphPlace::ToolBar},
    {"pause", 18, 18, 1, GlyphPlace::ToolBar},
    {"sound", 16, 16, 2, GlyphPlace::ToolBar},
    {"exit", 18, 18, 1, GlyphPlace::ToolBar},
    {"tongue", 15, 15, 1, GlyphPlace::ToolBar},  // and the information dialog
    {"rules", 18, 18, 1, GlyphPlace::ToolBar},
    {"info", 18, 18, 1, GlyphPlace::ToolBar},
    {"wumple", 26, 20, 1, GlyphPlace::ToolBar},
    {"sup", 13, 13, 2, GlyphPlace::LevelBar},
    {"sdown", 13, 13, 2, GlyphPlace::LevelBar},
    {"dlg_bomb", 18, 18, 1, GlyphPlace::Dialog},
    {"dlg_restart_yes", 18, 18, 2, GlyphPlace::Dialog},
    {"dlg_restart_no", 18, 18, 2, GlyphPlace::Dialog},
    {"dlg_door", 18, 18, 1, GlyphPlace::Dialog},
    {"dlg_smile", 17, 17, 1, GlyphPlace::Dialog},
    {"dlg_frown", 17, 17, 1, GlyphPlace::Dialog},
    {"dlg_cancel", 18, 18, 1, GlyphPlace::Dialog},
    {"check", 18, 18, 2, GlyphPlace::Dialog},
    {"flags_en", 53, 20, 1, GlyphPlace::LanguageDialog},
    {"flags_de", 80, 20, 1, GlyphPlace::LanguageDialog},
}};

// ":/glyphs/<name>.png".
inline std::string GlyphPath(std::string_view name) {
    return ":/glyphs/" + std::string(name) + ".png";
}

// The glyph of that name. Asking for one that is not in the table is a programming error: it
// is logged and stops a debug build; a release build gets an empty glyph of one 1 x 1 image.
inline const Glyph& GlyphNamed(std::string_view name) {
    for (const Glyph& glyph : kGlyphs)
        if (glyph.Name == name) return glyph;
    static constexpr Glyph kNone = {"", 1, 1, 1, GlyphPlace::Dialog};
    std::fprintf(stderr, "sluicery: there is no glyph named '%.*s'\n",
                 static_cast<int>(name.size()), name.data());
    assert(!"a glyph that is not in the table");
    return kNone;
}

// Beside the art in assets/, not compiled in: the checksums of the font files the lettering was
// drawn from. A system whose fonts differ cannot make the same pixels.
inline constexpr const char* kFontChecksums = "fonts.sha256";

// Every file of the library slcy_assets (which defines this), for a check that nothing went
// missing.
std::vector<std::string> AllResources();

}  // namespace slcy::assets
