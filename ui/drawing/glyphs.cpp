#include "glyphs.h"

#include <QBitmap>
#include <QImage>

namespace slcy {

QPixmap LoadGlyph(const QString& resource) {
    QImage image(resource);
    if (image.isNull()) return {};
    image = image.convertToFormat(QImage::Format_ARGB32);
    const QRgb key = image.pixel(0, image.height() - 1);
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x)
            if ((line[x] & 0xFFFFFF) == (key & 0xFFFFFF)) line[x] = 0;
    }
    return QPixmap::fromImage(image);
}

QIcon GlyphIcon(const QString& resource, int images) {
    const QPixmap all = LoadGlyph(resource);
    if (all.isNull() || images < 2) return QIcon(all);
    const int w = all.width() / images;
    QIcon icon;
    icon.addPixmap(all.copy(0, 0, w, all.height()), QIcon::Normal);
    icon.addPixmap(all.copy(w, 0, w, all.height()), QIcon::Disabled);
    return icon;
}

}  // namespace slcy
