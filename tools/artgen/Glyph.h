// Button glyphs: small opaque bitmaps whose lower-left pixel names the colour that the window
// turns transparent. Motifs are painted large and shrunk; a pixel the motif covers less than
// half stays the key colour, and the edge pixels are blended towards a button grey so that
// they look right once the key is gone.
#pragma once

#include <QImage>
#include <QPainter>
#include <QString>
#include <functional>

namespace artgen {

inline constexpr QRgb kKeyOlive = 0xFF808000;
inline constexpr QRgb kKeyCyan = 0xFF00FFFF;
inline constexpr QRgb kKeyGrey = 0xFFC0C0C0;

// Paints the motif in glyph pixel coordinates; the painter is already scaled and antialiased.
using Motif = std::function<void(QPainter&)>;

// An opaque RGB glyph of width x height design pixels, drawn `scale` times as large, with the
// motif on the key colour.
QImage RenderGlyph(int width, int height, QRgb key, const Motif& motif, int scale);

// The disabled look of a glyph drawn at `scale`: its shape embossed in grey with a white shadow
// one design pixel wide, as buttons have always shown it.
QImage DisabledLook(const QImage& glyph, QRgb key, int scale);

// Normal and disabled look side by side, as two-image buttons expect them.
QImage WithDisabled(const QImage& glyph, QRgb key, int scale);

// Saves a glyph of `images` images as a 16-colour palette bitmap; the key colour is the first
// entry.
void SaveGlyph(const QImage& glyph, QRgb key, int images, const QString& path);

}  // namespace artgen
