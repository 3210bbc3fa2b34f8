#include "TwiceSizeArt.h"

#include <QByteArray>
#include <QDir>

#include "AssetPaths.h"
#include "bundle_check.h"

namespace slcy::assets {

bool RegisterTwiceSizeArt(const QString& directory) {
    static QByteArray registered;  // for the whole run
    return !registered.isEmpty() ||
           RegisterIntactBundle(QDir(directory).filePath(QString::fromLatin1(kTwiceSizeArtFile)),
                                registered);
}

}  // namespace slcy::assets
