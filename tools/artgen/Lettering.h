// Lettering from font files named by path, so that no font matching can change a pixel.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QPainterPath>
#include <QString>

namespace artgen {

inline const QString kSerifBold = "/usr/share/fonts/truetype/liberation/LiberationSerif-Bold.ttf";
inline const QString kSansBold = "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf";
inline const QString kSerifBoldDejaVu = "/usr/share/fonts/truetype/dejavu/DejaVuSerif-Bold.ttf";

// The pixels of the lettering depend on these files, which come from the system: the art
// records their checksums beside itself, as `sha256sum` writes them ("missing" for a file that
// is not there), so that a changed font is told apart from a changed generator.
QByteArray FontChecksums();

// The outline of `text` at `pixelSize`, with its baseline at y 0 and starting at x 0.
// Exits with a message when the font file is missing.
QPainterPath TextPath(const QString& fontFile, double pixelSize, const QString& text);

// The same, moved so that its ink is centred horizontally on `centreX` with the baseline at y.
QPainterPath CentredText(const QString& fontFile, double pixelSize, const QString& text,
                         double centreX, double baseline);

// Paints the path as white letters with a glowing red outline, the way the game's title is
// always shown. `glow` is the blur radius in pixels of `image`.
void PaintGlowingTitle(QImage& image, const QPainterPath& path, double glow);

}  // namespace artgen
