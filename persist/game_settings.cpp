#include "game_settings.h"

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

void WriteGameSettings(const GameSettings& s) {
    ReportUnwritten(PutSettingBool(kSettingsSection, kSoundKey, s.Sound), kSoundKey);
    ReportUnwritten(PutSettingInt(kSettingsSection, kLevelKey, s.Level), kLevelKey);
    ReportUnwritten(PutSettingInt(kSettingsSection, kLanguageKey, s.Language), kLanguageKey);
    ReportUnwritten(PutSettingText(kSettingsSection, kProgressPathKey,
                                   QString::fromStdString(s.ProgressPath)),
                    kProgressPathKey);
}

}  // namespace slcy
