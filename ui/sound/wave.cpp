#include "wave.h"

#include <QtEndian>
#include <algorithm>

namespace slcy {

namespace {
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

    const quint16 channels = Le16(image, 22);
    const quint32 rate = Le32(image, 24);
    const quint16 bits = Le16(image, 34);
    if (Le16(image, 20) != 1 || channels == 0 || rate == 0 || rate > 0x7fffffff ||
        (bits != 8 && bits != 16))
        return wave;
    const WaveFormat format{channels, static_cast<int>(rate), bits};

    // Walk the chunks after "fmt " to the "data" chunk; a size that runs past the end is cut,
    // and so is a last frame that is not whole.
    qsizetype at = 20 + qsizetype(Le32(image, 16));
    while (at + 8 <= image.size()) {
        const qsizetype size = Le32(image, at + 4);
        if (image.mid(at, 4) == "data") {
            qsizetype length = std::min(size, image.size() - at - 8);
            length -= length % format.bytesPerFrame();
            wave.image_ = image;
            wave.samples = QByteArrayView(wave.image_).sliced(at + 8, length);
            wave.format = format;
            break;
        }
        at += 8 + size + (size & 1);
    }
    return wave;
}

}  // namespace slcy
