// The board: a weathered steel plate with rust creeping in from the lower right, a black
// edge, two slots for the gauge and the level bar, and the title at the upper right.
#include <array>
#include <cmath>

#include "Lettering.h"
#include "Noise.h"
#include "Raster.h"
#include "Shading.h"
#include "Sheets.h"
#include "board_layout.h"

namespace artgen {
namespace {

using slcy::kSlotTop, slcy::kSlotWidth;
constexpr int kWidth = slcy::kBoardWidth;
constexpr int kHeight = slcy::kBoardHeight;
constexpr int kBorder = 4;
constexpr int kSlotBottom = kSlotTop + slcy::kSlotHeight - 1;  // the last row inside
constexpr std::array<int, 2> kSlotLeft = {slcy::kGaugeSlotLeft, slcy::kLevelBarSlotLeft};

struct Rivet {
    double x, y;
};
// Rivets only where no cell will ever be: in the frame round the playfield and by the title.
constexpr std::array<Rivet, 8> kRivets = {{
    {12.5, 12.5}, {391.5, 12.5}, {487.5, 12.5}, {12.5, 320.5},
    {391.5, 320.5}, {487.5, 320.5}, {391.5, 166.5}, {487.5, 166.5},
}};

struct Plate {
    explicit Plate(int scale)
        : stain(0xB0A4D01, scale),
          brush(0xB0A4D02, scale),
          rust(0xB0A4D03, scale),
          pits(0xB0A4D04, scale),
          tone(0xB0A4D05, scale) {}
    ValueNoise stain, brush, rust, pits, tone;
};

// How rusty the plate is at x, y: rust gathers towards the bottom and the lower right.
double RustAmount(const Plate& p, double x, double y) {
    const double bias = 0.42 * (y / kHeight) + 0.30 * (x / kWidth) + 0.18 * (x / kWidth) * (y / kHeight);
    const double n = p.rust.Fbm(x / 55.0, y / 55.0, 5, 0.55);
    return SmoothStep(0.80, 0.88, n + bias * 0.55);
}

Rgb PlateColour(const Plate& p, double x, double y, int scale) {
    // At 1x the brushing and the finest tone are grain below the pixels; drawn larger they keep
    // to what can be drawn as lines and shades, not noise.
    const bool fine = scale > 1;
    const double brushed =
        fine ? p.brush.Fbm(x / 40.0, y * 0.8, 2) - 0.5 : p.brush.Fbm(x / 40.0, y * 1.6, 3) - 0.5;
    const double stain = p.stain.Fbm(x / 90.0, y / 90.0, 4) - 0.5;
    const double tone = p.tone.Fbm(x / 14.0, y / 14.0, fine ? 2 : 3) - 0.5;
    Rgb c = Hex(0x6E7A89) * (1.0 + 0.10 * brushed + 0.22 * stain + 0.08 * tone);
    // Before it rusts, steel goes dull and brownish; that seam softens the patch edges.
    const double rust = RustAmount(p, x, y);
    const double near = SmoothStep(0.0, 1.0, RustAmount(p, x - 4, y - 3) + RustAmount(p, x + 4, y + 3));
    c = Mix(c, Hex(0x6B625A), 0.35 * near);
    if (rust > 0) {
        const double mottle = p.pits.Fbm(x / 6.0, y / 6.0, fine ? 2 : 3);
        Rgb r = Mix(Hex(0x6E3214), Hex(0xB8682E), mottle);
        // Pitting: dark pocks scattered through the rust.
        if (SpeckAt(0x917, x, y, scale) > 0.96) r = r * 0.75;
        c = Mix(c, r, rust);
    }
    return c;
}

// Whether output pixel x, y of the plate drawn `scale` times as large lies in a slot.
bool InSlot(int x, int y, int scale) {
    if (y < kSlotTop * scale || y >= (kSlotBottom + 1) * scale) return false;
    for (int left : kSlotLeft) {
        if (x >= left * scale && x < (left + kSlotWidth) * scale) return true;
    }
    return false;
}

// The bevel two design pixels wide round each slot, at output pixel x, y.
Rgb SlotRim(Rgb c, int x, int y, int scale) {
    const int rim = 2 * scale;
    const int top = kSlotTop * scale, bottom = (kSlotBottom + 1) * scale - 1;
    for (int slotLeft : kSlotLeft) {
        const int left = slotLeft * scale, right = (slotLeft + kSlotWidth) * scale - 1;
        if (y < top - rim || y > bottom + rim || x < left - rim || x > right + rim) continue;
        // The plate edge at the top and left of a slot faces away from the light.
        if (y < top || x < left) return c * 0.55;
        if (y > bottom || x > right) return c * 1.35;
    }
    return c;
}

Rgb RivetShade(Rgb c, double x, double y, int scale) {
    for (const Rivet& r : kRivets) {
        const double dx = x - r.x, dy = y - r.y;
        const double d = std::hypot(dx, dy);
        if (d < 3.6) {
            const double t = d / 3.6;
            const Vec3 n = Normalised({dx / 3.6, dy / 3.6, std::sqrt(std::max(0.0, 1 - t * t)) + 0.2});
            // The glint stays below white: only the title's letters are white on this plate.
            Rgb c = Hex(0x8894A2) * Lambert(n, 0.3) + Grey(180) * (0.5 * Specular(n, 20));
            // From 2x on the head shows the groove where it was pressed into the plate.
            if (scale > 1 && d > 3.15) c = c * 0.62;
            return {std::min(c.r, 220.0), std::min(c.g, 220.0), std::min(c.b, 220.0)};
        }
        // Its shadow, down and to the right.
        if (std::hypot(dx - 1.2, dy - 1.4) < 3.6) c = c * 0.7;
    }
    return c;
}

}  // namespace

QImage MakeBoardBackground(int scale) {
    const Plate plate(scale);
    QImage img = Supersample(
        kWidth, kHeight, 2,
        [&](double x, double y) {
            return RivetShade(PlateColour(plate, x, y, scale), x, y, scale);
        },
        scale);
    const int width = img.width(), height = img.height();
    auto edgeDistance = [&](int x, int y) {
        return std::min(std::min(x, y), std::min(width - 1 - x, height - 1 - y));
    };
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            Rgb c = FromQRgb(img.pixel(x, y));
            // A soft shadow falls from the black edge a few pixels onto the plate.
            c = c * (0.45 + 0.55 * SmoothStep((kBorder - 1) * scale, (kBorder + 7) * scale,
                                              edgeDistance(x, y)));
            c = SlotRim(c, x, y, scale);
            img.setPixel(x, y, ToQRgb(c));
        }
    }
    // The title: the game's name over two lines and the numeral II, centred over the slots,
    // lettered from the font at the size it is shown.
    QImage title(width, height, QImage::Format_ARGB32_Premultiplied);
    title.fill(Qt::transparent);
    QPainterPath text;
    text.addPath(CentredText(kSerifBold, 27 * scale, "SLUI", 442 * scale, 46 * scale));
    text.addPath(CentredText(kSerifBold, 27 * scale, "CERY", 442 * scale, 73 * scale));
    text.addPath(CentredText(kSerifBold, 27 * scale, "II", 442 * scale, 100 * scale));
    PaintGlowingTitle(title, text, 2.0 * scale);
    Composite(img, title);
    img = img.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            if (edgeDistance(x, y) < kBorder * scale || InSlot(x, y, scale))
                img.setPixel(x, y, qRgb(0, 0, 0));
        }
    }
    return img;
}

}  // namespace artgen
