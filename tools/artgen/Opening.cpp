#include "Opening.h"

#include <cmath>

namespace artgen {

Rgb HoleColour(double dx, double dy) {
    const Rgb dark = Hex(0x282421);
    const Rgb wall = Hex(0x8E8A84);
    const double r = std::hypot(dx, dy);
    // The lit inner wall is what of the hole's rim a circle shifted towards the light leaves
    // uncovered: a crescent, widest at the lower right, opposite the light.
    const double shifted = std::hypot(dx + 1.7, dy + 1.7);
    const double crescent = SmoothStep(kHoleRadius - 0.9, kHoleRadius + 0.2, shifted);
    // The floor of the hole is a touch lighter in the middle, so it reads as depth, not paint.
    const Rgb floor = Mix(dark, Hex(0x1A1715), SmoothStep(0, kHoleRadius, r) * 0.8);
    return Mix(floor, wall, crescent * SmoothStep(-0.2, 1.0, (dx + dy) / 2.0 + 1.2) * 0.85);
}

}  // namespace artgen
