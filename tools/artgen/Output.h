// Writing finished pictures: plain RGB, or a palette of our choosing.
#pragma once

#include <QImage>
#include <QString>
#include <vector>

namespace artgen {

// Saves as 24-bit RGB PNG (any alpha is dropped). Exits with a message on failure.
void SaveRgb(const QImage& image, const QString& path);
// Saves an 8-bit palette PNG exactly as given (palette entries with alpha become tRNS).
void SaveIndexed(const QImage& indexed, const QString& path);
// Saves with an alpha channel, for the desktop icons.
void SaveArgb(const QImage& image, const QString& path);

// Reduces an opaque RGB picture to at most `colours` colours by median cut, without
// dithering. Entries of `fixed` come first in the palette and take only the pixels of
// exactly their colour, so a glyph's key colour never swallows a motif pixel near it.
QImage Quantise(const QImage& rgb, int colours, const std::vector<QRgb>& fixed = {});

// Maps every pixel to the palette entry nearest in colour; the first `exactOnly` entries
// take only pixels of exactly their colour.
QImage ToPalette(const QImage& rgb, const std::vector<QRgb>& palette, int exactOnly = 0);

}  // namespace artgen
