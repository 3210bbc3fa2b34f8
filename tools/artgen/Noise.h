// Smooth value noise on a hashed lattice. Pictures that span several tiles are drawn in one
// piece, so the noise never has to tile.
#pragma once

#include <cstdint>

namespace artgen {

class ValueNoise {
public:
  // For a picture drawn `scale` times its design size. Drawn larger, the lattice values are
  // joined by a cubic curve through four of them instead of a fade between two: the fade's
  // flat spots at the lattice points, lost between the pixels at 1x, would show as squares.
  explicit ValueNoise(std::uint64_t seed, int scale = 1) : seed_(seed), cubic_(scale > 1) {}

  // Smoothly varying value in [0, 1], one lattice cell per unit.
  double At(double x, double y) const;
  // Octaves of At, each at twice the frequency and `gain` times the weight; in [0, 1].
  double Fbm(double x, double y, int octaves, double gain = 0.5) const;
  // 1 - |2n - 1| summed over octaves: sharp creases, the usual start for marble veins.
  double Ridged(double x, double y, int octaves) const;

private:
    double Lattice(std::int64_t x, std::int64_t y) const;
    std::uint64_t seed_;
    bool cubic_;
};

// White noise in [0, 1) for one pixel: grain, specks and sparkle.
double PixelNoise(std::uint64_t seed, int x, int y);

// Grain of one design pixel: at 1x the pixel's own white noise; drawn larger, the same values
// at the design pixels' centres joined by cubic curves, so the grain keeps its size and comes
// out as soft round grains instead of square blocks.
double DesignGrain(std::uint64_t seed, double x, double y, int scale);

// White noise for specks one design pixel apart: at 1x the pixel's own value; drawn larger, the
// value of the nearest design pixel within a round dot at its centre and 0.5 elsewhere, so a
// speck that is a square pixel at 1x is a crisp round dot at 2x, in the same place.
double SpeckAt(std::uint64_t seed, double x, double y, int scale);

}  // namespace artgen
