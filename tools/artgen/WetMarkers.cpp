// The water markers: the dry opening, four steps of water welling up, the wet disc, the mask
// and a red disc nobody draws. Only the disc's 112 pixels ever reach the board, so everything
// outside it is black in the colour cells and white in the mask.
#include <cmath>

#include "Opening.h"
#include "Raster.h"
#include "Sheets.h"

namespace artgen {
namespace {

constexpr int kMarker = 12;

// The wet look: darker green at the rim, pale green-white towards the middle, with a glint
// where the light from the upper left falls on the water.
Rgb Water(double dx, double dy) {
    const double r = std::hypot(dx, dy) / 6.0;
    Rgb c = Mix(Hex(0xD8FFCC), Hex(0x3EDC3A), SmoothStep(0.05, 0.65, r));
    c = Mix(c, Hex(0x137A1C), SmoothStep(0.62, 1.02, r));
    const double glint = std::hypot(dx + 1.9, dy + 2.1);
    return Mix(c, Hex(0xF4FFF0), 0.75 * (1 - SmoothStep(0.4, 1.5, glint)));
}

// Water welling up out of the dark opening: a green glow of radius `reach`; a dark ring is
// left between the glow and the rim until the water fills the opening.
Rgb Welling(double dx, double dy, double reach, double brightness) {
    const double r = std::hypot(dx, dy);
    const double glow = 1.0 - SmoothStep(reach * 0.55, reach, r);
    const Rgb green = Mix(Hex(0xC8FFB8), Hex(0x2FB52F), SmoothStep(0, reach, r));
    return Mix(HoleColour(dx, dy), green * brightness, glow);
}

Rgb CellColour(int cell, double dx, double dy) {
    switch (cell) {
        case 0: return HoleColour(dx, dy);
        case 1: return Welling(dx, dy, 2.2, 1.0);
        case 2: return Welling(dx, dy, 3.4, 1.0);
        case 3: return Welling(dx, dy, 4.6, 1.0);
        case 4: return Mix(Welling(dx, dy, 6.4, 1.0), Water(dx, dy), 0.35);
        default: return Water(dx, dy);
    }
}

}  // namespace

QImage MakeWetMarkerStrip(int scale) {
    const int size = kMarker * scale;
    QImage strip(8 * size, size, QImage::Format_RGB32);
    strip.fill(Qt::black);
    for (int cell = 0; cell <= 5; ++cell) {
        // The same 4 x 4 samples per pixel as the piece sheet, so the dry cell repeats the
        // piece's opening pixel for pixel.
        const QImage img = Supersample(
            kMarker, kMarker, 4,
            [&](double x, double y) { return CellColour(cell, x - 6.0, y - 6.0); }, scale);
        for (int y = 0; y < size; ++y) {
            for (int x = 0; x < size; ++x) {
                if (!InMarkerDisc(x, y, scale)) continue;
                QRgb c = img.pixel(x, y);
                // Pure black inside would punch a hole through the OR; it never happens with
                // these colours, but the rule is worth keeping by construction.
                if ((c & 0xFFFFFFu) == 0) c = qRgb(1, 1, 1);
                strip.setPixel(cell * size + x, y, c);
            }
        }
    }
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            const bool in = InMarkerDisc(x, y, scale);
            strip.setPixel(6 * size + x, y, in ? qRgb(0, 0, 0) : qRgb(255, 255, 255));
            strip.setPixel(7 * size + x, y, in ? qRgb(0xFF, 0x19, 0x19) : qRgb(0, 0, 0));
        }
    }
    return strip;
}

}  // namespace artgen
