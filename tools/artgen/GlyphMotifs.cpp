#include "GlyphMotifs.h"

#include <QPainterPath>
#include <QPainterPathStroker>
#include <QRadialGradient>
#include <cmath>
#include <numbers>

#include "Lettering.h"
#include "Wumple.h"

namespace artgen {
namespace {

void Outlined(QPainter& p, const QPainterPath& path, const QBrush& fill, QColor line,
              double width = 0.8) {
    p.setPen(QPen(line, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(fill);
    p.drawPath(path);
}

// A thick stroke along `spine` turned into an outline, so that it can be filled and edged.
QPainterPath Thick(const QPainterPath& spine, double width, Qt::PenCapStyle cap = Qt::FlatCap) {
    QPainterPathStroker s;
    s.setWidth(width);
    s.setCapStyle(cap);
    s.setJoinStyle(Qt::RoundJoin);
    return s.createStroke(spine).simplified();
}

// Light falls from the upper left onto everything: a linear gradient that way.
QLinearGradient Lit(QPointF from, QPointF to, QColor light, QColor dark) {
    QLinearGradient g(from, to);
    g.setColorAt(0, light);
    g.setColorAt(1, dark);
    return g;
}

QRadialGradient Ball(QPointF centre, double radius, QColor light, QColor mid, QColor dark) {
    QRadialGradient g(centre, radius, centre - QPointF(radius * 0.35, radius * 0.4));
    g.setColorAt(0, light);
    g.setColorAt(0.45, mid);
    g.setColorAt(1, dark);
    return g;
}

QPainterPath Polygon(std::initializer_list<QPointF> points) {
    QPainterPath path;
    bool first = true;
    for (QPointF pt : points) {
        if (first) path.moveTo(pt);
        else path.lineTo(pt);
        first = false;
    }
    path.closeSubpath();
    return path;
}

// An arrow head with its tip at `tip`, pointing along `angle` (degrees, 0 right, 90 down).
QPainterPath Head(QPointF tip, double angle, double length, double halfWidth) {
    const double a = angle * std::numbers::pi / 180;
    const QPointF along(std::cos(a), std::sin(a));
    const QPointF across(-along.y(), along.x());
    const QPointF base = tip - along * length;
    return Polygon({tip, base + across * halfWidth, base - across * halfWidth});
}

void PaintGreenArrow(QPainter& p, const QPainterPath& shaft, const QPainterPath& head) {
    const QPainterPath arrow = Thick(shaft, 2.8).united(head).simplified();
    Outlined(p, arrow, Lit({2, 2}, {16, 16}, QColor(0x6C, 0xE8, 0x5A), QColor(0x12, 0x8A, 0x1A)),
             QColor(0x0A, 0x44, 0x0A));
}

void PaintRedArrow(QPainter& p, QPointF from, QPointF tip) {
    const double angle = std::atan2(tip.y() - from.y(), tip.x() - from.x()) * 180 / std::numbers::pi;
    const double a = angle * std::numbers::pi / 180;
    const QPointF back = tip - QPointF(std::cos(a), std::sin(a)) * 4.0;
    QPainterPath shaft;
    shaft.moveTo(from);
    shaft.lineTo(back);
    const QPainterPath arrow = Thick(shaft, 2.2).united(Head(tip, angle, 5.0, 3.4)).simplified();
    Outlined(p, arrow, QColor(0xE8, 0x22, 0x1E), QColor(0x70, 0x08, 0x06), 0.7);
}

}  // namespace

void PaintBomb(QPainter& p) {
    // The fuse first, so the ball covers its root.
    QPainterPath fuse;
    fuse.moveTo(11.6, 6.4);
    fuse.cubicTo(12.6, 4.2, 13.4, 5.2, 14.4, 3.4);
    p.setPen(QPen(QColor(0x9A, 0x74, 0x44), 1.2, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawPath(fuse);
    // The neck of the bomb, a short collar turned towards the fuse.
    p.save();
    p.translate(11.0, 7.3);
    p.rotate(-45);
    Outlined(p, Polygon({{-1.6, -1.3}, {1.6, -1.3}, {1.6, 1.3}, {-1.6, 1.3}}),
             QColor(0x5A, 0x5A, 0x62), QColor(0x10, 0x10, 0x12), 0.6);
    p.restore();
    QPainterPath ball;
    ball.addEllipse(QPointF(7.8, 11.0), 5.9, 5.9);
    Outlined(p, ball, Ball({7.8, 11.0}, 5.9, QColor(0x9A, 0x9A, 0xA6), QColor(0x2C, 0x2C, 0x32),
                           QColor(0x06, 0x06, 0x08)), QColor(0, 0, 0), 0.6);
    // Sparks: red and yellow rays round a white-hot core.
    const QPointF fire(14.6, 3.2);
    for (int i = 0; i < 8; ++i) {
        const double a = (i * 45 + 10) * std::numbers::pi / 180;
        const double len = i % 2 ? 2.4 : 3.1;
        p.setPen(QPen(i % 2 ? QColor(0xF0, 0x20, 0x10) : QColor(0xFF, 0xE0, 0x20), 0.9,
                      Qt::SolidLine, Qt::RoundCap));
        p.drawLine(fire + QPointF(std::cos(a), std::sin(a)) * 0.8,
                   fire + QPointF(std::cos(a), std::sin(a)) * len);
    }
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xFF, 0xF8, 0xC0));
    p.drawEllipse(fire, 0.9, 0.9);
}

void PaintUTurnArrow(QPainter& p) {
    // Out to the right along the bottom, round the bend and back along the top to the left.
    QPainterPath shaft;
    shaft.moveTo(3.5, 13.6);
    shaft.lineTo(10.5, 13.6);
    shaft.arcTo(QRectF(6.3, 5.4, 8.2, 8.2), 270, 180);
    shaft.lineTo(6.0, 5.4);
    PaintGreenArrow(p, shaft, Head({0.9, 5.4}, 180, 5.4, 4.2));
}

void PaintBendingArrow(QPainter& p) {
    // Three quarters of a circle, ending in a head that points back the way it came.
    QPainterPath shaft;
    shaft.arcMoveTo(QRectF(3.2, 3.6, 11.2, 11.2), -40);
    shaft.arcTo(QRectF(3.2, 3.6, 11.2, 11.2), -40, 235);
    PaintGreenArrow(p, shaft, Head({4.5, 15.2}, 75, 5.2, 4.0));
}

void PaintFloppy(QPainter& p, bool arrowOut) {
    const QPainterPath body = Polygon({{1.5, 1.5}, {13.6, 1.5}, {15.5, 3.4}, {15.5, 15.5}, {1.5, 15.5}});
    Outlined(p, body, Lit({1, 1}, {16, 16}, QColor(0xB8, 0xB8, 0xC0), QColor(0x6A, 0x6A, 0x74)),
             QColor(0x24, 0x24, 0x2A));
    // The metal shutter with its window, and the paper label.
    Outlined(p, Polygon({{4.5, 1.5}, {12.5, 1.5}, {12.5, 6.3}, {4.5, 6.3}}), QColor(0xDC, 0xDE, 0xE4),
             QColor(0x3C, 0x3C, 0x44), 0.6);
    p.fillRect(QRectF(9.6, 2.4, 1.8, 3.0), QColor(0x30, 0x30, 0x38));
    Outlined(p, Polygon({{3.5, 9.0}, {13.5, 9.0}, {13.5, 15.5}, {3.5, 15.5}}), QColor(0xF6, 0xF6, 0xF2),
             QColor(0x50, 0x50, 0x58), 0.6);
    p.setPen(QPen(QColor(0x7A, 0x8A, 0xC8), 0.6));
    p.drawLine(QPointF(5, 11.2), QPointF(12, 11.2));
    p.drawLine(QPointF(5, 13.2), QPointF(12, 13.2));
    if (arrowOut) {
        PaintRedArrow(p, {9.0, 9.0}, {17.4, 17.4});
    } else {
        PaintRedArrow(p, {17.0, 17.0}, {7.6, 7.6});
    }
}

void PaintCup(QPainter& p) {
    // Steam first, rising in two lazy waves.
    p.setPen(QPen(QColor(0x90, 0x94, 0xA0), 1.0, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    for (double x : {6.0, 9.6}) {
        QPainterPath steam;
        steam.moveTo(x, 6.0);
        steam.cubicTo(x - 1.6, 4.6, x + 1.6, 3.0, x, 1.0);
        p.drawPath(steam);
    }
    QPainterPath saucer;
    saucer.addEllipse(QRectF(1.0, 14.4, 15.6, 2.8));
    Outlined(p, saucer, QColor(0x9C, 0xB4, 0xE4), QColor(0x12, 0x22, 0x60), 0.6);
    QPainterPath handle;
    handle.addEllipse(QPointF(13.2, 10.4), 2.5, 2.2);
    p.setPen(QPen(QColor(0x12, 0x22, 0x60), 2.0));
    p.drawPath(handle);
    p.setPen(QPen(QColor(0x30, 0x5C, 0xD8), 1.0));
    p.drawPath(handle);
    QPainterPath cup;
    cup.moveTo(2.6, 7.4);
    cup.lineTo(13.4, 7.4);
    cup.cubicTo(13.2, 12.0, 12.0, 15.2, 8.0, 15.2);
    cup.cubicTo(4.0, 15.2, 2.8, 12.0, 2.6, 7.4);
    cup.closeSubpath();
    Outlined(p, cup, Lit({3, 7}, {13, 15}, QColor(0x6C, 0x98, 0xFF), QColor(0x14, 0x30, 0xA8)),
             QColor(0x0C, 0x18, 0x50));
    QPainterPath coffee;
    coffee.addEllipse(QRectF(3.2, 6.7, 9.6, 1.6));
    Outlined(p, coffee, QColor(0x5A, 0x32, 0x16), QColor(0x0C, 0x18, 0x50), 0.5);
}

void PaintLoudspeaker(QPainter& p) {
    const QPainterPath speaker = Polygon({{1.2, 5.4}, {4.6, 5.4}, {8.6, 1.6}, {8.6, 14.4}, {4.6, 10.6}, {1.2, 10.6}});
    Outlined(p, speaker, Lit({1, 2}, {9, 14}, QColor(0xD0, 0xD0, 0xD6), QColor(0x70, 0x70, 0x7A)),
             QColor(0x22, 0x22, 0x28), 0.7);
    p.setPen(QPen(QColor(0x40, 0x40, 0x48), 0.6));
    p.drawLine(QPointF(4.6, 5.6), QPointF(4.6, 10.4));
    // Two waves three pixels apart: any closer and they blur into a grid at this size.
    p.setPen(QPen(QColor(0xE0, 0x18, 0x18), 1.4, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    for (double r : {3.2, 5.9}) {
        p.drawArc(QRectF(9.4 - r, 8.0 - r, 2 * r, 2 * r), -45 * 16, 90 * 16);
    }
}

void PaintDoor(QPainter& p, QColor door) {
    // The frame, then the door in it with its panels, window, hinges and knob.
    Outlined(p, Polygon({{3.0, 0.8}, {15.0, 0.8}, {15.0, 17.2}, {3.0, 17.2}}), QColor(0x5A, 0x4A, 0x3A),
             QColor(0x20, 0x18, 0x10), 0.6);
    Outlined(p, Polygon({{4.4, 2.0}, {13.6, 2.0}, {13.6, 17.2}, {4.4, 17.2}}),
             Lit({4, 2}, {14, 17}, door.lighter(160), door), QColor(0x06, 0x08, 0x24), 0.6);
    Outlined(p, Polygon({{6.2, 3.6}, {11.8, 3.6}, {11.8, 8.0}, {6.2, 8.0}}),
             Lit({6, 3}, {12, 8}, QColor(0xE0, 0xF0, 0xFF), QColor(0x70, 0xA8, 0xE8)),
             QColor(0x06, 0x08, 0x24), 0.6);
    p.setPen(QPen(QColor(0x06, 0x08, 0x24), 0.6));
    p.drawLine(QPointF(9.0, 3.6), QPointF(9.0, 8.0));
    p.drawLine(QPointF(6.2, 5.8), QPointF(11.8, 5.8));
    p.drawRect(QRectF(6.2, 10.0, 5.6, 5.6));
    for (double y : {3.6, 12.8}) {
        Outlined(p, Polygon({{3.4, y}, {5.4, y}, {5.4, y + 2.0}, {3.4, y + 2.0}}), QColor(0xFF, 0xD8, 0x20),
                 QColor(0x60, 0x48, 0x00), 0.4);
    }
    p.setPen(QPen(QColor(0x60, 0x48, 0x00), 0.4));
    p.setBrush(QColor(0xFF, 0xD8, 0x20));
    p.drawEllipse(QPointF(12.4, 10.4), 0.9, 0.9);
}

void PaintLips(QPainter& p) {
    QPainterPath upper;
    upper.moveTo(0.8, 7.6);
    upper.cubicTo(2.5, 5.6, 3.8, 3.2, 5.6, 3.4);
    upper.cubicTo(6.6, 3.5, 7.0, 4.4, 7.5, 4.6);
    upper.cubicTo(8.0, 4.4, 8.4, 3.5, 9.4, 3.4);
    upper.cubicTo(11.2, 3.2, 12.5, 5.6, 14.2, 7.6);
    upper.cubicTo(11.0, 7.2, 9.0, 8.0, 7.5, 7.7);
    upper.cubicTo(6.0, 8.0, 4.0, 7.2, 0.8, 7.6);
    upper.closeSubpath();
    QPainterPath lower;
    lower.moveTo(0.8, 7.6);
    lower.cubicTo(4.0, 8.2, 6.0, 8.4, 7.5, 8.2);
    lower.cubicTo(9.0, 8.4, 11.0, 8.2, 14.2, 7.6);
    lower.cubicTo(12.6, 10.6, 10.4, 12.3, 7.5, 12.3);
    lower.cubicTo(4.6, 12.3, 2.4, 10.6, 0.8, 7.6);
    lower.closeSubpath();
    const QColor edge(0x5C, 0x04, 0x0C);
    Outlined(p, lower, Lit({4, 8}, {9, 12.5}, QColor(0xFF, 0x70, 0x78), QColor(0xB0, 0x08, 0x18)), edge, 0.6);
    Outlined(p, upper, Lit({4, 3}, {9, 8}, QColor(0xF0, 0x30, 0x40), QColor(0xA8, 0x06, 0x14)), edge, 0.6);
}

void PaintLetterBall(QPainter& p, QColor ball, const QString& letter, const QString& font,
                     double size) {
    QPainterPath disc;
    disc.addEllipse(QPointF(9.0, 9.0), 8.0, 8.0);
    Outlined(p, disc, Ball({9.0, 9.0}, 8.0, ball.lighter(190), ball, ball.darker(220)),
             ball.darker(400), 0.6);
    const QPainterPath text = TextPath(font, size, letter);
    const QRectF ink = text.boundingRect();
    const QPainterPath placed = text.translated(9.0 - ink.center().x(), 9.0 - ink.center().y());
    p.setPen(QPen(ball.darker(300), 0.8));
    p.setBrush(Qt::white);
    p.drawPath(placed);
    p.setPen(Qt::NoPen);
    p.drawPath(placed);
}

void PaintWumpleBadge(QPainter& p, int scale) {
    QPainterPath badge;
    badge.addRoundedRect(QRectF(0.5, 0.5, 25.0, 19.0), 3.2, 3.2);
    Outlined(p, badge, Lit({0, 0}, {26, 20}, QColor(0x58, 0x8A, 0xFF), QColor(0x14, 0x2C, 0xA0)),
             QColor(0x08, 0x10, 0x40), 0.7);
    p.save();
    p.setClipPath(badge);
    // At 1x the spikes are drawn longer than the mascot wears them, or they would vanish.
    const WumpleHead h = MakeWumpleHead(QTransform().translate(2.6, -0.6).scale(0.23, 0.23),
                                        scale > 1 ? 1.25 : 1.45);
    const QColor ink(0x10, 0x08, 0x04);
    Outlined(p, h.hair, QColor(0xFF, 0xB4, 0x18), ink, 0.5);
    Outlined(p, h.face, QColor(0xF4, 0x7C, 0x56), ink, 0.5);
    Outlined(p, h.eye, Qt::white, ink, 0.4);
    p.setPen(Qt::NoPen);
    p.setBrush(ink);
    p.drawPath(h.pupil);
    p.setPen(QPen(ink, 0.5, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawPath(h.mouth);
    if (scale > 1) {
        // The ear and the brow, which need finer lines than a 1x pixel.
        p.setPen(QPen(ink, 0.35, Qt::SolidLine, Qt::RoundCap));
        p.drawPath(h.ear);
        p.drawPath(h.brow);
    }
    p.restore();
}

void PaintTriangle(QPainter& p, bool up) {
    const QPainterPath tri = up ? Polygon({{6.5, 1.6}, {12.0, 11.0}, {1.0, 11.0}})
                                : Polygon({{6.5, 11.4}, {12.0, 2.0}, {1.0, 2.0}});
    Outlined(p, tri, Lit({2, 2}, {11, 11}, QColor(0x70, 0xF0, 0x60), QColor(0x10, 0x88, 0x18)),
             QColor(0x06, 0x40, 0x08), 0.7);
}

void PaintFace(QPainter& p, QColor face, bool smiling) {
    QPainterPath disc;
    disc.addEllipse(QPointF(8.5, 8.5), 7.6, 7.6);
    Outlined(p, disc, Ball({8.5, 8.5}, 7.6, face.lighter(140), face, face.darker(150)),
             QColor(0, 0, 0), 0.7);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::black);
    p.drawEllipse(QPointF(6.0, 6.6), 0.95, 1.45);
    p.drawEllipse(QPointF(11.0, 6.6), 0.95, 1.45);
    QPainterPath mouth;
    if (smiling) {
        mouth.moveTo(4.6, 10.0);
        mouth.cubicTo(6.0, 13.4, 11.0, 13.4, 12.4, 10.0);
    } else {
        mouth.moveTo(4.8, 13.2);
        mouth.cubicTo(6.2, 10.2, 10.8, 10.2, 12.2, 13.2);
    }
    p.setPen(QPen(Qt::black, 1.1, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawPath(mouth);
}

void PaintRedCross(QPainter& p) {
    QPainterPath strokes;
    strokes.moveTo(3.4, 3.4);
    strokes.lineTo(14.6, 14.6);
    strokes.moveTo(14.6, 3.4);
    strokes.lineTo(3.4, 14.6);
    Outlined(p, Thick(strokes, 3.4, Qt::RoundCap), Lit({3, 3}, {15, 15}, QColor(0xFF, 0x60, 0x50),
                                                         QColor(0xB8, 0x08, 0x08)),
             QColor(0x58, 0x02, 0x02), 0.7);
}

void PaintCancelX(QPainter& p) {
    // The thin red X every cancel button has always worn.
    p.setPen(QPen(QColor(0xFF, 0x00, 0x00), 2.0, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(QPointF(4.0, 4.0), QPointF(14.0, 14.0));
    p.drawLine(QPointF(14.0, 4.0), QPointF(4.0, 14.0));
    p.setPen(QPen(QColor(0x80, 0x00, 0x00), 0.8, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(QPointF(4.6, 5.6), QPointF(12.4, 13.4));
}

void PaintCheckMark(QPainter& p) {
    QPainterPath tick;
    tick.moveTo(2.6, 9.4);
    tick.lineTo(6.8, 13.8);
    tick.lineTo(15.4, 3.4);
    Outlined(p, Thick(tick, 3.2, Qt::RoundCap), Lit({3, 3}, {15, 15}, QColor(0x60, 0xE8, 0x50),
                                                      QColor(0x0C, 0x80, 0x14)),
             QColor(0x04, 0x40, 0x08), 0.7);
}

namespace {

void FlagFrame(QPainter& p, QRectF outer) {
    p.setPen(QPen(QColor(0x40, 0x40, 0x40), 1.0));
    p.setBrush(Qt::NoBrush);
    p.drawRect(outer.adjusted(0.5, 0.5, -0.5, -0.5));
}

void Bands(QPainter& p, QRectF inner, std::initializer_list<QColor> colours) {
    const double h = inner.height() / static_cast<double>(colours.size());
    int i = 0;
    for (QColor c : colours) {
        p.fillRect(QRectF(inner.x(), inner.y() + i * h, inner.width(), h), c);
        ++i;
    }
}

}  // namespace

void PaintFlagsEnglish(QPainter& p, int scale) {
    // The United States: thirteen one-pixel stripes and a canton with a pattern of stars.
    const QRectF us(0, 2, 26, 15);
    for (int s = 0; s < 13; ++s) {
        p.fillRect(QRectF(1, 3 + s, 24, 1), s % 2 ? QColor(0xFF, 0xFF, 0xFF) : QColor(0xB2, 0x22, 0x34));
    }
    p.fillRect(QRectF(1, 3, 10, 7), QColor(0x3C, 0x3B, 0x6E));
    if (scale > 1) {
        // Stars half a pixel across, staggered the way the flag has them.
        for (int y = 0; y < 7; ++y) {
            for (int x = 0; x < 10; ++x) {
                if ((x + y) % 2 == 0) p.fillRect(QRectF(1.5 + x, 3.5 + y, 0.5, 0.5), Qt::white);
            }
        }
    } else {
        for (int y = 1; y < 7; y += 2) {
            for (int x = 1; x < 10; x += 2) p.fillRect(QRectF(1 + x, 3 + y, 1, 1), Qt::white);
        }
    }
    FlagFrame(p, us);
    // The United Kingdom: saltires under the cross, clipped to the flag.
    const QRectF uk(28, 2, 25, 15);
    const QRectF in = uk.adjusted(1, 1, -1, -1);
    p.save();
    p.setClipRect(in);
    p.fillRect(in, QColor(0x01, 0x21, 0x69));
    p.setPen(QPen(Qt::white, 2.8));
    p.drawLine(in.topLeft(), in.bottomRight());
    p.drawLine(in.topRight(), in.bottomLeft());
    p.setPen(QPen(QColor(0xC8, 0x10, 0x2E), 1.0));
    p.drawLine(in.topLeft(), in.bottomRight());
    p.drawLine(in.topRight(), in.bottomLeft());
    const QPointF c = in.center();
    p.fillRect(QRectF(in.x(), c.y() - 2.5, in.width(), 5), Qt::white);
    p.fillRect(QRectF(c.x() - 2.5, in.y(), 5, in.height()), Qt::white);
    p.fillRect(QRectF(in.x(), c.y() - 1.5, in.width(), 3), QColor(0xC8, 0x10, 0x2E));
    p.fillRect(QRectF(c.x() - 1.5, in.y(), 3, in.height()), QColor(0xC8, 0x10, 0x2E));
    p.restore();
    FlagFrame(p, uk);
}

void PaintFlagsGerman(QPainter& p) {
    const QColor red(0xED, 0x29, 0x39);
    const QRectF austria(2, 1, 27, 17);
    Bands(p, austria.adjusted(1, 1, -1, -1), {red, Qt::white, red});
    FlagFrame(p, austria);
    const QRectF germany(31, 1, 27, 17);
    Bands(p, germany.adjusted(1, 1, -1, -1), {QColor(0x10, 0x10, 0x10), QColor(0xDD, 0x00, 0x00),
                                              QColor(0xFF, 0xCE, 0x00)});
    FlagFrame(p, germany);
    const QRectF swiss(60, 1, 17, 17);
    p.fillRect(swiss.adjusted(1, 1, -1, -1), QColor(0xDA, 0x29, 0x1C));
    p.fillRect(QRectF(67, 5, 3, 9), Qt::white);
    p.fillRect(QRectF(64, 8, 9, 3), Qt::white);
    FlagFrame(p, swiss);
}

}  // namespace artgen
