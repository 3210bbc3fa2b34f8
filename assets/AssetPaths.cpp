#include "AssetPaths.h"

namespace slcy::assets {

std::vector<std::string> ArtAtScale(int scale) {
    std::vector<std::string> art;
    art.reserve(kSpriteSheets.size() + kGlyphs.size() + 3);
    for (const SheetFile& sheet : kSpriteSheets) art.push_back(AtScale(sheet.Path, scale));
    art.push_back(WindowIconPath(scale));
    for (const Glyph& glyph : kGlyphs) art.push_back(GlyphPath(glyph.Name, scale));
    art.push_back(AtScale(kSplashPicture, scale));
    art.push_back(AtScale(kInfoPicture, scale));
    return art;
}

std::vector<std::string> AllResources() {
    std::vector<std::string> all;
    for (const std::string& picture : ArtAtScale(1)) all.push_back(PlainPixelsPath(picture));
    for (std::string& picture : ArtAtScale(2)) all.push_back(std::move(picture));
    for (const char* sound : kSounds) all.emplace_back(sound);
    return all;
}

}  // namespace slcy::assets
