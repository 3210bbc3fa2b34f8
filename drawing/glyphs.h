// Button glyphs: bitmaps whose lower-left pixel gives the colour that is transparent. A glyph of
// two images holds the normal look and the disabled look side by side. Which glyphs there are,
// and their sizes, is the table in assets/AssetPaths.h.
#pragma once

#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <QSize>
#include <QString>
#include <string_view>

namespace slcy {

// The picture with every pixel of its key colour made transparent (ARGB32).
QImage WithoutKeyColour(const QImage& glyph);

// The icon of the glyph of that name: its one image, or its normal and disabled looks; with
// their twins drawn at twice the size where the art at that size is registered, which Qt
// shows on screens of that density.
QIcon ButtonIcon(std::string_view glyphName);

// The window's icon, with its twin at twice the size where that is registered.
QIcon WindowIcon();

// A picture of the art (the splash, the information dialog's), its twin at twice the size
// where that is registered.
QPixmap Picture(const char* resource);
// The size of one image of the glyph of that name.
QSize ButtonIconSize(std::string_view glyphName);

}  // namespace slcy
