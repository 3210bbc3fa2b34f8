#include "pictures.h"

#include <QPainter>

namespace slcy::helppics {

QImage RestingPiece(const QImage& pieces, int kind, int orientation) {
    return pieces.copy(3 * kCell * orientation, kCell * (kind - 1), kCell, kCell)
        .convertToFormat(QImage::Format_RGB32);
}

QImage WetPiece(const QImage& piece, const QImage& markers) {
    QImage wet = piece.convertToFormat(QImage::Format_RGB32);
    const QImage strip = markers.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < kMarker; ++y) {
        for (int x = 0; x < kMarker; ++x) {
            const QRgb mask = strip.pixel(kMaskCell * kMarker + x, y);
            const QRgb colour = strip.pixel(kWetCell * kMarker + x, y);
            const QRgb under = wet.pixel(kMarkerInset + x, kMarkerInset + y);
            wet.setPixel(kMarkerInset + x, kMarkerInset + y, (under & mask) | colour);
        }
    }
    return wet;
}

QImage Row(const QList<QImage>& pictures) {
    int width = 0;
    int height = 0;
    for (const QImage& p : pictures) {
        width += p.width();
        height = std::max(height, p.height());
    }
    QImage row(width, height, QImage::Format_ARGB32);
    row.fill(Qt::transparent);
    QPainter painter(&row);
    int x = 0;
    for (const QImage& p : pictures) {
        painter.drawImage(x, 0, p);
        x += p.width();
    }
    return row;
}

QImage GlyphPicture(const QImage& glyph, int images) {
    const int width = glyph.width() / std::max(images, 1);
    QImage picture = glyph.copy(0, 0, width, glyph.height()).convertToFormat(QImage::Format_ARGB32);
    const QRgb key = glyph.pixel(0, glyph.height() - 1) & 0xFFFFFF;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            if ((picture.pixel(x, y) & 0xFFFFFF) == key) picture.setPixel(x, y, 0);
    return picture;
}

}  // namespace slcy::helppics
