#include "Wumple.h"

#include <array>
#include <cmath>
#include <numbers>

namespace artgen {

WumpleHead MakeWumpleHead(const QTransform& t, double spikes) {
    WumpleHead h;
    QPainterPath face;
    face.moveTo(72, 96);                            // back of the neck
    face.cubicTo(74, 84, 86, 76, 84, 56);           // nape
    face.cubicTo(82, 30, 62, 18, 44, 22);           // back of the skull to the crown
    face.cubicTo(32, 25, 27, 33, 27, 40);           // forehead
    face.cubicTo(20, 42, 7, 48, 8, 56);             // a big round nose
    face.cubicTo(9, 63, 20, 64, 27, 61);            // under the nose
    face.cubicTo(24, 66, 23, 72, 27, 76);           // upper lip
    face.cubicTo(30, 84, 40, 86, 48, 82);           // chin
    face.cubicTo(52, 86, 54, 92, 54, 96);           // throat
    face.closeSubpath();
    h.face = t.map(face);

    // Seven spikes fanning from the forehead over the crown to the nape.
    QPainterPath hair;
    const double cx = 57, cy = 50;
    const std::array<double, 8> base = {200, 222, 247, 272, 297, 322, 347, 12};
    const std::array<double, 7> reach = {38, 46, 50, 49, 46, 42, 36};
    auto at = [&](double deg, double r) {
        const double a = deg * std::numbers::pi / 180;
        return QPointF(cx + r * std::cos(a), cy + r * std::sin(a));
    };
    hair.moveTo(at(base[0], 24));
    for (int i = 0; i < 7; ++i) {
        const double tip = (base[i] + base[i + 1]) / 2 + 4;  // tips swept back a little
        hair.lineTo(at(tip, 29 + (reach[i] - 29) * spikes));
        hair.lineTo(at(base[i + 1], 29));
    }
    hair.lineTo(at(20, 22));
    hair.cubicTo(at(350, 14), at(250, 14), at(base[0], 24));
    hair.closeSubpath();
    h.hair = t.map(hair);

    QPainterPath eye;
    eye.addEllipse(QPointF(37, 42), 8.5, 10.5);
    h.eye = t.map(eye);
    QPainterPath pupil;
    pupil.addEllipse(QPointF(33.5, 43), 3.6, 4.6);
    h.pupil = t.map(pupil);

    QPainterPath mouth;
    mouth.moveTo(24, 68);
    mouth.cubicTo(30, 75, 40, 74, 46, 66);
    h.mouth = t.map(mouth);

    QPainterPath ear;
    ear.moveTo(66, 52);
    ear.cubicTo(74, 46, 78, 60, 68, 64);
    h.ear = t.map(ear);

    QPainterPath brow;
    brow.moveTo(28, 28);
    brow.cubicTo(34, 25, 42, 26, 47, 31);
    h.brow = t.map(brow);
    return h;
}

}  // namespace artgen
