#include "AssetPaths.h"

namespace slcy::assets {

std::span<const char* const> AllResources() {
    static constexpr const char* kAll[] = {
        ":/sprites/pieces.png",        ":/sprites/decor.png",
        ":/sprites/wetmarkers.png",    ":/sprites/background.png",
        ":/sprites/leveldigits.png",   ":/sprites/timedigits.png",
        ":/icons/slcy2_4-32.png",      ":/icons/slcy2_4-48.png",
        ":/icons/slcy2_4-64.png",      ":/icons/slcy2_4-128.png",
        ":/icons/slcy2_4-256.png",     ":/glyphs/newgame.png",
        ":/glyphs/restart.png",        ":/glyphs/load.png",
        ":/glyphs/save.png",           ":/glyphs/pause.png",
        ":/glyphs/sound.png",          ":/glyphs/exit.png",
        ":/glyphs/tongue.png",         ":/glyphs/rules.png",
        ":/glyphs/info.png",           ":/glyphs/wumple.png",
        ":/glyphs/sup.png",            ":/glyphs/sdown.png",
        ":/glyphs/dlg_bomb.png",       ":/glyphs/dlg_restart_yes.png",
        ":/glyphs/dlg_restart_no.png", ":/glyphs/dlg_door.png",
        ":/glyphs/dlg_smile.png",      ":/glyphs/dlg_frown.png",
        ":/glyphs/dlg_cancel.png",     ":/glyphs/check.png",
        ":/glyphs/flags_en.png",       ":/glyphs/flags_de.png",
        ":/pictures/splash.png",       ":/pictures/info.png",
        ":/sounds/water.wav",          ":/sounds/solved.wav",
        ":/sounds/refused.wav",        ":/sounds/timeout.wav",
    };
    return kAll;
}

}  // namespace slcy::assets
