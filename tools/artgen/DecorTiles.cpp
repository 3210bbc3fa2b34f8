// Made tiles of the decoration sheet: mosaics, glazes, frames.
#include <cmath>
#include <numbers>

#include "Decor.h"
#include "Noise.h"
#include "Raster.h"
#include "Shading.h"

namespace artgen {
namespace {

constexpr double kMid = 18.0;

// Each tessera of a mosaic has its own slightly different colour.
Rgb Tessera(Rgb base, int cx, int cy, std::uint64_t seed, double spread) {
    return base * (1.0 + spread * (PixelNoise(seed, cx, cy) - 0.5));
}

}  // namespace

QImage StarMosaic(int scale) {
    const ValueNoise n(0x57A2, scale);
    return Supersample(
        36, 36, 3,
        [&](double x, double y) {
            const double dx = x - kMid, dy = y - kMid;
            const double octagon =
                std::max({std::fabs(dx), std::fabs(dy),
                          (std::fabs(dx) + std::fabs(dy)) / std::numbers::sqrt2});
            if (octagon > 16.0) {
                const double ground = n.Fbm(x / 5.0, y / 5.0, 3) - 0.5;
                return Hex(0x6E4626) * (1.0 + 0.25 * ground);
            }
            if (octagon > 15.0) return Hex(0xD8C8A0);  // a cream rim round the ornament
            // Eight points: the radius swings between the inner and the outer star radius.
            const double angle = std::atan2(dy, dx) + std::numbers::pi / 8;
            const double phase =
                std::fabs(std::fmod(angle * 8 / (2 * std::numbers::pi) + 16.0, 1.0) - 0.5) * 2;
            const double starRadius = 6.0 + 7.5 * (1 - phase);
            const bool star = std::hypot(dx, dy) < starRadius;
            // Tesserae on a 3-pixel grid with dark joints between them.
            const int cx = int(std::floor(x / 3.0)), cy = int(std::floor(y / 3.0));
            const double fx = x / 3.0 - cx, fy = y / 3.0 - cy;
            if (fx < 0.2 || fy < 0.2) return star ? Hex(0x6A3008) : Hex(0x101C40);
            return star ? Tessera(Hex(0xF08A20), cx, cy, 0x57A3, 0.25)
                        : Tessera(Hex(0x2C50B8), cx, cy, 0x57A4, 0.35);
        },
        scale);
}

QImage GlazedTile(int scale) {
    const ValueNoise n(0x6A2E, scale);
    QImage img = Supersample(
        36, 36, 2,
        [&](double x, double y) {
            const double edge = std::min({x, y, 36 - x, 36 - y});
            const double pool = n.Fbm(x / 9.0, y / 9.0, 3) - 0.5;
            Rgb c = Hex(0x2EB8B0) * (1.0 + 0.12 * pool);
            // The glaze runs thin at the border, where the darker body shows through.
            c = Mix(Hex(0x15706C), c, SmoothStep(3.0, 5.0, edge));
            // A soft sheen along the upper-left diagonal.
            const double sheen = std::exp(-std::pow((x + y - 24.0) / 7.0, 2.0));
            return Mix(c, Hex(0xE8FFFC), 0.35 * sheen * SmoothStep(4.0, 7.0, edge));
        },
        scale);
    BevelEdges(img, 1.5 * scale, 0.6);
    return img;
}

QImage NestedSquares(int scale) {
    const ValueNoise n(0x2E57, scale);
    return Supersample(
        36, 36, 3,
        [&](double x, double y) {
            const double dx = x - kMid, dy = y - kMid;
            const double d = std::max(std::fabs(dx), std::fabs(dy));
            // Steps down into the box: each frame is darker than the one round it.
            const int step = std::min(4, int((18.0 - d) / 3.6));
            const double inStep = (18.0 - d) - step * 3.6;
            static const Rgb kFrames[5] = {Hex(0xC27430), Hex(0xA45A22), Hex(0x844418),
                                           Hex(0x5E2E10), Hex(0x24140A)};
            Rgb c = kFrames[step] * (1.0 + 0.12 * (n.Fbm(x / 4.0, y / 4.0, 2) - 0.5));
            // The outer rim of each frame is a chamfer: lit on the far (lower-right) side of the
            // box, since its slope faces the light there, and in shade on the near side.
            if (inStep < 1.0 && step < 4) {
                const bool farSide = (std::fabs(dx) > std::fabs(dy)) ? dx > 0 : dy > 0;
                c = farSide ? Mix(c, Grey(255), 0.28) : c * 0.6;
            }
            return c;
        },
        scale);
}

QImage BlueQuarterTile(int scale) {
    return Supersample(
        36, 36, 3,
        [&](double x, double y) {
            // Joints are one pixel at the tile's edge, so two tiles side by side show two.
            const double fx = std::fmod(x, 18.0), fy = std::fmod(y, 18.0);
            if (fx < 1.0 || fy < 1.0 || fx > 17.0 || fy > 17.0) return Hex(0x58789C);
            Rgb c = Hex(0x9EC6EC);
            if (fx < 2.2 || fy < 2.2)
                c = Mix(c, Grey(255), 0.45);
            else if (fx > 15.8 || fy > 15.8)
                c = c * 0.78;
            const double sheen = std::exp(-std::pow((fx + fy - 12.0) / 4.0, 2.0));
            return Mix(c, Grey(255), 0.3 * sheen);
        },
        scale);
}

QImage SilverPlate(int scale) {
    const ValueNoise n(0x5117, scale);
    QImage img = Supersample(
        36, 36, 3,
        [&](double x, double y) {
            const double edge = std::min({x, y, 36 - x, 36 - y});
            if (edge < 5.0) {
                Rgb frame = Hex(0x74787C) * (1.0 + 0.1 * (n.Fbm(x / 3, y / 3, 2) - 0.5));
                // The frame's inner lip is in shade at the top left, lit at the bottom right.
                if (edge > 4.0)
                    frame = (x < 18 && x < y) || (y < 18 && y <= x) ? frame * 0.6
                                                                    : Mix(frame, Grey(255), 0.3);
                return frame;
            }
            const double brushed = n.Fbm(x / 12.0, y * 1.5, 2) - 0.5;
            Rgb plate = Mix(Hex(0xE2E6EA), Hex(0xA8AEB4), SmoothStep(8.0, 34.0, x + y * 0.8 - 6));
            plate = plate * (1.0 + 0.08 * brushed);
            // Four screws hold the plate.
            for (double sx : {9.0, 27.0}) {
                for (double sy : {9.0, 27.0}) {
                    const double d = std::hypot(x - sx, y - sy);
                    if (d < 1.6) {
                        const bool slot = std::fabs((x - sx) - (y - sy)) < 0.45;
                        return slot ? Hex(0x3A3C40)
                                    : Mix(Hex(0x8C9096), Grey(255), 0.3 * (sx - x + sy - y > 0));
                    }
                }
            }
            return plate;
        },
        scale);
    BevelEdges(img, 1.5 * scale, 0.7);
    return img;
}

QImage VioletMosaic(int scale) {
    return Supersample(
        36, 36, 3,
        [&](double x, double y) {
            const int cx = int(x / 12.0), cy = int(y / 12.0);
            const double fx = x - cx * 12.0, fy = y - cy * 12.0;
            if (fx < 1.0 || fy < 1.0) return Hex(0x2A1838);
            static const Rgb kShades[3] = {Hex(0x7C48B4), Hex(0x9462CC), Hex(0x66389C)};
            Rgb c = kShades[(cx * 2 + cy) % 3];
            c = Tessera(c, cx, cy, 0x7103, 0.2);
            if (fx < 2.2 || fy < 2.2)
                c = Mix(c, Grey(255), 0.3);
            else if (fx > 10.8 || fy > 10.8)
                c = c * 0.7;
            return c;
        },
        scale);
}

}  // namespace artgen
