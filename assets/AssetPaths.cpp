#include "AssetPaths.h"

namespace slcy::assets {

std::vector<std::string> AllResources() {
    std::vector<std::string> all;
    all.reserve(kArtScales.size() * (kSpriteSheets.size() + kGlyphs.size() + 3) +
                kIconSizes.size() + kSounds.size());
    for (int size : kIconSizes) {
        if (size != kWindowIconSize) all.push_back(IconPath(size));
    }
    for (int scale : kArtScales) {
        for (const SheetFile& sheet : kSpriteSheets) all.push_back(AtScale(sheet.Path, scale));
        all.push_back(WindowIconPath(scale));
        for (const Glyph& glyph : kGlyphs) all.push_back(GlyphPath(glyph.Name, scale));
        all.push_back(AtScale(kSplashPicture, scale));
        all.push_back(AtScale(kInfoPicture, scale));
    }
    for (const char* sound : kSounds) all.emplace_back(sound);
    return all;
}

}  // namespace slcy::assets
