// The main window's entrance: a dotted rectangle grows in 40 steps from the mouse pointer to
// the window's outer rectangle, then vanishes.
#pragma once

#include <QRect>

namespace slcy {

// The rectangle of step i (1..steps), interpolated linearly from the point to the target.
QRect ExplodingRectangleStep(QPoint from, QRect to, int i, int steps);

// Plays the effect where the window system lets a program draw a short-lived outline window
// over the desktop (X11); elsewhere (offscreen, Wayland) it does nothing. Takes about a
// twentieth of a second.
void PlayExplodingRectangles(QRect target);

}  // namespace slcy
