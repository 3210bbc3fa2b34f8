#include "art_files.h"

#include <png.h>

#include <QResource>
#include <algorithm>
#include <condition_variable>
#include <mutex>
#include <optional>

namespace slcy {

namespace {

// libpng's own reader rather than Qt's: it needs nothing of Qt's image plug-ins (which the
// program has not set up yet while the art is decoded ahead) and writes the pixels straight in
// the format the drawing keeps.
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

// The pictures announced for decoding ahead; a slot stays empty until its picture is decoded.
struct Ahead {
    std::mutex lock;
    std::condition_variable decoded;
    std::vector<std::pair<std::string, std::optional<QImage>>> pictures;
};
Ahead& ahead() {
    static Ahead instance;
    return instance;
}

}  // namespace

QImage ReadArt(const std::string& resource) {
    Ahead& a = ahead();
    std::unique_lock hold(a.lock);
    for (auto picture = a.pictures.begin(); picture != a.pictures.end(); ++picture) {
        if (picture->first != resource) continue;
        a.decoded.wait(hold, [&] { return picture->second.has_value(); });
        QImage image = *std::move(picture->second);
        a.pictures.erase(picture);
        return image;
    }
    hold.unlock();
    return DecodeResource(resource);
}

ArtDecodedAhead::ArtDecodedAhead(std::vector<std::string> resources) {
    Ahead& a = ahead();
    {
        const std::lock_guard hold(a.lock);
        for (const std::string& resource : resources)
            a.pictures.emplace_back(resource, std::nullopt);
    }
    decoder_ = std::thread([&a, resources = std::move(resources)] {
        for (const std::string& resource : resources) {
            QImage image = DecodeResource(resource);
            {
                // A slot leaves the list only once filled, so the one for this picture is there.
                const std::lock_guard hold(a.lock);
                const auto slot =
                    std::find_if(a.pictures.begin(), a.pictures.end(),
                                 [&](const auto& p) { return p.first == resource && !p.second; });
                if (slot != a.pictures.end()) slot->second = std::move(image);
            }
            a.decoded.notify_all();
        }
    });
}

ArtDecodedAhead::~ArtDecodedAhead() {
    decoder_.join();
    Ahead& a = ahead();
    const std::lock_guard hold(a.lock);
    a.pictures.clear();
}

}  // namespace slcy
