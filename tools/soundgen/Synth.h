// The few building blocks the four sounds are made of. Everything is plain arithmetic on
// doubles and our own random numbers, so the samples are the same on every run.
#pragma once

#include <cmath>
#include <cstdint>
#include <numbers>
#include <vector>

namespace soundgen {

inline constexpr double kTau = 2 * std::numbers::pi;

// A two-pole resonant filter (the classic state-variable form), for shaped noise.
class Resonator {
public:
    // Returns the band-pass output; `low` holds the low-pass one afterwards.
    double Step(double in, double frequency, double q, double rate) {
        const double f = 2 * std::sin(std::numbers::pi * std::min(frequency, rate / 6) / rate);
        low_ += f * band_;
        const double high = in - low_ - band_ / q;
        band_ += f * high;
        return band_;
    }
    double low() const { return low_; }

private:
    double low_ = 0, band_ = 0;
};

// One-pole low pass: smooths without ringing.
class Smoother {
public:
    double Step(double in, double cutoff, double rate) {
        const double a = 1 - std::exp(-kTau * cutoff / rate);
        y_ += a * (in - y_);
        return y_;
    }

private:
    double y_ = 0;
};

// Samples in [-1, 1] to unsigned 8-bit centred on 128.
std::vector<std::uint8_t> ToUnsigned8(const std::vector<double>& samples);

}  // namespace soundgen

namespace soundgen {

// Evens out the loudness: scales every stretch of `samples` towards `targetRms`, with the gain
// following the sound's own level over about `window` seconds. Silence stays silence.
void EvenLoudness(std::vector<double>& samples, int rate, double targetRms, double window);

// Raised-cosine fade of the stretch [from, to) of samples, from full level down to nothing.
double FadeOut(double position, double from, double to);

}  // namespace soundgen
