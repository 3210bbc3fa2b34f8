// The maker's mascot: a cartoon head in profile, facing left, with spiky hair. The same
// figure is chalked on the stone slabs, sits on the web button and looks out of the splash and
// info pictures, so it is drawn from one set of outlines.
#pragma once

#include <QPainterPath>
#include <QTransform>

namespace artgen {

struct WumpleHead {
    QPainterPath face;   // head with nose and chin, closed
    QPainterPath hair;   // the spikes, closed, overlapping the top and back of the head
    QPainterPath eye;    // the large eye, closed
    QPainterPath pupil;  // closed, looking forward (left)
    QPainterPath mouth;  // open stroke of the smile
    QPainterPath ear;    // open stroke
    QPainterPath brow;   // open stroke above the eye
};

// The head in a 100 x 100 box (nose tip near x 8, hair tips near y 4, neck at y 96), mapped
// through `t`. Small renderings ask for longer spikes (`spikes` above 1), or the hair would
// vanish behind the head.
WumpleHead MakeWumpleHead(const QTransform& t = QTransform(), double spikes = 1.0);

}  // namespace artgen
