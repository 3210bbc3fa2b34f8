// The four sounds of the game, held in memory and played one at a time without waiting: a new
// sound stops the one playing. Without a sound server or an output device every request is
// quietly ignored; a device that refuses a sound is reported once.
#pragma once

#include <QObject>
#include <QString>
#include <array>
#include <memory>

#include "wave.h"

namespace slcy {

class PulseOutput;

// The game's four sounds as the resources hold them, in the order of SoundPlayer::Play.
std::array<Wave, 4> GameSounds();

class SoundPlayer : public QObject {
    Q_OBJECT
public:
    explicit SoundPlayer(QObject* parent = nullptr);
    ~SoundPlayer() override;

    // Connects to the sound server, on the player's own thread, so that the first sound is as
    // quick as the others. Until then, or until the first sound, the player does nothing.
    void Open();
    // n = 1..4: water changed, level solved, dry piece clicked, time out. Returns at once.
    void Play(int n);
    void Stop();

signals:
    // The output device refused a sound; the text is the sound system's. At most once per
    // player, so that a broken device does not interrupt every move.
    void playFailed(const QString& message);

private:
    const std::array<Wave, 4> waves_;
    std::unique_ptr<PulseOutput> output_;  // last: its thread ends before the waves go
};

}  // namespace slcy
