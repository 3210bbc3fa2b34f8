#include "art_files.h"

#include <png.h>

#include <QResource>

#include "AssetPaths.h"

namespace slcy {

namespace {

// libpng's own reader rather than Qt's: it writes the pixels straight in the format the
// drawing keeps.
QImage DecodePng(const QByteArray& bytes) {
    png_image png{};
    png.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_memory(&png, bytes.constData(), bytes.size())) return {};
    const bool transparent = (png.format & PNG_FORMAT_FLAG_ALPHA) != 0;
    png.format = transparent ? PNG_FORMAT_RGBA : PNG_FORMAT_RGB;
    QImage image(int(png.width), int(png.height),
                 transparent ? QImage::Format_RGBA8888 : QImage::Format_RGB888);
    if (image.isNull()) {  // too large to hold
        png_image_free(&png);
        return {};
    }
    // The row stride counts components, which for eight-bit channels are bytes.
    if (!png_image_finish_read(&png, nullptr, image.bits(), png_int_32(image.bytesPerLine()),
                               nullptr))
        return {};
    return image;
}

QImage DecodeResource(const std::string& resource) {
    const QResource file(QString::fromStdString(resource));
    if (!file.isValid()) return {};
    return DecodePng(file.uncompressedData());
}

// The plain pixels compiled in for `resource` (written by tools/plainart): a PAM file of
// eight-bit RGB or RGB_ALPHA rows, stored uncompressed. The image refers to them read-only,
// where they lie; a null image where they are missing or not as expected.
QImage PlainPixels(const std::string& resource) {
    const QResource file(QString::fromStdString(assets::PlainPixelsPath(resource)));
    if (!file.isValid() || file.compressionAlgorithm() != QResource::NoCompression) return {};
    const QByteArrayView bytes(file.data(), file.size());
    const qsizetype end = bytes.indexOf(QByteArrayView("\nENDHDR\n"));
    if (!bytes.startsWith("P7\n") || end < 0) return {};
    int width = 0, height = 0, depth = 0, maxval = 0;
    for (qsizetype at = 0; at < end;) {
        const qsizetype next = bytes.indexOf('\n', at);
        const QByteArrayView line = bytes.sliced(at, next - at);
        at = next + 1;
        const qsizetype space = line.indexOf(' ');
        if (space < 0) continue;
        const QByteArrayView key = line.first(space);
        const int value = line.sliced(space + 1).toInt();
        if (key == "WIDTH") width = value;
        if (key == "HEIGHT") height = value;
        if (key == "DEPTH") depth = value;
        if (key == "MAXVAL") maxval = value;
    }
    const qsizetype pixels = end + qsizetype(sizeof "\nENDHDR\n") - 1;
    if (width <= 0 || height <= 0 || (depth != 3 && depth != 4) || maxval != 255) return {};
    // Exactly the rows the header announces, no fewer and no more.
    const qsizetype row = qsizetype(width) * depth;
    if ((bytes.size() - pixels) % row != 0 || (bytes.size() - pixels) / row != height) return {};
    return QImage(reinterpret_cast<const uchar*>(bytes.data() + pixels), width, height, row,
                  depth == 4 ? QImage::Format_RGBA8888 : QImage::Format_RGB888);
}

}  // namespace

QImage ReadArt(const std::string& resource) {
    QImage plain = PlainPixels(resource);
    return plain.isNull() ? DecodeResource(resource) : plain;
}

}  // namespace slcy
