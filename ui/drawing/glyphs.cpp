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

QIcon ButtonIcon(std::string_view glyphName) {
    const assets::Glyph& glyph = assets::GlyphNamed(glyphName);
    const QImage image(QString::fromStdString(assets::GlyphPath(glyph.Name)));
    if (image.isNull()) return {};
    const QPixmap all = QPixmap::fromImage(WithoutKeyColour(image));
    if (glyph.Images < 2) return QIcon(all);
    const int w = all.width() / glyph.Images;
    QIcon icon;
    icon.addPixmap(all.copy(0, 0, w, all.height()), QIcon::Normal);
    icon.addPixmap(all.copy(w, 0, w, all.height()), QIcon::Disabled);
    return icon;
}

QSize ButtonIconSize(std::string_view glyphName) {
    const assets::Glyph& glyph = assets::GlyphNamed(glyphName);
    return {glyph.Width, glyph.Height};
}

}  // namespace slcy
