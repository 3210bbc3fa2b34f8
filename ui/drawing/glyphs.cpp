#include "glyphs.h"

#include "AssetPaths.h"

namespace slcy {

QImage WithoutKeyColour(const QImage& glyph) {
    QImage image = glyph.convertToFormat(QImage::Format_ARGB32);
    if (image.isNull()) return image;
    const QRgb key = image.pixel(0, image.height() - 1) & 0xFFFFFF;
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x)
            if ((line[x] & 0xFFFFFF) == key) line[x] = 0;
    }
    return image;
}

QPixmap LoadGlyph(const QString& resource) {
    const QImage image(resource);
    if (image.isNull()) return {};
    return QPixmap::fromImage(WithoutKeyColour(image));
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

QIcon ButtonIcon(std::string_view glyphName) {
    const assets::Glyph& glyph = assets::GlyphNamed(glyphName);
    return GlyphIcon(QString::fromStdString(assets::GlyphPath(glyph.Name)), glyph.Images);
}

QSize ButtonIconSize(std::string_view glyphName) {
    const assets::Glyph& glyph = assets::GlyphNamed(glyphName);
    return {glyph.Width, glyph.Height};
}

}  // namespace slcy
