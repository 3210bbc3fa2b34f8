#include "Noise.h"

#include <algorithm>
#include <cmath>

#include "random.h"

namespace artgen {

namespace {

double Fade(double t) { return t * t * t * (t * (t * 6 - 15) + 10); }

// The Catmull-Rom curve through p0..p3 between p1 (t = 0) and p2 (t = 1).
double CatmullRom(double p0, double p1, double p2, double p3, double t) {
    return p1 + 0.5 * t *
                    (p2 - p0 + t * (2 * p0 - 5 * p1 + 4 * p2 - p3 + t * (3 * (p1 - p2) + p3 - p0)));
}

// A lattice of values joined by Catmull-Rom curves in both directions, kept within [0, 1].
template <typename Value>
double Cubic(const Value& value, double x, double y) {
    const double fx = std::floor(x), fy = std::floor(y);
    const auto ix = static_cast<std::int64_t>(fx);
    const auto iy = static_cast<std::int64_t>(fy);
    double rows[4];
    for (int j = 0; j < 4; ++j) {
        const std::int64_t row = iy - 1 + j;
        rows[j] = CatmullRom(value(ix - 1, row), value(ix, row), value(ix + 1, row),
                             value(ix + 2, row), x - fx);
    }
    return std::clamp(CatmullRom(rows[0], rows[1], rows[2], rows[3], y - fy), 0.0, 1.0);
}

}  // namespace

double ValueNoise::Lattice(std::int64_t x, std::int64_t y) const {
    return slcy::tools::UnitFromBits(slcy::tools::HashCell(seed_, x, y));
}

double ValueNoise::At(double x, double y) const {
    if (cubic_) {
        return Cubic([this](std::int64_t i, std::int64_t j) { return Lattice(i, j); }, x, y);
    }
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

double DesignGrain(std::uint64_t seed, double x, double y, int scale) {
    if (scale == 1) return PixelNoise(seed, static_cast<int>(x), static_cast<int>(y));
    // The values sit at the design pixels' centres.
    return Cubic(
        [seed](std::int64_t i, std::int64_t j) {
            return PixelNoise(seed, static_cast<int>(i), static_cast<int>(j));
        },
        x - 0.5, y - 0.5);
}

double SpeckAt(std::uint64_t seed, double x, double y, int scale) {
    const double fx = std::floor(x), fy = std::floor(y);
    const double value = PixelNoise(seed, static_cast<int>(fx), static_cast<int>(fy));
    if (scale == 1) return value;
    return std::hypot(x - fx - 0.5, y - fy - 0.5) < 0.42 ? value : 0.5;
}

}  // namespace artgen
