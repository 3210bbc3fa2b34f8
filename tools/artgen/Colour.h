// Colours as doubles while shading, so that mixing and lighting never clip halfway.
#pragma once

#include <QColor>
#include <algorithm>
#include <cmath>
#include <cstdint>

namespace artgen {

struct Rgb {
    double r = 0, g = 0, b = 0;
};

constexpr Rgb Hex(std::uint32_t rgb) {
    return {double((rgb >> 16) & 0xFF), double((rgb >> 8) & 0xFF), double(rgb & 0xFF)};
}

constexpr Rgb operator+(Rgb a, Rgb b) { return {a.r + b.r, a.g + b.g, a.b + b.b}; }
constexpr Rgb operator-(Rgb a, Rgb b) { return {a.r - b.r, a.g - b.g, a.b - b.b}; }
constexpr Rgb operator*(Rgb a, double k) { return {a.r * k, a.g * k, a.b * k}; }
constexpr Rgb operator*(Rgb a, Rgb b) { return {a.r * b.r / 255, a.g * b.g / 255, a.b * b.b / 255}; }
constexpr Rgb Mix(Rgb a, Rgb b, double t) { return a + (b - a) * t; }
constexpr Rgb Grey(double v) { return {v, v, v}; }

inline double Clamp01(double x) { return std::clamp(x, 0.0, 1.0); }
inline double SmoothStep(double e0, double e1, double x) {
    const double t = Clamp01((x - e0) / (e1 - e0));
    return t * t * (3 - 2 * t);
}

inline int Channel(double v) { return static_cast<int>(std::lround(std::clamp(v, 0.0, 255.0))); }
inline QRgb ToQRgb(Rgb c) { return qRgb(Channel(c.r), Channel(c.g), Channel(c.b)); }
inline Rgb FromQRgb(QRgb c) { return {double(qRed(c)), double(qGreen(c)), double(qBlue(c))}; }
inline QColor ToQColor(Rgb c, int alpha = 255) {
    return QColor(Channel(c.r), Channel(c.g), Channel(c.b), alpha);
}

}  // namespace artgen
