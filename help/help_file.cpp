#include "help_file.h"

#include <QFile>
#include <QResource>
#include <QStringList>

#include "bundle_check.h"

namespace slcy {

namespace {

// Where the registered help file's pages appear in the resource system.
const QString kRoot = QStringLiteral("/slcy-help");
const QString kContextMap = QStringLiteral("context.map");

QString RegisteredFile;      // empty while none is registered
QByteArray RegisteredBytes;  // its bytes, which the resource system reads in place

const uchar* BundleData() {
    return reinterpret_cast<const uchar*>(RegisteredBytes.constData());
}

// The file is read whole and checked before the resource system sees it; registered from
// memory, it cannot change under the resource system's feet either.
bool Register(const QString& file) {
    if (file == RegisteredFile) return true;
    ForgetHelpFile();
    if (!RegisterIntactBundle(file, RegisteredBytes, kRoot)) return false;
    RegisteredFile = file;
    return true;
}

}  // namespace

std::optional<QString> PageOfContext(const QString& map, int context) {
    for (const QString& raw : map.split(u'\n')) {
        const QString line = raw.section(u'#', 0, 0).simplified();
        const QStringList fields = line.split(u' ', Qt::SkipEmptyParts);
        if (fields.size() != 2) continue;
        bool ok = false;
        if (fields[0].toInt(&ok) == context && ok) return fields[1];
    }
    return std::nullopt;
}

std::optional<QUrl> TopicUrl(const QString& file, int context) {
    if (!Register(file)) return std::nullopt;
    QFile map(QLatin1Char(':') + kRoot + QLatin1Char('/') + kContextMap);
    if (!map.open(QIODevice::ReadOnly)) return std::nullopt;
    const auto page = PageOfContext(QString::fromUtf8(map.readAll()), context);
    if (!page) return std::nullopt;
    const QString path = kRoot + QLatin1Char('/') + *page;
    if (!QFile::exists(QLatin1Char(':') + path)) return std::nullopt;
    return QUrl(QStringLiteral("qrc:") + path);
}

void ForgetHelpFile() {
    if (RegisteredFile.isEmpty()) return;
    QResource::unregisterResource(BundleData(), kRoot);
    RegisteredFile.clear();
    RegisteredBytes.clear();
}

}  // namespace slcy
