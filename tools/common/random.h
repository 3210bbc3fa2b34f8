// The random numbers of every generator. They are our own, not the standard library's, so that
// the same seed makes the same art, sounds and levels with any compiler and library: the
// standard engines are fixed to the bit, but their distributions are not.
//
// Two engines, each kept because committed files depend on its exact sequence: SplitMix64, one
// word of state, for the art and the sounds; and Random (xoshiro256**, seeded through
// SplitMix64), whose streams are named by a few numbers, for the levels. Both give the same
// draws from their words.
#pragma once

#include <cstdint>
#include <utility>

namespace slcy::tools {

inline constexpr std::uint64_t kGoldenGamma = 0x9E3779B97F4A7C15ull;

// The SplitMix64 output function: a cheap, well-mixed hash of one 64-bit word.
constexpr std::uint64_t Mix64(std::uint64_t z) {
    z += kGoldenGamma;
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

// A hash of a lattice point, for noise that depends on the position alone.
constexpr std::uint64_t HashCell(std::uint64_t seed, std::int64_t x, std::int64_t y) {
    return Mix64(seed ^ Mix64(static_cast<std::uint64_t>(x) * 0x632BE59BD9B4E019ull ^
                              Mix64(static_cast<std::uint64_t>(y))));
}

// A value in [0, 1) from the top 53 bits of a word.
constexpr double UnitFromBits(std::uint64_t bits) {
    return static_cast<double>(bits >> 11) * (1.0 / 9007199254740992.0);
}

// What a generator draws, made from the 64-bit words of its engine.
template <typename Engine>
class Draws {
  public:
    // A number in [0, 1).
    double Unit() { return UnitFromBits(Word()); }
    // White noise in [-1, 1).
    double Noise() { return 2 * Unit() - 1; }
    bool Chance(double p) { return Unit() < p; }
    // A whole number in [0, bound), bound > 0; the tiny bias of the multiply is irrelevant here.
    int Below(int bound) {
        return static_cast<int>((Word() >> 32) * static_cast<std::uint64_t>(bound) >> 32);
    }
    // A whole number in [low, high].
    int Between(int low, int high) { return low + Below(high - low + 1); }

    template <typename Items>
    void Shuffle(Items& items) {
        for (int i = static_cast<int>(items.size()) - 1; i > 0; --i)
            std::swap(items[i], items[Below(i + 1)]);
    }
    template <typename Items>
    const auto& Pick(const Items& items) {
        return items[Below(static_cast<int>(items.size()))];
    }

  private:
    std::uint64_t Word() { return static_cast<Engine&>(*this).Next(); }
};

class SplitMix64 : public Draws<SplitMix64> {
  public:
    explicit SplitMix64(std::uint64_t seed) : state_(seed) {}
    std::uint64_t Next() {
        const std::uint64_t word = Mix64(state_);
        state_ += kGoldenGamma;
        return word;
    }

  private:
    std::uint64_t state_;
};

class Random : public Draws<Random> {
  public:
    // Each stream is named by a few numbers (seed, level, attempt ...), so that one level can
    // be made again without making the ones before it.
    explicit Random(std::uint64_t seed, std::uint64_t stream = 0, std::uint64_t substream = 0) {
        SplitMix64 seeding(seed ^ (stream * 0xD1B54A32D192ED03ull) ^
                           (substream * 0x8CB92BA72F3D8DD7ull));
        for (auto& word : state_) word = seeding.Next();
    }

    std::uint64_t Next() {
        const std::uint64_t result = Rotl(state_[1] * 5, 7) * 9;
        const std::uint64_t t = state_[1] << 17;
        state_[2] ^= state_[0];
        state_[3] ^= state_[1];
        state_[1] ^= state_[2];
        state_[0] ^= state_[3];
        state_[2] ^= t;
        state_[3] = Rotl(state_[3], 45);
        return result;
    }

  private:
    static constexpr std::uint64_t Rotl(std::uint64_t x, int k) {
        return (x << k) | (x >> (64 - k));
    }
    std::uint64_t state_[4];
};

}  // namespace slcy::tools
