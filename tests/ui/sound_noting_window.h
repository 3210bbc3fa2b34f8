// The main window, noting each sound the rules ask it for (whether or not its sound button
// lets the sound through to the player).
#pragma once

#include <vector>

#include "Main.h"

namespace slcy {

class SoundNotingWindow : public TMainForm {
public:
    using TMainForm::TMainForm;
    std::vector<SoundId> sounds;
    void PlaySoundEffect(SoundId sound) override {
        sounds.push_back(sound);
        TMainForm::PlaySoundEffect(sound);
    }
};

}  // namespace slcy
