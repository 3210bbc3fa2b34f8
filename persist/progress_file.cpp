#include "progress_file.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QtEndian>
#include <algorithm>

namespace slcy {

namespace {
const QString kProgressExtension = QStringLiteral(".slv");
}  // namespace

QByteArray ProgressFileBytes(const ProgressTable& table) {
    QByteArray bytes(kProgressFileSize, '\0');
    for (int i = 0; i < kMaxLevels; ++i) qToLittleEndian<std::int32_t>(table[i], bytes.data() + 4 * qsizetype{i});
    return bytes;
}

ProgressTable ProgressTableFromBytes(const QByteArray& bytes) {
    // The bytes go over a zeroed table image, so a short file leaves the rest 0.
    QByteArray image(kProgressFileSize, '\0');
    std::copy_n(bytes.constData(), std::min<qsizetype>(bytes.size(), kProgressFileSize),
                image.data());
    ProgressTable table{};
    for (int i = 0; i < kMaxLevels; ++i)
        table[i] = qFromLittleEndian<std::int32_t>(image.constData() + 4 * qsizetype{i});
    return table;
}

std::optional<ProgressTable> ReadProgressFile(const QString& path) {
    // Only a regular file: a directory cannot be read, and a pipe or device might block.
    if (!QFileInfo(path).isFile()) return std::nullopt;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
    const QByteArray bytes = file.read(kProgressFileSize);
    if (file.error() != QFileDevice::NoError) return std::nullopt;
    return ProgressTableFromBytes(bytes);
}

bool WriteProgressFile(const QString& path, const ProgressTable& table) {
    // QSaveFile writes a temporary file beside the target, syncs it to the disk and only then
    // renames it over the target.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return false;
    const QByteArray bytes = ProgressFileBytes(table);
    // The bytes wait in QSaveFile's buffer. Flush them here: commit() flushes them too, but
    // (Qt 6.4) forgets a failure there and renames the cut-short file over the earlier one.
    if (file.write(bytes) != bytes.size() || !file.flush()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

QString FileNamePart(const QString& path) {
    return path.mid(path.lastIndexOf(u'/') + 1);
}

QString FolderPart(const QString& path) {
    return path.left(path.lastIndexOf(u'/') + 1);
}

QString ReplaceExtension(const QString& path) {
    const qsizetype nameStart = path.lastIndexOf(u'/') + 1;
    const qsizetype dot = path.lastIndexOf(u'.');
    if (dot < nameStart) return path + kProgressExtension;
    return path.left(dot) + kProgressExtension;
}

}  // namespace slcy
