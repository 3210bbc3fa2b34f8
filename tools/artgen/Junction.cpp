#include "Junction.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>

namespace artgen {
namespace {

// One stub: a grey pipe with a flange at its far end, lit across its width.
void PaintStub(QPainter& p, const QRectF& box, unsigned side, double reach) {
    const double s = box.width();
    const double w = s * 0.36;
    const double flangeW = s * 0.50;
    const double flangeL = std::max(s * 0.12, 1.5);
    const QPointF c = box.center();
    QRectF pipe, flange;
    bool vertical = false;
    switch (side) {
        case kStubRight:
            pipe = QRectF(box.right() - 1, c.y() - w / 2, reach + 1, w);
            flange = QRectF(box.right() + reach - flangeL, c.y() - flangeW / 2, flangeL, flangeW);
            break;
        case kStubLeft:
            pipe = QRectF(box.left() - reach, c.y() - w / 2, reach + 1, w);
            flange = QRectF(box.left() - reach, c.y() - flangeW / 2, flangeL, flangeW);
            break;
        case kStubUp:
            vertical = true;
            pipe = QRectF(c.x() - w / 2, box.top() - reach, w, reach + 1);
            flange = QRectF(c.x() - flangeW / 2, box.top() - reach, flangeW, flangeL);
            break;
        default:
            vertical = true;
            pipe = QRectF(c.x() - w / 2, box.bottom() - 1, w, reach + 1);
            flange = QRectF(c.x() - flangeW / 2, box.bottom() + reach - flangeL, flangeW, flangeL);
            break;
    }
    const QColor edge(0x22, 0x24, 0x28);
    for (const QRectF& r : {pipe, flange}) {
        QLinearGradient g = vertical ? QLinearGradient(r.left(), 0, r.right(), 0)
                                     : QLinearGradient(0, r.top(), 0, r.bottom());
        const bool isFlange = (r == flange);
        g.setColorAt(0, isFlange ? QColor(0xC8, 0xCC, 0xD2) : QColor(0xE4, 0xE8, 0xEC));
        g.setColorAt(0.35, isFlange ? QColor(0x90, 0x94, 0x9C) : QColor(0xA8, 0xAC, 0xB4));
        g.setColorAt(1, isFlange ? QColor(0x40, 0x44, 0x4A) : QColor(0x56, 0x5A, 0x62));
        p.setPen(QPen(edge, std::max(0.6, s / 40)));
        p.setBrush(g);
        p.drawRect(r);
    }
}

}  // namespace

void PaintJunction(QPainter& p, const QRectF& box, unsigned stubs, double reach) {
    for (unsigned side : {kStubRight, kStubUp, kStubLeft, kStubDown}) {
        if (stubs & side) PaintStub(p, box, side, reach);
    }
    const double s = box.width();
    const double bevel = s * 0.14;
    const QColor edge(0x1C, 0x1E, 0x22);
    // The box: a light upper-left chamfer, a dark lower-right one, a flat face between.
    const QRectF face = box.adjusted(bevel, bevel, -bevel, -bevel);
    QPainterPath outer;
    outer.addRect(box);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x4E, 0x52, 0x5A));
    p.drawPath(outer);
    QPainterPath lit;
    lit.moveTo(box.topLeft());
    lit.lineTo(box.topRight());
    lit.lineTo(face.topRight());
    lit.lineTo(face.topLeft());
    lit.lineTo(face.bottomLeft());
    lit.lineTo(box.bottomLeft());
    lit.closeSubpath();
    p.setBrush(QColor(0xDC, 0xE0, 0xE6));
    p.drawPath(lit);
    QLinearGradient g(face.topLeft(), face.bottomRight());
    g.setColorAt(0, QColor(0xB8, 0xBE, 0xC6));
    g.setColorAt(1, QColor(0x80, 0x86, 0x90));
    p.setBrush(g);
    p.drawRect(face);
    p.setPen(QPen(edge, std::max(0.7, s / 36)));
    p.setBrush(Qt::NoBrush);
    p.drawRect(box);
    // The light: a dark rim, then water lit from the upper left.
    const QPointF c = box.center();
    const double r = s * 0.25;
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x20, 0x22, 0x20));
    p.drawEllipse(c, r * 1.2, r * 1.2);
    QRadialGradient water(c, r, c - QPointF(r * 0.35, r * 0.4));
    water.setColorAt(0, QColor(0xE0, 0xFF, 0xD0));
    water.setColorAt(0.4, QColor(0x40, 0xF0, 0x3A));
    water.setColorAt(1, QColor(0x10, 0x90, 0x18));
    p.setBrush(water);
    p.drawEllipse(c, r, r);
}

}  // namespace artgen
