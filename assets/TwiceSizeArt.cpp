#include "TwiceSizeArt.h"

#include <QDir>
#include <QResource>

#include "AssetPaths.h"
#include "bundle_check.h"

namespace slcy::assets {

std::optional<QByteArray> ReadTwiceSizeArt(const QString& directory) {
    return ReadIntactBundle(QDir(directory).filePath(QString::fromLatin1(kTwiceSizeArtFile)));
}

bool RegisterTwiceSizeArt(const QString& directory) {
    // The resource system reads the registered bytes in place, so they stay for the whole run.
    static QByteArray registered;
    if (!registered.isEmpty()) return true;
    std::optional<QByteArray> bytes = ReadTwiceSizeArt(directory);
    if (!bytes) return false;
    registered = std::move(*bytes);
    if (QResource::registerResource(reinterpret_cast<const uchar*>(registered.constData())))
        return true;
    registered.clear();
    return false;
}

}  // namespace slcy::assets
