#include "Lettering.h"

#include <QCryptographicHash>
#include <QFile>
#include <QPainter>
#include <QRawFont>
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "Raster.h"

namespace artgen {

QByteArray FontChecksums() {
    QByteArray sums;
    for (const QString& path : {kSerifBold, kSansBold, kSerifBoldDejaVu}) {
        QFile font(path);
        QCryptographicHash hash(QCryptographicHash::Sha256);
        const bool read = font.open(QIODevice::ReadOnly) && hash.addData(&font);
        const QByteArray sum = read ? hash.result().toHex() : QByteArray("missing");
        sums += sum + "  " + path.toUtf8() + "\n";
    }
    return sums;
}

QPainterPath TextPath(const QString& fontFile, double pixelSize, const QString& text) {
    QRawFont font(fontFile, pixelSize, QFont::PreferNoHinting);
    if (!font.isValid()) {
        std::fprintf(stderr, "artgen: cannot load the font %s (install fonts-liberation and "
                             "fonts-dejavu-core)\n", qPrintable(fontFile));
        std::exit(1);
    }
    const QList<quint32> glyphs = font.glyphIndexesForString(text);
    const QList<QPointF> advances = font.advancesForGlyphIndexes(glyphs);
    QPainterPath path;
    QPointF pen(0, 0);
    for (int i = 0; i < glyphs.size(); ++i) {
        path.addPath(font.pathForGlyph(glyphs[i]).translated(pen));
        pen += advances[i];
    }
    return path;
}

QPainterPath CentredText(const QString& fontFile, double pixelSize, const QString& text,
                         double centreX, double baseline) {
    const QPainterPath path = TextPath(fontFile, pixelSize, text);
    const QRectF ink = path.boundingRect();
    return path.translated(centreX - ink.center().x(), baseline);
}

void PaintGlowingTitle(QImage& image, const QPainterPath& path, double glow) {
    // The glow: the letters thickened in red, blurred, then laid under them twice as strong.
    QImage halo(image.size(), QImage::Format_ARGB32_Premultiplied);
    halo.fill(Qt::transparent);
    {
        QPainter p(&halo);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(QColor(255, 40, 20), glow * 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(QColor(255, 40, 20));
        p.drawPath(path);
    }
    const int radius = std::max(1, static_cast<int>(std::lround(glow)));
    halo = Blur(halo, radius, 3);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.drawImage(0, 0, halo);
    p.drawImage(0, 0, halo);
    p.setPen(QPen(QColor(150, 10, 0), glow * 0.45, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(path);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255));
    p.drawPath(path);
}

}  // namespace artgen
