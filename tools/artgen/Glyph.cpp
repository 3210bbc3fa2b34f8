#include "Glyph.h"

#include "Colour.h"
#include "Output.h"
#include "Raster.h"

namespace artgen {
namespace {
constexpr int kFactor = 8;
const Rgb kButtonFace = Hex(0xD4D0C8);
constexpr QRgb kEngravedGrey = 0xFF808080;
constexpr QRgb kEngravedWhite = 0xFFFFFFFF;
}  // namespace

QImage RenderGlyph(int width, int height, QRgb key, const Motif& motif, int scale) {
    QImage big = BigCanvas(width * scale, height * scale, kFactor);
    {
        QPainter p(&big);
        p.setRenderHint(QPainter::Antialiasing);
        p.scale(kFactor * scale, kFactor * scale);
        motif(p);
    }
    const QImage small = Shrink(big, kFactor);
    QImage out(small.size(), QImage::Format_RGB32);
    for (int y = 0; y < out.height(); ++y) {
        for (int x = 0; x < out.width(); ++x) {
            const QRgb s = reinterpret_cast<const QRgb*>(small.constScanLine(y))[x];
            const int a = qAlpha(s);
            if (a < 110) {
                out.setPixel(x, y, key);
                continue;
            }
            // Shrink left the colour premultiplied: the motif's own colour is c / alpha.
            const double k = a / 255.0;
            const Rgb own = Rgb{double(qRed(s)), double(qGreen(s)), double(qBlue(s))} * (1.0 / k);
            QRgb c = ToQRgb(Mix(kButtonFace, own, k));
            if (c == key) c ^= 0x010000;  // a motif pixel may come near the key, never onto it
            out.setPixel(x, y, c);
        }
    }
    // The motif must never reach the lower-left pixel: that pixel names the key.
    out.setPixel(0, out.height() - 1, key);
    return out;
}

QImage DisabledLook(const QImage& glyph, QRgb key, int scale) {
    const int w = glyph.width(), h = glyph.height();
    auto motif = [&](int x, int y) {
        return x >= 0 && y >= 0 && x < w && y < h && glyph.pixel(x, y) != key;
    };
    // The dark parts of the motif are engraved in grey with a white edge below and to the
    // right; its light parts (highlights, labels, white fields) turn white, so that nothing
    // inside the motif becomes see-through.
    auto engraved = [&](int x, int y) { return motif(x, y) && qGray(glyph.pixel(x, y)) < 200; };
    QImage out(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            QRgb c = key;
            bool lit = motif(x, y);
            for (int k = 1; k <= scale; ++k) lit = lit || engraved(x - k, y - k);
            if (lit) c = kEngravedWhite;
            if (engraved(x, y)) c = kEngravedGrey;
            out.setPixel(x, y, c);
        }
    }
    out.setPixel(0, h - 1, key);
    return out;
}

QImage WithDisabled(const QImage& glyph, QRgb key, int scale) {
    QImage both(glyph.width() * 2, glyph.height(), QImage::Format_RGB32);
    Blit(both, glyph, 0, 0);
    Blit(both, DisabledLook(glyph, key, scale), glyph.width(), 0);
    return both;
}

void SaveGlyph(const QImage& glyph, QRgb key, int images, const QString& path) {
    QImage indexed = Quantise(glyph, 16, {key});
    // The disabled look is engraved in exact grey and white. Where sixteen colours cannot keep
    // them apart from the motif's own greys, as in the larger glyphs, they get entries of their
    // own.
    bool kept = true;
    const int disabledFrom = images == 2 ? glyph.width() / 2 : glyph.width();
    for (int y = 0; y < glyph.height() && kept; ++y) {
        for (int x = disabledFrom; x < glyph.width() && kept; ++x) {
            const QRgb c = glyph.pixel(x, y) | 0xFF000000u;
            const bool engraved = c == kEngravedGrey || c == kEngravedWhite;
            kept = !engraved || (indexed.pixel(x, y) | 0xFF000000u) == c;
        }
    }
    if (!kept) indexed = Quantise(glyph, 16, {key, kEngravedGrey, kEngravedWhite});
    SaveIndexed(indexed, path);
}

}  // namespace artgen
