// Brown stone with chalk drawings, plain stone strips and the rust-orange block.
#include <QPainter>
#include <cmath>

#include "Decor.h"
#include "Noise.h"
#include "Raster.h"
#include "Wumple.h"

namespace artgen {

void BevelEdges(QImage& img, double width, double strength) {
    const int w = img.width(), h = img.height();
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            const double toLit = std::min(x + 0.5, y + 0.5);
            const double toDark = std::min(w - x - 0.5, h - y - 0.5);
            Rgb c = FromQRgb(img.pixel(x, y));
            // Where a lit and a dark side meet, the nearer one wins: the mitre of a chamfer.
            if (toDark < toLit) {
                c = c * (1 - strength * 0.55 * (1 - SmoothStep(0, width, toDark)));
            } else {
                c = Mix(c, Grey(255), strength * 0.35 * (1 - SmoothStep(0, width, toLit)));
            }
            img.setPixel(x, y, ToQRgb(c));
        }
    }
}

namespace {

Rgb BrownStone(const ValueNoise& n, double x, double y, int scale) {
    const double broad = n.Fbm(x / 30.0, y / 30.0, 4) - 0.5;
    const double fine = n.Fbm(x / 4.0 + 100, y / 4.0, 2) - 0.5;
    const double grain = DesignGrain(0xB40, x, y, scale) - 0.5;
    Rgb c = Mix(Hex(0x684528), Hex(0x93704C), SmoothStep(-0.25, 0.25, broad));
    c = c * (1.0 + 0.16 * fine + 0.12 * grain);
    // Sandstone is grainy: the odd dark and pale grain stands out.
    const double speck = SpeckAt(0xB41, x, y, scale);
    if (speck > 0.97) c = c * 0.72;
    else if (speck < 0.025) c = Mix(c, Hex(0xC8B090), 0.5);
    // Hairline cracks where a ridge of the noise is very thin.
    const double crack = n.Ridged(x / 45.0 + 7, y / 45.0 - 3, 3);
    return c * (1.0 - 0.35 * SmoothStep(0.93, 0.985, crack));
}

QImage StoneImage(std::uint64_t seed, int w, int h, int scale) {
    const ValueNoise n(seed, scale);
    QImage img = Supersample(
        w, h, 1, [&](double x, double y) { return BrownStone(n, x, y, scale); }, scale);
    BevelEdges(img, 3.0 * scale, 0.8);
    return img;
}

// Chalk is never a clean line: the stroke is thinned out wherever the stone's surface dips.
void ChalkOver(QImage& img, const QImage& strokes, std::uint64_t seed, int scale) {
    const ValueNoise n(seed, scale);
    const double perPixel = scale;
    for (int y = 0; y < img.height(); ++y) {
        for (int x = 0; x < img.width(); ++x) {
            const double a = qAlpha(strokes.pixel(x, y)) / 255.0;
            if (a <= 0) continue;
            const double dx = (x + 0.5) / perPixel, dy = (y + 0.5) / perPixel;  // design pixels
            const double rub =
                0.55 +
                0.45 * SmoothStep(0.25, 0.6, n.Fbm(x / perPixel / 2.5, y / perPixel / 2.5, 2)) -
                0.3 * (SpeckAt(seed, dx, dy, scale) > 0.8);
            const Rgb c = Mix(FromQRgb(img.pixel(x, y)), Hex(0xF2EFE6), Clamp01(a * rub));
            img.setPixel(x, y, ToQRgb(c));
        }
    }
}

}  // namespace

QImage StoneStrip(std::uint64_t seed, int width, int height, int scale) {
    return StoneImage(seed, width, height, scale);
}

QImage ChalkSlab(std::uint64_t seed, bool mirrored, int scale) {
    QImage slab = StoneImage(seed, 108, 108, scale);
    constexpr int kScale = 4;
    QImage big = BigCanvas(108 * scale, 108 * scale, kScale);
    {
        QPainter p(&big);
        p.setRenderHint(QPainter::Antialiasing);
        p.scale(kScale * scale, kScale * scale);
        // The second slab shows the head a little smaller and tilted, as if drawn by another hand.
        QTransform t;
        if (mirrored) {
            t.translate(20, 16).rotate(-8).scale(0.78, 0.78);
        } else {
            t.translate(12, 8).scale(0.88, 0.88);
        }
        const WumpleHead h = MakeWumpleHead(t);
        p.setPen(QPen(Qt::white, 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(Qt::NoBrush);
        p.drawPath(h.face.united(h.hair));
        p.drawPath(h.eye);
        p.drawPath(h.mouth);
        p.drawPath(h.ear);
        p.drawPath(h.brow);
        p.setBrush(Qt::white);
        p.drawPath(h.pupil);
    }
    ChalkOver(slab, Shrink(big, kScale), seed + 77, scale);
    return slab;
}

QImage RustBlock(int scale) {
    const ValueNoise n(0x2057, scale);
    QImage img = Supersample(
        108, 108, 1,
        [&](double x, double y) {
            const double blot = n.Fbm(x / 16.0, y / 16.0, 4);
            const double mottle = n.Fbm(x / 5.0 + 50, y / 5.0, 3);
            Rgb c = Mix(Hex(0x9A4414), Hex(0xD8772A), SmoothStep(0.3, 0.7, blot));
            c = Mix(c, Hex(0x6A2A0C), 0.55 * SmoothStep(0.55, 0.75, mottle));
            c = Mix(c, Hex(0xE89A50), 0.45 * SmoothStep(0.62, 0.8, n.At(x / 2.2 - 30, y / 2.2)));
            return c * (1.0 + 0.10 * (DesignGrain(0x2058, x, y, scale) - 0.5));
        },
        scale);
    BevelEdges(img, 3.0 * scale, 0.8);
    return img;
}

}  // namespace artgen
