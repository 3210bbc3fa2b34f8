// A little 3-D arithmetic for lighting: everything is lit from the upper left and the front,
// as Windows-era art always was, whatever way a piece is turned.
#pragma once

#include <cmath>

#include "Colour.h"

namespace artgen {

struct Vec3 {
    double x = 0, y = 0, z = 0;
};

inline Vec3 Normalised(Vec3 v) {
    const double n = std::sqrt(v.x * v.x + v.y * v.y + v.z * v.z);
    return {v.x / n, v.y / n, v.z / n};
}
inline double Dot(Vec3 a, Vec3 b) { return a.x * b.x + a.y * b.y + a.z * b.z; }

// Screen coordinates: x right, y down, z towards the viewer.
inline const Vec3 kLight = Normalised({-1.0, -1.0, 1.6});

// Brightness factor for a surface with normal n: 1 for a face looking straight at the viewer,
// above 1 towards the light, below towards the shade.
inline double Lambert(Vec3 n, double ambient = 0.35) {
    const double flat = ambient + (1 - ambient) * kLight.z;
    return (ambient + (1 - ambient) * std::max(0.0, Dot(n, kLight))) / flat;
}

// Highlight for a shiny surface seen from the front.
inline double Specular(Vec3 n, double power) {
    const Vec3 h = Normalised({kLight.x, kLight.y, kLight.z + 1.0});
    return std::pow(std::max(0.0, Dot(n, h)), power);
}

}  // namespace artgen
