// The window icon: the junction seen from the front with stubs to the top and the right.
// The 32-pixel icon keeps to sixteen colours, one of them transparent, and so does its twin
// drawn at 64 pixels for screens that scale by 2; the desktop sizes are smooth.
#include <QPainter>
#include <vector>

#include "Junction.h"
#include "Output.h"
#include "Raster.h"
#include "Sheets.h"

namespace artgen {
namespace {

QImage Render(int size) {
    const int factor = size <= 64 ? 8 : 4;
    QImage big = BigCanvas(size, size, factor);
    {
        QPainter p(&big);
        p.setRenderHint(QPainter::Antialiasing);
        p.scale(factor * size / 32.0, factor * size / 32.0);
        PaintJunction(p, QRectF(1.5, 9.5, 21, 21), kStubUp | kStubRight, 8.5);
    }
    return Shrink(big, factor);
}

// Sixteen colours: the transparent ground and fifteen opaque ones. A pixel the motif covers
// less than half is ground; the others are made opaque with their own colour.
QImage SixteenColours(const QImage& smooth) {
    const QRgb ground = 0x00000000;
    QImage opaque(smooth.size(), QImage::Format_RGB32);
    std::vector<bool> solid(static_cast<std::size_t>(smooth.width()) * smooth.height());
    for (int y = 0; y < smooth.height(); ++y) {
        for (int x = 0; x < smooth.width(); ++x) {
            const QRgb c = reinterpret_cast<const QRgb*>(smooth.constScanLine(y))[x];
            const int a = qAlpha(c);
            solid[y * smooth.width() + x] = a >= 128;
            // Ground pixels take the outline's colour so that they cost the palette nothing.
            opaque.setPixel(x, y, a >= 128 ? qRgb(qRed(c) * 255 / a, qGreen(c) * 255 / a, qBlue(c) * 255 / a)
                                           : qRgb(0x1C, 0x1E, 0x22));
        }
    }
    QImage indexed = Quantise(opaque, 15);
    QList<QRgb> palette = indexed.colorTable();
    palette.prepend(ground);
    QImage out(smooth.size(), QImage::Format_Indexed8);
    out.setColorTable(palette);
    for (int y = 0; y < out.height(); ++y) {
        for (int x = 0; x < out.width(); ++x) {
            out.setPixel(x, y, solid[y * out.width() + x] ? indexed.pixelIndex(x, y) + 1 : 0);
        }
    }
    return out;
}

}  // namespace

QImage MakeWindowIcon(int scale) {
    return SixteenColours(Render(32 * scale));
}

QImage MakeDesktopIcon(int size) {
    // Back to straight alpha for saving.
    return Render(size).convertToFormat(QImage::Format_ARGB32);
}

}  // namespace artgen
