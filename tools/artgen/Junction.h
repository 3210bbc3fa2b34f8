// The pipe junction as a small vector picture: a bevelled steel box with a green light and
// flanged stubs. It is the window icon and stands in the corner of the splash picture.
#pragma once

#include <QPainter>
#include <QRectF>

namespace artgen {

enum StubSide : unsigned { kStubRight = 1, kStubUp = 2, kStubLeft = 4, kStubDown = 8 };

// Draws the box filling `box` and, on each side named in `stubs`, a stub `reach` long.
void PaintJunction(QPainter& p, const QRectF& box, unsigned stubs, double reach);

}  // namespace artgen
