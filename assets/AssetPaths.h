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

// The art comes at two scales: drawn for the board's 500 x 333 pixels, and drawn afresh at twice
// that size, with finer detail, for screens that scale by 2. A 2x file has the name of its 1x
// twin with "@2x" before the extension (where Qt looks for it) and is exactly twice as wide and
// high; its layout is the 1x layout in doubled coordinates. Every sheet, glyph and picture has
// one; of the icons only the window's own, whose twin is drawn at 64 pixels in the window icon's
// sixteen colours: the desktop takes its larger sizes from the smooth icons.
inline constexpr std::array<int, 2> kArtScales = {1, 2};
// The 2x art is what a screen gets whose device pixel ratio is at least this; below it, the 1x
// art scaled by Qt looks better than the 2x art shrunk.
inline constexpr double kTwiceSizeFromRatio = 1.5;

// The 2x art is not compiled into the program but bundled into this resource file beside it
// (TwiceSizeArt.h registers it): only screens that scale by 2 need it, so the program does not
// carry it.
inline constexpr const char* kTwiceSizeArtFile = "slcy2x.rcc";

// The resource (or file) at that scale: ":/sprites/pieces.png" at 2 is
// ":/sprites/pieces@2x.png"; at 1 it is itself.
inline std::string AtScale(std::string_view path, int scale) {
    std::string scaled(path);
    if (scale == 1) return scaled;
    const std::size_t dot = scaled.rfind('.');
    scaled.insert(dot == std::string::npos ? scaled.size() : dot,
                  "@" + std::to_string(scale) + "x");
    return scaled;
}

struct SheetFile {
    const char* Path;
    int Width;  // at 1x
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
// The window's own icon at a scale: the 32-pixel icon, or its twin drawn at 64 pixels.
inline std::string WindowIconPath(int scale) {
    return AtScale(IconPath(kWindowIconSize), scale);
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

// ":/glyphs/<name>.png", or at 2x ":/glyphs/<name>@2x.png".
inline std::string GlyphPath(std::string_view name, int scale = 1) {
    return AtScale(":/glyphs/" + std::string(name) + ".png", scale);
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

// What is compiled in for a picture of the usual scale: its plain pixels (drawing/art_files.h),
// ":/sprites/pieces.pam" for ":/sprites/pieces.png".
inline std::string PlainPixelsPath(std::string_view png) {
    if (png.ends_with(".png")) png.remove_suffix(4);
    return std::string(png) + ".pam";
}

// Every picture of the art at one scale (the sheets, the window's icon, the glyphs, the two
// pictures), in the order the windows are made with them.
std::vector<std::string> ArtAtScale(int scale);

// Every resource of the game: the files of the library slcy_assets (which defines this), the
// plain pixels of the pictures of the usual scale and the sounds, and those of the 2x art file
// once it is registered, the pictures at twice the size.
std::vector<std::string> AllResources();

}  // namespace slcy::assets
