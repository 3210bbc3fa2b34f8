// Button glyphs: bitmaps whose lower-left pixel gives the colour that is transparent. A
// bitmap twice as wide as high holds two images side by side, the normal look and the
// disabled look.
#pragma once

#include <QIcon>
#include <QPixmap>
#include <QString>

namespace slcy {

// The picture with its key colour made transparent.
QPixmap LoadGlyph(const QString& resource);

// An icon of one image, or of two (normal, disabled) when `images` is 2.
QIcon GlyphIcon(const QString& resource, int images = 1);

}  // namespace slcy
