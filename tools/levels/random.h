// Our own random numbers (SplitMix64 seeding xoshiro256**), so that the same seed makes the
// same catalogue with any compiler and standard library.
#pragma once

#include <cstdint>
#include <utility>
#include <vector>

namespace slcy::levels {

constexpr std::uint64_t SplitMix64(std::uint64_t& state) {
    std::uint64_t z = (state += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

class Random {
public:
    // Each stream is named by a few numbers (seed, level, attempt ...), so that one level can
    // be made again without making the ones before it.
    explicit Random(std::uint64_t seed, std::uint64_t stream = 0, std::uint64_t substream = 0) {
        std::uint64_t s = seed ^ (stream * 0xD1B54A32D192ED03ull) ^ (substream * 0x8CB92BA72F3D8DD7ull);
        for (auto& word : state_) word = SplitMix64(s);
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

    // A whole number in [0, bound), bound > 0; the tiny bias of the multiply is irrelevant here.
    int Below(int bound) {
        return static_cast<int>((Next() >> 32) * static_cast<std::uint64_t>(bound) >> 32);
    }
    // A whole number in [low, high].
    int Between(int low, int high) { return low + Below(high - low + 1); }
    // A number in [0, 1).
    double Unit() { return static_cast<double>(Next() >> 11) * (1.0 / 9007199254740992.0); }
    bool Chance(double p) { return Unit() < p; }

    template <typename T>
    void Shuffle(std::vector<T>& items) {
        for (int i = static_cast<int>(items.size()) - 1; i > 0; --i)
            std::swap(items[i], items[Below(i + 1)]);
    }
    template <typename T>
    const T& Pick(const std::vector<T>& items) {
        return items[Below(static_cast<int>(items.size()))];
    }

private:
    static constexpr std::uint64_t Rotl(std::uint64_t x, int k) { return (x << k) | (x >> (64 - k)); }
    std::uint64_t state_[4];
};

}  // namespace slcy::levels
