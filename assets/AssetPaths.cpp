#include "AssetPaths.h"

namespace slcy::assets {

std::vector<std::string> AllResources() {
    std::vector<std::string> all;
    all.reserve(kSpriteSheets.size() + kIconSizes.size() + kGlyphs.size() + 2 + kSounds.size());
    for (const SheetFile& sheet : kSpriteSheets) all.emplace_back(sheet.Path);
    for (int size : kIconSizes) all.push_back(IconPath(size));
    for (const Glyph& glyph : kGlyphs) all.push_back(GlyphPath(glyph.Name));
    all.emplace_back(kSplashPicture);
    all.emplace_back(kInfoPicture);
    for (const char* sound : kSounds) all.emplace_back(sound);
    return all;
}

}  // namespace slcy::assets
