#include "sound_player.h"

#include <QAudioSink>
#include <QFile>
#include <QMediaDevices>
#include <QtEndian>

namespace slcy {

namespace {
const char* const kWaveFiles[4] = {":/sounds/water.wav", ":/sounds/solved.wav",
                                   ":/sounds/refused.wav", ":/sounds/timeout.wav"};

quint32 Le32(const QByteArray& b, qsizetype at) {
    return qFromLittleEndian<quint32>(b.constData() + at);
}
quint16 Le16(const QByteArray& b, qsizetype at) {
    return qFromLittleEndian<quint16>(b.constData() + at);
}
}  // namespace

Wave Wave::FromImage(const QByteArray& image) {
    Wave wave;
    if (image.size() < 44 || image.mid(0, 4) != "RIFF" || image.mid(8, 4) != "WAVE" ||
        image.mid(12, 4) != "fmt ")
        return wave;
    wave.image = image;

    const quint16 channels = Le16(image, 22);
    const quint32 rate = Le32(image, 24);
    const quint16 bits = Le16(image, 34);
    if (Le16(image, 20) != 1 || channels == 0 || rate == 0 || (bits != 8 && bits != 16))
        return wave;
    wave.format.setChannelCount(channels);
    wave.format.setSampleRate(static_cast<int>(rate));
    wave.format.setSampleFormat(bits == 8 ? QAudioFormat::UInt8 : QAudioFormat::Int16);

    // Walk the chunks after "fmt " to the "data" chunk; a size that runs past the end is cut.
    qsizetype at = 20 + Le32(image, 16);
    while (at + 8 <= image.size()) {
        const quint32 size = Le32(image, at + 4);
        if (image.mid(at, 4) == "data") {
            wave.samples = image.mid(at + 8, std::min<qsizetype>(size, image.size() - at - 8));
            break;
        }
        at += 8 + size + (size & 1);
    }
    return wave;
}

SoundPlayer::SoundPlayer(QObject* parent) : QObject(parent) {
    for (int i = 0; i < 4; ++i) {
        QFile file(kWaveFiles[i]);
        if (file.open(QIODevice::ReadOnly)) waves_[i] = Wave::FromImage(file.readAll());
    }
}

SoundPlayer::~SoundPlayer() { Stop(); }

void SoundPlayer::Stop() {
    if (sink_) sink_->stop();
    sink_.reset();
    buffer_.close();
}

void SoundPlayer::Play(int n) {
    if (n < 1 || n > 4) return;
    emit playRequested(n);
    const Wave& wave = waves_[n - 1];
    if (!wave.playable()) return;
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    if (device.isNull()) return;

    Stop();
    sink_ = std::make_unique<QAudioSink>(device, wave.format);
    buffer_.setData(wave.samples);
    buffer_.open(QIODevice::ReadOnly);
    sink_->start(&buffer_);
}

}  // namespace slcy
