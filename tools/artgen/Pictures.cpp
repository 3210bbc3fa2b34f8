// The splash picture and the info dialog's picture.
#include <QPainter>

#include "AssetPaths.h"
#include "Junction.h"
#include "Lettering.h"
#include "Noise.h"
#include "Output.h"
#include "Raster.h"
#include "Sheets.h"
#include "Wumple.h"

namespace artgen {
namespace {

const QColor kInk(0x10, 0x08, 0x04);

// The mascot in colour: red-orange head, yellow-orange spikes, one big eye, a smile.
void PaintMascot(QPainter& p, const QTransform& t, double outline) {
    const WumpleHead h = MakeWumpleHead(t, 1.15);
    p.setPen(QPen(kInk, outline, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(QColor(0xFF, 0xA8, 0x14));
    p.drawPath(h.hair);
    QLinearGradient skin(h.face.boundingRect().topLeft(), h.face.boundingRect().bottomRight());
    skin.setColorAt(0, QColor(0xFF, 0x8C, 0x5A));
    skin.setColorAt(1, QColor(0xD8, 0x40, 0x1C));
    p.setBrush(skin);
    p.drawPath(h.face);
    p.setBrush(Qt::white);
    p.drawPath(h.eye);
    p.setBrush(kInk);
    p.drawPath(h.pupil);
    p.setBrush(Qt::NoBrush);
    p.drawPath(h.mouth);
    p.drawPath(h.ear);
    p.drawPath(h.brow);
}

QImage Finish(const QImage& big, int factor) {
    return Shrink(big, factor).convertToFormat(QImage::Format_RGB32);
}

QImage Splash(int scale) {
    constexpr int kFactor = 4;
    QImage big(200 * kFactor * scale, 150 * kFactor * scale, QImage::Format_ARGB32_Premultiplied);
    big.fill(QColor(0xC8, 0xC8, 0xC8));
    {
        QPainter p(&big);
        p.setRenderHint(QPainter::Antialiasing);
        p.scale(kFactor * scale, kFactor * scale);
        p.setPen(QPen(QColor(0x40, 0x40, 0x40), 1.0));
        p.drawRect(QRectF(0.5, 0.5, 199, 149));
        // Three junctions joined by short pipes: two side by side, one below the left one.
        const QRectF a(10, 10, 24, 24), b(50, 10, 24, 24), c(10, 50, 24, 24);
        PaintJunction(p, a, 0, 0);
        PaintJunction(p, b, kStubLeft | kStubRight, 8.5);
        PaintJunction(p, c, kStubUp | kStubDown, 8.5);
        PaintJunction(p, a, kStubRight | kStubDown, 8.5);
        // The blue panel with the mascot and a question mark above his head.
        const QRectF panel(108.5, 8.5, 84, 86);
        p.setPen(QPen(Qt::black, 1.0));
        QLinearGradient blue(panel.topLeft(), panel.bottomRight());
        blue.setColorAt(0, QColor(0x3C, 0x6C, 0xF0));
        blue.setColorAt(1, QColor(0x14, 0x30, 0xA8));
        p.setBrush(blue);
        p.drawRect(panel);
        p.save();
        p.setClipRect(panel.adjusted(0.5, 0.5, -0.5, -0.5));
        PaintMascot(p, QTransform().translate(116, 34).scale(0.66, 0.66), 1.0);
        p.restore();
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::black);
        p.drawPath(CentredText(kSansBold, 25, "?", 152, 33));
    }
    QImage splash = Finish(big, kFactor);
    // The title in large white letters with a red glow, the numeral below it, lettered from the
    // font at the size it is shown.
    QPainterPath title =
        TextPath(kSerifBold, 33 * scale, "Sluicery").translated(8 * scale, 124 * scale);
    title.addPath(CentredText(kSerifBold, 24 * scale, "II",
                              8 * scale + title.boundingRect().width() / 2, 146 * scale));
    QImage layer(splash.size(), QImage::Format_ARGB32_Premultiplied);
    layer.fill(Qt::transparent);
    PaintGlowingTitle(layer, title, 2.0 * scale);
    Composite(splash, layer);
    return splash.convertToFormat(QImage::Format_RGB32);
}

QImage InfoPicture(int scale) {
    constexpr int kFactor = 4;
    QImage big(100 * kFactor * scale, 75 * kFactor * scale, QImage::Format_ARGB32_Premultiplied);
    {
        QPainter p(&big);
        p.setRenderHint(QPainter::Antialiasing);
        p.scale(kFactor * scale, kFactor * scale);
        QLinearGradient sky(0, 0, 0, 75);
        sky.setColorAt(0, QColor(0xF4, 0xF6, 0xFA));
        sky.setColorAt(1, QColor(0xC4, 0xCC, 0xD8));
        p.fillRect(QRectF(0, 0, 100, 75), sky);
        // A dark grid, like a board seen from above, and a little yellow cube over it.
        p.setPen(QPen(QColor(0x1C, 0x20, 0x2A), 1.1));
        for (int i = 0; i <= 5; ++i) {
            p.drawLine(QPointF(4 + 6 * i, 38), QPointF(4 + 6 * i, 68));
            p.drawLine(QPointF(4, 38 + 6 * i), QPointF(34, 38 + 6 * i));
        }
        const QPointF top(16, 12);
        const double e = 7;
        QPainterPath lid, left, right;
        lid.moveTo(top);
        lid.lineTo(top + QPointF(e, e * 0.5));
        lid.lineTo(top + QPointF(0, e));
        lid.lineTo(top + QPointF(-e, e * 0.5));
        lid.closeSubpath();
        left.moveTo(top + QPointF(-e, e * 0.5));
        left.lineTo(top + QPointF(0, e));
        left.lineTo(top + QPointF(0, 2 * e));
        left.lineTo(top + QPointF(-e, 1.5 * e));
        left.closeSubpath();
        right.moveTo(top + QPointF(e, e * 0.5));
        right.lineTo(top + QPointF(0, e));
        right.lineTo(top + QPointF(0, 2 * e));
        right.lineTo(top + QPointF(e, 1.5 * e));
        right.closeSubpath();
        p.setPen(QPen(QColor(0x50, 0x40, 0x00), 0.6));
        p.setBrush(QColor(0xFF, 0xF4, 0x60));
        p.drawPath(lid);
        p.setBrush(QColor(0xE8, 0xC8, 0x10));
        p.drawPath(left);
        p.setBrush(QColor(0xB0, 0x90, 0x00));
        p.drawPath(right);
        PaintMascot(p, QTransform().translate(40, 19).scale(0.58, 0.58), 0.9);
        p.setPen(QPen(QColor(0x08, 0x50, 0x10), 0.8));
        p.setBrush(QColor(0x30, 0xD0, 0x38));
        p.drawPath(CentredText(kSansBold, 20, "?", 70, 18));
    }
    return Finish(big, kFactor);
}

}  // namespace

void WritePictures(const QString& out, int scale) {
    using namespace slcy::assets;
    auto file = [&](const char* resource) {
        return out + "/" + QString::fromStdString(FileOf(AtScale(resource, scale)));
    };
    SaveRgb(Splash(scale), file(kSplashPicture));
    SaveIndexed(Quantise(InfoPicture(scale), 256), file(kInfoPicture));
}

}  // namespace artgen
