// The round opening in the middle of every piece, shared by the piece sheet and the dry
// marker so that a marker that dries up leaves exactly the opening the piece was drawn with.
#pragma once

#include "Colour.h"

namespace artgen {

// The hole is a little larger than the marker disc: every pixel of the disc lies wholly
// inside it, so those pixels never mix with the steel around and are the same in every frame.
inline constexpr double kHoleRadius = 6.6;

// Colour of the hole at dx, dy from its centre (screen coordinates, y down); only meaningful
// for points inside kHoleRadius.
Rgb HoleColour(double dx, double dy);

// The marker disc in a 12 x 12 cell drawn `scale` times as large: the pixels whose centres lie
// within 5.9 design pixels of the middle. At 1x these are the 112 pixels of rows 4, 8, 10, 10,
// 12, 12, 12, 12, 10, 10, 8, 4, each row centred; at 2x the same circle, drawn rounder.
constexpr bool InMarkerDisc(int x, int y, int scale) {
    const double dx = (x + 0.5) / scale - 6.0;
    const double dy = (y + 0.5) / scale - 6.0;
    return dx * dx + dy * dy <= 5.9 * 5.9;
}

}  // namespace artgen
