// The settings store: named text values grouped in sections, kept in the per-user file
// $XDG_CONFIG_HOME/WumpleGames/Sluicery/V2.conf (~/.config/... when the variable is unset),
// one section per [group], one key=value line per setting, in QSettings' INI syntax.
//
// Every value is text. Integers are written in decimal ("-1", "37"), booleans as "1" or "0",
// strings as they are (QSettings quotes a text holding a comma, a semicolon or an equals sign,
// and escapes backslashes and double quotes; it reads them back unchanged).
//
// Each operation opens the store, does its one read or write and closes it again, so an edit
// made by another program between two operations is seen. Nothing here throws or crashes on a
// broken store: a read that finds nothing usable gives the caller's default, a write that
// cannot be completed leaves the file as it was and returns false.
#pragma once

#include <QString>
#include <cstdint>
#include <memory>
#include <optional>

class QSettings;

namespace slcy {

// The file the store lives in (it need not exist yet).
QString SettingsFilePath();

// The decimal integer a stored text stands for: "007" is 7, "-1" is -1; an empty text, "7.5",
// "abc" and anything outside the signed 32-bit range are not integers.
std::optional<std::int32_t> SettingTextToInt(const QString& text);

// Missing, empty or non-integer text gives `fallback`.
std::int32_t GetSettingInt(const QString& section, const QString& key, std::int32_t fallback);
// Read as an integer (missing or non-integer gives `fallback`); any integer but 0 is true.
bool GetSettingBool(const QString& section, const QString& key, bool fallback);
// A missing value gives `fallback`; a value that is there but empty gives "".
QString GetSettingText(const QString& section, const QString& key, const QString& fallback);

// Several values of one section at one opening of the store, as they stood at that moment;
// each is read as the functions above read it.
class SettingsReader {
public:
    explicit SettingsReader(const QString& section);
    ~SettingsReader();
    std::int32_t Int(const QString& key, std::int32_t fallback) const;
    bool Bool(const QString& key, bool fallback) const;
    QString Text(const QString& key, const QString& fallback) const;

private:
    std::unique_ptr<QSettings> store_;
};

// Each returns true when the value reached the disk. On false (folder or file not writable,
// disk full, a directory where the file should be) the file on disk is unchanged.
bool PutSettingInt(const QString& section, const QString& key, std::int32_t value);
bool PutSettingBool(const QString& section, const QString& key, bool value);
bool PutSettingText(const QString& section, const QString& key, const QString& value);

// Removes the value if it is there. True when the store no longer holds it.
bool DropSetting(const QString& section, const QString& key);

// For what the player is not bothered with: when `written` is false, says on standard error
// that `key` could not be written to the settings file.
void ReportUnwritten(bool written, const char* key);

}  // namespace slcy
