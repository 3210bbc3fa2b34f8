#include "glyphs.h"

#include <optional>

#include "AssetPaths.h"
#include "art_files.h"

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

namespace {

// The picture at `scale`, if there is one, marked with its density.
std::optional<QImage> AtScale(const std::string& resource, int scale) {
    QImage image = ReadArt(assets::AtScale(resource, scale));
    if (image.isNull()) return std::nullopt;
    image.setDevicePixelRatio(scale);
    return image;
}

}  // namespace

QIcon ButtonIcon(std::string_view glyphName) {
    const assets::Glyph& glyph = assets::GlyphNamed(glyphName);
    QIcon icon;
    for (const int scale : assets::kArtScales) {
        const std::optional<QImage> image = AtScale(assets::GlyphPath(glyph.Name), scale);
        if (!image) continue;
        const QImage all = WithoutKeyColour(*image);  // keeps the density
        const int w = all.width() / glyph.Images;
        icon.addPixmap(QPixmap::fromImage(all.copy(0, 0, w, all.height())), QIcon::Normal);
        if (glyph.Images > 1)
            icon.addPixmap(QPixmap::fromImage(all.copy(w, 0, w, all.height())), QIcon::Disabled);
    }
    return icon;
}

QIcon WindowIcon() {
    QIcon icon;
    for (const int scale : assets::kArtScales)
        if (const std::optional<QImage> image = AtScale(assets::IconPath(assets::kWindowIconSize), scale))
            icon.addPixmap(QPixmap::fromImage(*image));
    return icon;
}

QPixmap Picture(const char* resource) {
    for (auto scale = assets::kArtScales.rbegin(); scale != assets::kArtScales.rend(); ++scale)
        if (const std::optional<QImage> image = AtScale(resource, *scale))
            return QPixmap::fromImage(*image);
    return {};
}

QSize ButtonIconSize(std::string_view glyphName) {
    const assets::Glyph& glyph = assets::GlyphNamed(glyphName);
    return {glyph.Width, glyph.Height};
}

}  // namespace slcy
