#include "settings_store.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStringList>
#include <QTemporaryFile>
#include <QVariant>
#include <sys/stat.h>

#include <cstdio>
#include <memory>

namespace slcy {

namespace {

const QString kOrganization = QStringLiteral("WumpleGames");
const QString kApplication = QStringLiteral("Sluicery/V2");

// The store as one operation sees it. Fallbacks are off: only the game's own file counts,
// never an organisation-wide or system-wide one.
std::unique_ptr<QSettings> OpenStore(const QString& section) {
    auto store = std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                             kOrganization, kApplication);
    store->setFallbacksEnabled(false);
    store->beginGroup(section);
    return store;
}

// Which file is on disk under the store's name. QSettings writes a whole new file and renames
// it over the old one, so a write that reached the disk always changes this; a write that
// failed leaves the old file (or its absence) alone.
struct FileIdentity {
    bool exists = false;
    dev_t device = 0;
    ino_t inode = 0;
    bool operator==(const FileIdentity&) const = default;
};

FileIdentity IdentityOf(const QString& path) {
    struct stat info {};
    if (::stat(QFile::encodeName(path).constData(), &info) != 0) return {};
    return {true, info.st_dev, info.st_ino};
}

// QSettings writes through a QSaveFile whose commit() (Qt 6.4) misses a failure of the last
// flush: on a full disk it renames a cut-short file over the store and reports success. So a
// write first proves that the store's folder takes a file larger than the new store can be.
bool FolderTakes(const QString& storeFile, qint64 bytes) {
    const QFileInfo store(storeFile);
    if (!QDir().mkpath(store.absolutePath())) return false;
    QTemporaryFile probe(store.absolutePath() + QStringLiteral("/.") + store.fileName() +
                         QStringLiteral(".room-XXXXXX"));
    if (!probe.open()) return false;
    const QByteArray filler(bytes, '\n');
    return probe.write(filler) == filler.size() && probe.flush();
}

// The new store is the old one with at most this one line more; a character takes at most six
// bytes in QSettings' escaped form.
qint64 LargestNewStore(const QString& storeFile, const QString& section, const QString& key,
                       const std::optional<QString>& value) {
    const qint64 text = section.size() + key.size() + (value ? value->size() : 0);
    return QFileInfo(storeFile).size() + 6 * text + 64;
}

std::optional<QString> StoredText(const QSettings& store, const QString& key) {
    const QVariant value = store.value(key);
    switch (value.typeId()) {
    case QMetaType::QString:
        return value.toString();
    case QMetaType::QStringList:
        // A text with commas that some other editor left unquoted comes back as a list; it
        // is still the one text.
        return value.toStringList().join(u',');
    default:
        // Missing, or a form QSettings decodes into something other than text.
        return std::nullopt;
    }
}

// Sets `key` to `value`, or removes it when there is no value.
bool StoreText(const QString& section, const QString& key, const std::optional<QString>& value) {
    const std::unique_ptr<QSettings> store = OpenStore(section);
    const bool had = store->contains(key);
    if (!value && !had) return true;
    const QVariant before = store->value(key);
    const QString file = store->fileName();
    if (!FolderTakes(file, LargestNewStore(file, section, key, value))) return false;
    const FileIdentity fileBefore = IdentityOf(file);

    if (value)
        store->setValue(key, *value);
    else
        store->remove(key);
    store->sync();

    // The status also reports a malformed line met while reading, so only a file left
    // untouched proves that the write failed.
    if (store->status() == QSettings::NoError || IdentityOf(file) != fileBefore)
        return true;

    // QSettings keeps a change it could not write in a cache shared by the whole process: later
    // reads would report it, and the next write that succeeds would store it along. Take it
    // back, so that the rest of the run sees the store as it is on disk.
    if (had)
        store->setValue(key, before);
    else
        store->remove(key);
    return false;
}

}  // namespace

QString SettingsFilePath() {
    return OpenStore(QString())->fileName();
}

std::optional<std::int32_t> SettingTextToInt(const QString& text) {
    bool ok = false;
    const int number = text.toInt(&ok, 10);  // int is 32 bits wide on every platform we build
    if (!ok) return std::nullopt;
    return number;
}

SettingsReader::SettingsReader(const QString& section) : store_(OpenStore(section)) {}

SettingsReader::~SettingsReader() = default;

std::int32_t SettingsReader::Int(const QString& key, std::int32_t fallback) const {
    const std::optional<QString> text = StoredText(*store_, key);
    if (!text) return fallback;
    return SettingTextToInt(*text).value_or(fallback);
}

bool SettingsReader::Bool(const QString& key, bool fallback) const {
    return Int(key, fallback ? 1 : 0) != 0;
}

QString SettingsReader::Text(const QString& key, const QString& fallback) const {
    return StoredText(*store_, key).value_or(fallback);
}

std::int32_t GetSettingInt(const QString& section, const QString& key, std::int32_t fallback) {
    return SettingsReader(section).Int(key, fallback);
}

bool GetSettingBool(const QString& section, const QString& key, bool fallback) {
    return SettingsReader(section).Bool(key, fallback);
}

QString GetSettingText(const QString& section, const QString& key, const QString& fallback) {
    return SettingsReader(section).Text(key, fallback);
}

bool PutSettingInt(const QString& section, const QString& key, std::int32_t value) {
    return StoreText(section, key, QString::number(value));
}

bool PutSettingBool(const QString& section, const QString& key, bool value) {
    // Written as text: QSettings would write a bool as "true".
    return StoreText(section, key, value ? QStringLiteral("1") : QStringLiteral("0"));
}

bool PutSettingText(const QString& section, const QString& key, const QString& value) {
    return StoreText(section, key, value);
}

bool DropSetting(const QString& section, const QString& key) {
    return StoreText(section, key, std::nullopt);
}

void ReportUnwritten(bool written, const char* key) {
    if (!written)
        std::fprintf(stderr, "slcy2_4: the setting \"%s\" could not be written to %s\n", key,
                     qPrintable(SettingsFilePath()));
}

}  // namespace slcy
