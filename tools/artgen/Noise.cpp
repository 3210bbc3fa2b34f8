#include "Noise.h"

#include <cmath>

#include "random.h"

namespace artgen {

namespace {
double Fade(double t) { return t * t * t * (t * (t * 6 - 15) + 10); }
}  // namespace

double ValueNoise::Lattice(std::int64_t x, std::int64_t y) const {
    return slcy::tools::UnitFromBits(slcy::tools::HashCell(seed_, x, y));
}

double ValueNoise::At(double x, double y) const {
    const double fx = std::floor(x);
    const double fy = std::floor(y);
    const auto ix = static_cast<std::int64_t>(fx);
    const auto iy = static_cast<std::int64_t>(fy);
    const double tx = Fade(x - fx);
    const double ty = Fade(y - fy);
    const double a = Lattice(ix, iy);
    const double b = Lattice(ix + 1, iy);
    const double c = Lattice(ix, iy + 1);
    const double d = Lattice(ix + 1, iy + 1);
    const double top = a + (b - a) * tx;
    const double bottom = c + (d - c) * tx;
    return top + (bottom - top) * ty;
}

double ValueNoise::Fbm(double x, double y, int octaves, double gain) const {
    double sum = 0;
    double weight = 1;
    double total = 0;
    for (int i = 0; i < octaves; ++i) {
        // Each octave is shifted so that lattice points of different octaves never coincide.
        sum += weight * At(x + 17.31 * i, y - 9.77 * i);
        total += weight;
        weight *= gain;
        x *= 2;
        y *= 2;
    }
    return sum / total;
}

double ValueNoise::Ridged(double x, double y, int octaves) const {
    double sum = 0;
    double weight = 1;
    double total = 0;
    for (int i = 0; i < octaves; ++i) {
        sum += weight * (1.0 - std::fabs(2.0 * At(x + 5.13 * i, y + 3.71 * i) - 1.0));
        total += weight;
        weight *= 0.5;
        x *= 2;
        y *= 2;
    }
    return sum / total;
}

double PixelNoise(std::uint64_t seed, int x, int y) {
    return slcy::tools::UnitFromBits(slcy::tools::HashCell(seed, x, y));
}

}  // namespace artgen
