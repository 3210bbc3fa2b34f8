#include "sound_player.h"

#include <QResource>

#include "AssetPaths.h"
#include "pulse_output.h"

namespace slcy {

// The sounds are compiled in uncompressed: they are played from where they lie.
std::array<Wave, 4> GameSounds() {
    std::array<Wave, 4> waves;
    for (size_t i = 0; i < waves.size(); ++i)
        waves[i] =
            Wave::FromImage(QResource(QString::fromLatin1(assets::kSounds[i])).uncompressedData());
    return waves;
}

SoundPlayer::SoundPlayer(QObject* parent) : QObject(parent), waves_(GameSounds()) {
    // The output calls back on its own thread, and reports a refusal once; the signal is sent
    // from this object's thread.
    PulseOutput::Listener listener;
    listener.failed = [this](const char* message) {
        QMetaObject::invokeMethod(
            this, [this, text = QString::fromLocal8Bit(message)] { emit playFailed(text); },
            Qt::QueuedConnection);
    };
    output_ = std::make_unique<PulseOutput>(waves_, std::move(listener));
}

SoundPlayer::~SoundPlayer() = default;

void SoundPlayer::Open() {
    output_->Open();
}

void SoundPlayer::Stop() {
    output_->Stop();
}

void SoundPlayer::Play(int n) {
    if (n >= 1 && n <= 4) output_->Play(n - 1);
}

}  // namespace slcy
