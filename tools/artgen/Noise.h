// Smooth value noise on a hashed lattice. Pictures that span several tiles are drawn in one
// piece, so the noise never has to tile.
#pragma once

#include <cstdint>

namespace artgen {

class ValueNoise {
public:
    explicit ValueNoise(std::uint64_t seed) : seed_(seed) {}

    // Smoothly varying value in [0, 1], one lattice cell per unit.
    double At(double x, double y) const;
    // Octaves of At, each at twice the frequency and `gain` times the weight; in [0, 1].
    double Fbm(double x, double y, int octaves, double gain = 0.5) const;
    // 1 - |2n - 1| summed over octaves: sharp creases, the usual start for marble veins.
    double Ridged(double x, double y, int octaves) const;

private:
    double Lattice(std::int64_t x, std::int64_t y) const;
    std::uint64_t seed_;
};

// White noise in [0, 1) for one pixel: grain, specks and sparkle.
double PixelNoise(std::uint64_t seed, int x, int y);

}  // namespace artgen
