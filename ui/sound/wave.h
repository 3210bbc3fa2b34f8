// The samples of a wave image as a .wav file holds it, which the player hands to the sound
// server, and their format.
#pragma once

#include <QByteArray>
#include <QByteArrayView>

namespace slcy {

struct WaveFormat {
    int channels = 0;
    int rate = 0;           // frames per second
    int bitsPerSample = 0;  // 8 (unsigned) or 16 (signed, little-endian)

    int bytesPerFrame() const { return channels * bitsPerSample / 8; }
};

// An image that does not start with "RIFF", then "WAVE", then "fmt " at their places is
// refused and plays nothing; so does one that is not 8- or 16-bit PCM.
struct Wave {
    WaveFormat format;
    // The "data" chunk's content, whole frames only, where it lies in the image: a wave keeps
    // its image (shared, not copied; an image compiled into the program stays where it is).
    QByteArrayView samples;

    static Wave FromImage(const QByteArray& image);
    bool playable() const { return !samples.isEmpty(); }

  private:
    QByteArray image_;
};

}  // namespace slcy
