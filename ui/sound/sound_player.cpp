#include "sound_player.h"

#include <QFile>

#include "AssetPaths.h"
#include "pulse_output.h"

namespace slcy {

namespace {
std::array<Wave, 4> GameSounds() {
    std::array<Wave, 4> waves;
    for (size_t i = 0; i < waves.size(); ++i) {
        QFile file(QString::fromLatin1(assets::kSounds[i]));
        if (file.open(QIODevice::ReadOnly)) waves[i] = Wave::FromImage(file.readAll());
    }
    return waves;
}
}  // namespace

SoundPlayer::SoundPlayer(QObject* parent) : SoundPlayer(GameSounds(), parent) {}

SoundPlayer::SoundPlayer(std::array<Wave, 4> waves, QObject* parent)
    : QObject(parent), waves_(std::move(waves)) {
    // The output calls back on its own thread; the signals are sent from this object's.
    PulseOutput::Listener listener;
    listener.started = [this](int clip) {
        QMetaObject::invokeMethod(
            this, [this, clip] { emit playStarted(clip + 1); }, Qt::QueuedConnection);
    };
    listener.failed = [this](const char* message) {
        if (failure_reported_.exchange(true)) return;
        QMetaObject::invokeMethod(
            this, [this, text = QString::fromLocal8Bit(message)] { emit playFailed(text); },
            Qt::QueuedConnection);
    };
    output_ = std::make_unique<PulseOutput>(waves_, std::move(listener));
}

SoundPlayer::~SoundPlayer() = default;

void SoundPlayer::Stop() {
    output_->Stop();
}

void SoundPlayer::Play(int n) {
    if (n < 1 || n > 4) return;
    emit playRequested(n);
    output_->Play(n - 1);
}

}  // namespace slcy
