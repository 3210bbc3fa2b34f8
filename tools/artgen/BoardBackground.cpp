// The board: a weathered steel plate with rust creeping in from the lower right, a black
// edge, two slots for the gauge and the level bar, and the title at the upper right.
#include <array>
#include <cmath>

#include "Lettering.h"
#include "Noise.h"
#include "Raster.h"
#include "Shading.h"
#include "Sheets.h"

namespace artgen {
namespace {

constexpr int kWidth = 500;
constexpr int kHeight = 333;
constexpr int kBorder = 4;
constexpr int kSlotTop = 130, kSlotBottom = 309, kSlotWidth = 22;
constexpr std::array<int, 2> kSlotLeft = {410, 450};

struct Rivet {
    double x, y;
};
// Rivets only where no cell will ever be: in the frame round the playfield and by the title.
constexpr std::array<Rivet, 8> kRivets = {{
    {12.5, 12.5}, {391.5, 12.5}, {487.5, 12.5}, {12.5, 320.5},
    {391.5, 320.5}, {487.5, 320.5}, {391.5, 166.5}, {487.5, 166.5},
}};

struct Plate {
    ValueNoise stain{0xB0A4D01}, brush{0xB0A4D02}, rust{0xB0A4D03}, pits{0xB0A4D04},
        tone{0xB0A4D05};
};

// How rusty the plate is at x, y: rust gathers towards the bottom and the lower right.
double RustAmount(const Plate& p, double x, double y) {
    const double bias = 0.42 * (y / kHeight) + 0.30 * (x / kWidth) + 0.18 * (x / kWidth) * (y / kHeight);
    const double n = p.rust.Fbm(x / 55.0, y / 55.0, 5, 0.55);
    return SmoothStep(0.80, 0.88, n + bias * 0.55);
}

Rgb PlateColour(const Plate& p, double x, double y) {
    const double brushed = p.brush.Fbm(x / 40.0, y * 1.6, 3) - 0.5;
    const double stain = p.stain.Fbm(x / 90.0, y / 90.0, 4) - 0.5;
    const double tone = p.tone.Fbm(x / 14.0, y / 14.0, 3) - 0.5;
    Rgb c = Hex(0x6E7A89) * (1.0 + 0.10 * brushed + 0.22 * stain + 0.08 * tone);
    // Before it rusts, steel goes dull and brownish; that seam softens the patch edges.
    const double rust = RustAmount(p, x, y);
    const double near = SmoothStep(0.0, 1.0, RustAmount(p, x - 4, y - 3) + RustAmount(p, x + 4, y + 3));
    c = Mix(c, Hex(0x6B625A), 0.35 * near);
    if (rust > 0) {
        const double mottle = p.pits.Fbm(x / 6.0, y / 6.0, 3);
        Rgb r = Mix(Hex(0x6E3214), Hex(0xB8682E), mottle);
        // Pitting: dark pocks scattered through the rust.
        if (PixelNoise(0x917, int(x), int(y)) > 0.96) r = r * 0.75;
        c = Mix(c, r, rust);
    }
    return c;
}

// Distance inside the slot's rim, for the bevel round each slot; negative inside the slot.
Rgb SlotRim(Rgb c, int x, int y) {
    for (int left : kSlotLeft) {
        const int right = left + kSlotWidth - 1;
        if (y < kSlotTop - 2 || y > kSlotBottom + 2 || x < left - 2 || x > right + 2) continue;
        // The plate edge at the top and left of a slot faces away from the light.
        if (y < kSlotTop || x < left) return c * 0.55;
        if (y > kSlotBottom || x > right) return c * 1.35;
    }
    return c;
}

Rgb RivetShade(Rgb c, double x, double y) {
    for (const Rivet& r : kRivets) {
        const double dx = x - r.x, dy = y - r.y;
        const double d = std::hypot(dx, dy);
        if (d < 3.6) {
            const double t = d / 3.6;
            const Vec3 n = Normalised({dx / 3.6, dy / 3.6, std::sqrt(std::max(0.0, 1 - t * t)) + 0.2});
            // The glint stays below white: only the title's letters are white on this plate.
            const Rgb c = Hex(0x8894A2) * Lambert(n, 0.3) + Grey(180) * (0.5 * Specular(n, 20));
            return {std::min(c.r, 220.0), std::min(c.g, 220.0), std::min(c.b, 220.0)};
        }
        // Its shadow, down and to the right.
        if (std::hypot(dx - 1.2, dy - 1.4) < 3.6) c = c * 0.7;
    }
    return c;
}

}  // namespace

QImage MakeBoardBackground() {
    const Plate plate;
    QImage img = Supersample(kWidth, kHeight, 2, [&](double x, double y) {
        return RivetShade(PlateColour(plate, x, y), x, y);
    });
    for (int y = 0; y < kHeight; ++y) {
        for (int x = 0; x < kWidth; ++x) {
            Rgb c = FromQRgb(img.pixel(x, y));
            const int edge = std::min(std::min(x, y), std::min(kWidth - 1 - x, kHeight - 1 - y));
            // A soft shadow falls from the black edge a few pixels onto the plate.
            c = c * (0.45 + 0.55 * SmoothStep(kBorder - 1, kBorder + 7, edge));
            c = SlotRim(c, x, y);
            img.setPixel(x, y, ToQRgb(c));
        }
    }
    // The title: the game's name over two lines and the numeral II, centred over the slots.
    QImage title(kWidth, kHeight, QImage::Format_ARGB32_Premultiplied);
    title.fill(Qt::transparent);
    QPainterPath text;
    text.addPath(CentredText(kSerifBold, 27, "SLUI", 442, 46));
    text.addPath(CentredText(kSerifBold, 27, "CERY", 442, 73));
    text.addPath(CentredText(kSerifBold, 27, "II", 442, 100));
    PaintGlowingTitle(title, text, 2.0);
    Composite(img, title);
    img = img.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < kHeight; ++y) {
        for (int x = 0; x < kWidth; ++x) {
            const int edge = std::min(std::min(x, y), std::min(kWidth - 1 - x, kHeight - 1 - y));
            const bool slot = y >= kSlotTop && y <= kSlotBottom &&
                              ((x >= kSlotLeft[0] && x < kSlotLeft[0] + kSlotWidth) ||
                               (x >= kSlotLeft[1] && x < kSlotLeft[1] + kSlotWidth));
            if (edge < kBorder || slot) img.setPixel(x, y, qRgb(0, 0, 0));
        }
    }
    return img;
}

}  // namespace artgen
