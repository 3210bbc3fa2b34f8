// Our own random numbers, so that the art comes out the same with any standard library.
#pragma once

#include <cstdint>

namespace artgen {

// The SplitMix64 finaliser: a cheap, well-mixed hash of one 64-bit word.
constexpr std::uint64_t Mix64(std::uint64_t z) {
    z += 0x9E3779B97F4A7C15ull;
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

constexpr std::uint64_t HashCell(std::uint64_t seed, std::int64_t x, std::int64_t y) {
    return Mix64(seed ^ Mix64(static_cast<std::uint64_t>(x) * 0x632BE59BD9B4E019ull ^
                              Mix64(static_cast<std::uint64_t>(y))));
}

// A value in [0, 1) from the top 53 bits of a hash.
constexpr double UnitFromHash(std::uint64_t h) {
    return static_cast<double>(h >> 11) * (1.0 / 9007199254740992.0);
}

class SplitMix64 {
public:
    explicit SplitMix64(std::uint64_t seed) : state_(seed) {}

    std::uint64_t Next() {
        state_ += 0x9E3779B97F4A7C15ull;
        return Mix64(state_ - 0x9E3779B97F4A7C15ull);
    }
    double Uniform() { return UnitFromHash(Next()); }
    double Uniform(double lo, double hi) { return lo + (hi - lo) * Uniform(); }
    int Below(int n) { return static_cast<int>(Uniform() * n); }

private:
    std::uint64_t state_;
};

}  // namespace artgen
