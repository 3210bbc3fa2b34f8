#include "TwiceSizeArt.h"

#include <QDir>

#include "AssetPaths.h"
#include "bundle_check.h"

namespace slcy::assets {

std::optional<QByteArray> ReadTwiceSizeArt(const QString& directory) {
    return ReadIntactBundle(QDir(directory).filePath(QString::fromLatin1(kTwiceSizeArtFile)));
}

bool RegisterTwiceSizeArt(const QString& directory) {
    static QByteArray registered;  // for the whole run
    return !registered.isEmpty() ||
           RegisterIntactBundle(QDir(directory).filePath(QString::fromLatin1(kTwiceSizeArtFile)),
                                registered);
}

}  // namespace slcy::assets
