#include "Synth.h"

#include <algorithm>

namespace soundgen {

std::vector<std::uint8_t> ToUnsigned8(const std::vector<double>& samples) {
    std::vector<std::uint8_t> out(samples.size());
    for (size_t i = 0; i < samples.size(); ++i) {
        const double v = std::clamp(samples[i], -1.0, 1.0);
        out[i] = static_cast<std::uint8_t>(std::lround(128 + 127 * v));
    }
    return out;
}

}  // namespace soundgen

namespace soundgen {

void EvenLoudness(std::vector<double>& samples, int rate, double targetRms, double window) {
    const int half = std::max(1, static_cast<int>(window * rate / 2));
    const int n = static_cast<int>(samples.size());
    // Running sum of squares, so that each window's level costs two lookups.
    std::vector<double> energy(n + 1, 0.0);
    for (int i = 0; i < n; ++i) energy[i + 1] = energy[i] + samples[i] * samples[i];
    std::vector<double> gain(n);
    for (int i = 0; i < n; ++i) {
        const int a = std::max(0, i - half), b = std::min(n, i + half);
        const double rms = std::sqrt((energy[b] - energy[a]) / (b - a));
        gain[i] = rms > 1e-4 ? targetRms / rms : 0.0;
    }
    for (int i = 0; i < n; ++i) samples[i] *= gain[i];
}

double FadeOut(double position, double from, double to) {
    if (position <= from) return 1.0;
    if (position >= to) return 0.0;
    return 0.5 + 0.5 * std::cos(std::numbers::pi * (position - from) / (to - from));
}

}  // namespace soundgen
