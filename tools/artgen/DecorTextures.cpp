// Natural surfaces of the decoration tiles: metal, marble, granite and wood.
#include <cmath>
#include <numbers>

#include "Decor.h"
#include "Noise.h"
#include "Raster.h"
#include "Shading.h"

namespace artgen {

QImage LumpyMetal(int scale) {
    // A hammered height field lit like the pieces; the lumps are the noise's hills.
    const ValueNoise n(0x3E7A1, scale);
    auto height = [&](double x, double y) { return n.Fbm(x / 9.0, y / 9.0, 3, 0.35); };
    QImage img = Supersample(
        36, 72, 2,
        [&](double x, double y) {
            const double e = 0.35;
            const double gx = (height(x + e, y) - height(x - e, y)) / (2 * e);
            const double gy = (height(x, y + e) - height(x, y - e)) / (2 * e);
            const Vec3 normal = Normalised({-gx * 6.0, -gy * 6.0, 1.0});
            const double tone = n.Fbm(x / 20.0 + 9, y / 20.0, 2) - 0.5;
            const Rgb base = Hex(0xA4A8AE) * (1.0 + 0.15 * tone);
            return base * Lambert(normal, 0.4) + Grey(255) * (0.35 * Specular(normal, 14));
        },
        scale);
    BevelEdges(img, 2.5 * scale, 0.7);
    return img;
}

QImage WhiteMarble(int scale) {
    const ValueNoise n(0x3A8B1E, scale);
    QImage img = Supersample(
        144, 36, 2,
        [&](double x, double y) {
            // Veins are creases of ridged noise, bent by a second noise so they meander.
            const double wx = x / 38.0 + 0.9 * n.Fbm(x / 30.0, y / 30.0, 3);
            const double wy = y / 38.0 + 0.9 * n.Fbm(x / 30.0 + 40, y / 30.0, 3);
            const double vein = std::pow(n.Ridged(wx, wy, 4), 7.0);
            const double cloud = n.Fbm(x / 25.0 - 20, y / 25.0, 3) - 0.5;
            const Rgb base = Hex(0xEDEBE6) * (1.0 + 0.06 * cloud);
            return Mix(base, Hex(0x8A8C94), Clamp01(0.95 * vein));
        },
        scale);
    BevelEdges(img, 2.0 * scale, 0.5);
    return img;
}

QImage GoldVeinedMarble(double lightness, int tile, int scale) {
    const ValueNoise n(0x601D + tile, scale);
    QImage img = Supersample(
        36, 36, 2,
        [&](double x, double y) {
            const double wx = x / 22.0 + 0.8 * n.Fbm(x / 18.0, y / 18.0, 3);
            const double wy = y / 22.0 + 0.8 * n.Fbm(x / 18.0 + 30, y / 18.0, 3);
            const double vein = std::pow(n.Ridged(wx, wy, 4), 11.0);
            const double cloud = n.Fbm(x / 10.0 - 7, y / 10.0, 3);
            const Rgb dark = Mix(Hex(0x101010), Hex(0x4C4B4A), lightness);
            const Rgb base = Mix(dark, dark + Grey(34), SmoothStep(0.35, 0.75, cloud));
            return Mix(base, Hex(0xD8AE48), Clamp01(1.3 * vein));
        },
        scale);
    BevelEdges(img, 1.5 * scale, 0.5);
    return img;
}

QImage GoldMottledMarble(double lightness, int tile, int scale) {
    const ValueNoise n(0x60DD + tile, scale);
    QImage img = Supersample(
        36, 36, 2,
        [&](double x, double y) {
            const double mottle = n.Fbm(x / 3.2, y / 3.2, 3);
            const double large = n.Fbm(x / 12.0 + 11, y / 12.0, 2);
            const Rgb base = Mix(Hex(0x0C0B0A), Hex(0x3C3630), lightness);
            const double gold = SmoothStep(0.56 - 0.10 * lightness, 0.66 - 0.10 * lightness,
                                           mottle * 0.7 + large * 0.3);
            const Rgb goldColour = Mix(Hex(0x8A6420), Hex(0xE0B850), n.At(x / 1.5, y / 1.5));
            return Mix(base, goldColour, gold);
        },
        scale);
    BevelEdges(img, 1.5 * scale, 0.5);
    return img;
}

QImage Granite(Rgb base, Rgb fleck, std::uint64_t seed, int scale) {
    const ValueNoise n(seed, scale);
    QImage img = Supersample(
        36, 36, 1,
        [&](double x, double y) {
            const double cloud = n.Fbm(x / 6.0, y / 6.0, 3) - 0.5;
            Rgb c = base * (1.0 + 0.18 * cloud);
            const double r = SpeckAt(seed, x, y, scale);
            // Crystals of three kinds: dark mica, pale quartz and the stone's own colour, deeper.
            if (r > 0.94)
                c = Mix(c, Hex(0x1C1A20), 0.7);
            else if (r > 0.87)
                c = Mix(c, Hex(0xF0EEF0), 0.5);
            else if (r > 0.74)
                c = Mix(c, fleck, 0.6);
            return c;
        },
        scale);
    BevelEdges(img, 1.5 * scale, 0.5);
    return img;
}

QImage Wood(bool vertical, int scale) {
    const ValueNoise n(vertical ? 0x7700D : 0x7700E, scale);
    QImage img = Supersample(
        36, 36, 2,
        [&](double x, double y) {
            const double along = vertical ? y : x;
            const double across = vertical ? x : y;
            // Growth rings seen edge-on: stripes across the board, wobbling along it.
            const double wobble = 2.5 * n.Fbm(along / 14.0, across / 40.0, 3);
            const double rings = 0.5 + 0.5 * std::sin((across + wobble * 3.0) * 1.35);
            const double streak = n.Fbm(along / 30.0, across / 1.2, 2) - 0.5;
            Rgb c = Mix(Hex(0x7A4A22), Hex(0xA26A36), std::pow(rings, 2.0));
            return c * (1.0 + 0.18 * streak);
        },
        scale);
    BevelEdges(img, 1.5 * scale, 0.6);
    return img;
}

QImage Planks(bool vertical, int scale) {
    const ValueNoise n(vertical ? 0x91A4 : 0x91A5, scale);
    QImage img = Supersample(
        36, 36, 2,
        [&](double x, double y) {
            const double along = vertical ? y : x;
            const double across = vertical ? x : y;
            const int plank = int(across / 12.0);
            const double inPlank = across - plank * 12.0;
            const double grain =
                n.Fbm(along / 25.0 + plank * 7.0, inPlank / 1.3 + plank * 13.0, 3) - 0.5;
            Rgb c = Hex(0x8E8C86) * (1.0 + 0.25 * grain + 0.06 * (plank - 1));
            // A dark gap between planks, lit on the side that faces the light.
            if (inPlank < 1.0)
                c = Hex(0x2E2C2A);
            else if (inPlank < 2.0)
                c = Mix(c, Grey(255), 0.25);
            else if (inPlank > 11.0)
                c = c * 0.72;
            // Nail heads near the ends of every plank.
            for (double end : {5.0, 31.0}) {
                if (std::hypot(along - end, inPlank - 6.5) < 1.1) c = Hex(0x45433F);
            }
            return c;
        },
        scale);
    return img;
}

QImage WovenTexture(int scale) {
    const ValueNoise n(0x5EA7E, scale);
    return Supersample(
        36, 36, 3,
        [&](double x, double y) {
            // Threads three pixels wide, over two and under two, like a basket cloth.
            const int cx = int(x / 3.0), cy = int(y / 3.0);
            const bool warpOnTop = ((cx + cy) / 2) % 2 == 0;
            const double fx = x / 3.0 - cx, fy = y / 3.0 - cy;
            const double across = warpOnTop ? fx : fy;
            const double round = std::sin(across * std::numbers::pi);
            Rgb c = warpOnTop ? Hex(0x8A7E98) : Hex(0x76708A);
            c = c * (0.62 + 0.45 * round) * (1.0 + 0.1 * (n.At(x / 4, y / 4) - 0.5));
            return c;
        },
        scale);
}

}  // namespace artgen
