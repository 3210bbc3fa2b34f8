#include "game_settings.h"

#include "settings_store.h"

namespace slcy {

GameSettings ReadGameSettings() {
    const SettingsReader stored(kSettingsSection);  // one opening of the store for them all
    GameSettings s;
    s.Language = stored.Int(kLanguageKey, kLanguageDefault);
    s.Level = stored.Int(kLevelKey, kLevelDefault);
    s.ProgressPath = stored.Text(kProgressPathKey, {}).toStdString();
    s.Position = {stored.Int(kLeftKey, kLeftDefault), stored.Int(kTopKey, kTopDefault)};
    s.Sound = stored.Bool(kSoundKey, kSoundDefault);
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
