// The four sounds of the game, held in memory as whole RIFF WAVE images and played one at a
// time without waiting: a new sound stops the one playing. Without an output device every
// request is quietly ignored.
#pragma once

#include <QAudioFormat>
#include <QBuffer>
#include <QByteArray>
#include <QObject>
#include <array>
#include <memory>

class QAudioSink;

namespace slcy {

// A wave image as it is stored in a .wav file. An image that does not start with "RIFF", then
// "WAVE", then "fmt " at their places is refused and plays nothing.
struct Wave {
    QByteArray image;
    QAudioFormat format;
    QByteArray samples;  // a view into `image`: the "data" chunk's content

    static Wave FromImage(const QByteArray& image);
    bool playable() const { return !samples.isEmpty() && format.isValid(); }
};

class SoundPlayer : public QObject {
    Q_OBJECT
public:
    explicit SoundPlayer(QObject* parent = nullptr);
    ~SoundPlayer() override;

    // n = 1..4: water changed, level solved, dry piece clicked, time out.
    void Play(int n);
    void Stop();
    const Wave& wave(int n) const { return waves_[n - 1]; }

signals:
    // Every request that reaches the player, whether or not a device can play it.
    void playRequested(int n);

private:
    std::array<Wave, 4> waves_;
    std::unique_ptr<QAudioSink> sink_;
    QBuffer buffer_;
};

}  // namespace slcy
