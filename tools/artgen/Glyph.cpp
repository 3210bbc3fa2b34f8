#include "Glyph.h"

#include "Colour.h"
#include "Output.h"
#include "Raster.h"

namespace artgen {
namespace {
constexpr int kFactor = 8;
const Rgb kButtonFace = Hex(0xD4D0C8);
}  // namespace

QImage RenderGlyph(int width, int height, QRgb key, const Motif& motif) {
    QImage big = BigCanvas(width, height, kFactor);
    {
        QPainter p(&big);
        p.setRenderHint(QPainter::Antialiasing);
        p.scale(kFactor, kFactor);
        motif(p);
    }
    const QImage small = Shrink(big, kFactor);
    QImage out(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
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
    out.setPixel(0, height - 1, key);
    return out;
}

QImage DisabledLook(const QImage& glyph, QRgb key) {
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
            if (motif(x, y) || engraved(x - 1, y - 1)) c = qRgb(255, 255, 255);
            if (engraved(x, y)) c = qRgb(128, 128, 128);
            out.setPixel(x, y, c);
        }
    }
    out.setPixel(0, h - 1, key);
    return out;
}

QImage WithDisabled(const QImage& glyph, QRgb key) {
    QImage both(glyph.width() * 2, glyph.height(), QImage::Format_RGB32);
    Blit(both, glyph, 0, 0);
    Blit(both, DisabledLook(glyph, key), glyph.width(), 0);
    return both;
}

void SaveGlyph(const QImage& glyph, QRgb key, const QString& path) {
    SaveIndexed(Quantise(glyph, 16, {key}), path);
}

}  // namespace artgen
