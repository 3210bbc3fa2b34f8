// The art at twice the size comes in a resource file of its own beside the program
// (kTwiceSizeArtFile): registered, its pictures open under ":/" beside the 1x ones, as
// ":/sprites/pieces@2x.png". The file is checked before the resource system may read it, like
// the help file: a damaged one is refused and the game keeps to its 1x art.
#pragma once

#include <QString>

namespace slcy::assets {

// Registers the 2x art file of `directory` for the rest of the run; true when its pictures can
// be opened, also when an earlier call registered it already. A file that is missing, is no
// resource bundle or is damaged is refused (bundle_check.h).
bool RegisterTwiceSizeArt(const QString& directory);

}  // namespace slcy::assets
