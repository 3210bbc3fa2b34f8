#include "pictures.h"

#include <QPainter>
#include <algorithm>

#include "board_layout.h"
#include "glyphs.h"
#include "sprites.h"

namespace slcy::helppics {

QImage RestingPiece(const QImage& pieces, int kind, int orientation) {
    const int cell = pieces.height() / 5;  // 36 at 1x, 72 at 2x
    return pieces.copy(3 * cell * orientation, cell * (kind - 1), cell, cell)
        .convertToFormat(QImage::Format_RGB32);
}

QImage WetPiece(const QImage& piece, const QImage& markers) {
    QImage wet = piece.convertToFormat(QImage::Format_RGB32);
    const QImage strip = markers.convertToFormat(QImage::Format_RGB32);
    // As the board draws a marker, in the coordinates of the strip's scale.
    const int scale = strip.height() / kMarkerSize;
    DrawMarker(wet, QPoint(kMarkerInset, kMarkerInset) * scale, strip, kWetMarker, scale);
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
    return WithoutKeyColour(glyph.copy(0, 0, width, glyph.height()));
}

}  // namespace slcy::helppics
