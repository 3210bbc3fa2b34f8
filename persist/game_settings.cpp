#include "game_settings.h"

#include <cstdio>

#include "settings_store.h"

namespace slcy {

GameSettings ReadGameSettings() {
    GameSettings s;
    s.Language = GetSettingInt(kSettingsSection, kLanguageKey, kLanguageDefault);
    s.Level = GetSettingInt(kSettingsSection, kLevelKey, kLevelDefault);
    s.ProgressPath = GetSettingText(kSettingsSection, kProgressPathKey, {}).toStdString();
    s.Position = {GetSettingInt(kSettingsSection, kLeftKey, kLeftDefault),
                  GetSettingInt(kSettingsSection, kTopKey, kTopDefault)};
    s.Sound = GetSettingBool(kSettingsSection, kSoundKey, kSoundDefault);
    return s;
}

bool ReportUnwritten(bool written, const char* key) {
    if (!written)
        std::fprintf(stderr, "slcy2_4: the setting \"%s\" could not be written to %s\n", key,
                     qPrintable(SettingsFilePath()));
    return written;
}

bool WriteGameSettings(const GameSettings& s) {
    bool all = true;
    all &= ReportUnwritten(PutSettingBool(kSettingsSection, kSoundKey, s.Sound), kSoundKey);
    all &= ReportUnwritten(PutSettingInt(kSettingsSection, kLevelKey, s.Level), kLevelKey);
    all &= ReportUnwritten(PutSettingInt(kSettingsSection, kLanguageKey, s.Language), kLanguageKey);
    all &= ReportUnwritten(PutSettingText(kSettingsSection, kProgressPathKey,
                                          QString::fromStdString(s.ProgressPath)),
                           kProgressPathKey);
    return all;
}

}  // namespace slcy
