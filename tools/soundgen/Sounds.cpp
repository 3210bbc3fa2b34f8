#include "Sounds.h"

#include <algorithm>

#include "Synth.h"
#include "random.h"

namespace soundgen {

Sound Water() {
    constexpr int kRate = 22050, kCount = 19406;
    slcy::tools::SplitMix64 rng(0x3A7E2);
    Resonator body;
    Smoother drift;
    struct Bubble {
        int start;
        double pitch, phase, level;
    };
    std::vector<Bubble> bubbles;
    int nextBubble = 0;
    std::vector<double> s(kCount);
    for (int i = 0; i < kCount; ++i) {
        const double t = double(i) / kRate;
        // Rushing water: noise through a resonance whose pitch wanders slowly.
        const double centre = 650 + 450 * drift.Step(rng.Noise() * 8, 6, kRate);
        double v = 0.55 * body.Step(rng.Noise(), std::max(250.0, centre), 2.5, kRate);
        // Bubbles: short chirps rising in pitch as they burst, every few hundredths of a second.
        if (i >= nextBubble) {
            bubbles.push_back({i, 350 + 650 * rng.Unit(), 0, 0.5 + 0.5 * rng.Unit()});
            nextBubble = i + static_cast<int>(kRate * (0.018 + 0.04 * rng.Unit()));
        }
        for (Bubble& b : bubbles) {
            const double age = double(i - b.start) / kRate;
            b.phase += kTau * b.pitch * (1 + 14 * age) / kRate;
            v += b.level * std::exp(-age / 0.011) * std::sin(b.phase);
        }
        std::erase_if(bubbles, [&](const Bubble& b) { return i - b.start > kRate / 10; });
        s[i] = v;
        (void)t;
    }
    EvenLoudness(s, kRate, 0.14, 0.06);
    const double length = double(kCount) / kRate;
    for (int i = 0; i < kCount; ++i) {
        const double t = double(i) / kRate;
        s[i] *= std::min(1.0, t / 0.015) * FadeOut(t, length - 0.07, length);
    }
    return {kRate, ToUnsigned8(s)};
}

Sound Solved() {
    constexpr int kRate = 11025, kCount = 34265;
    constexpr double kSilence = 0.5;
    std::vector<double> s(kCount, 0.0);
    const double length = double(kCount) / kRate;
    double phase = 0;
    for (int i = 0; i < kCount; ++i) {
        const double t = double(i) / kRate - kSilence;
        if (t < 0) continue;
        const double u = t / (length - kSilence);
        // Two octaves up from a low A, with a slow vibrato for warmth.
        const double pitch = 82.5 * std::pow(4.0, u) * (1 + 0.012 * std::sin(kTau * 5.5 * t));
        phase += kTau * pitch / kRate;
        double v = 0;
        for (int k = 1; k <= 7; ++k) v += std::sin(k * phase) / k;  // bright, brassy
        v += 0.5 * std::sin(1.5 * phase);                            // and a fifth above
        const double attack = std::min(1.0, t / 0.02);
        const double fade = std::pow(1 - u, 1.7);
        s[i] = 0.62 * attack * fade * v;
    }
    for (double& v : s) v = std::tanh(v);
    return {kRate, ToUnsigned8(s)};
}

Sound Refused() {
    constexpr int kRate = 11025, kCount = 2298;
    slcy::tools::SplitMix64 rng(0x0C0C);
    Smoother click;
    std::vector<double> s(kCount);
    double phase = 0;
    for (int i = 0; i < kCount; ++i) {
        const double t = double(i) / kRate;
        // A knock on wood: a low thump that drops in pitch, a duller overtone, and the
        // muffled click of the hit itself.
        const double pitch = 95 + 60 * std::exp(-t / 0.025);
        phase += kTau * pitch / kRate;
        double v = std::exp(-t / 0.035) * std::sin(phase);
        v += 0.35 * std::exp(-t / 0.015) * std::sin(2.4 * phase);
        v += 1.6 * std::exp(-t / 0.004) * click.Step(rng.Noise(), 900, kRate);
        s[i] = 0.85 * v * std::min(1.0, t / 0.001);
    }
    for (double& v : s) v = std::tanh(v);
    return {kRate, ToUnsigned8(s)};
}

Sound Timeout() {
    constexpr int kRate = 11025, kCount = 25246;
    slcy::tools::SplitMix64 rng(0x71AE);
    Resonator hissFilter;
    std::vector<double> s(kCount);
    const double length = double(kCount) / kRate;
    double phase = 0;
    for (int i = 0; i < kCount; ++i) {
        const double t = double(i) / kRate;
        const double u = t / length;
        // The hiss narrows and sinks while a tone falling to a low drone takes over from it.
        const double centre = 3400 * std::pow(70 / 3400.0, std::min(1.0, u * 1.25));
        const double q = 0.8 + 10 * u;
        const double hiss = hissFilter.Step(rng.Noise(), centre, q, kRate) / std::sqrt(q);
        const double pitch = 520 * std::pow(68 / 520.0, std::min(1.0, u * 1.4));
        phase += kTau * pitch / kRate;
        const double tone = std::sin(phase) + 0.3 * std::sin(2 * phase) + 0.15 * std::sin(3 * phase);
        const double toneShare = 0.5 - 0.5 * std::cos(std::numbers::pi * std::min(1.0, u / 0.65));
        s[i] = (1 - toneShare) * hiss + toneShare * tone;
    }
    // Loud and level from the first moment, then gone over the last fifth of a second.
    EvenLoudness(s, kRate, 0.5, 0.05);
    for (int i = 0; i < kCount; ++i) {
        const double t = double(i) / kRate;
        s[i] = std::tanh(1.3 * s[i]) * FadeOut(t, length - 0.2, length);
    }
    return {kRate, ToUnsigned8(s)};
}

}  // namespace soundgen
