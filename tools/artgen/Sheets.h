// Everything artgen draws, one function per picture.
#pragma once

#include <QImage>
#include <QString>
#include <array>

namespace artgen {

// Every picture is drawn at `scale` (1, or 2 for screens that scale by 2): the same design,
// `scale` times as wide and high, drawn afresh with the detail that size has room for.

// The six sprite sheets of the board and the counters.
QImage MakePieceSheet(int scale);
QImage MakeDecorSheet(int scale);
QImage MakeWetMarkerStrip(int scale);
QImage MakeBoardBackground(int scale);
QImage MakeLevelDigitStrip(int scale);  // 8-bit palette
QImage MakeTimeDigitStrip(int scale);   // 8-bit palette

// The window icon, 32 design pixels in sixteen colours, one of them transparent.
QImage MakeWindowIcon(int scale);
// The icon for the desktop at one of its sizes: a smooth rendering of the same motif with an
// alpha channel.
QImage MakeDesktopIcon(int size);

// Button glyphs and the two pictures of the splash and info windows; each writes its files
// under `out`.
void WriteGlyphs(const QString& out, int scale);
void WritePictures(const QString& out, int scale);

// A board drawn from the six sheets (in the game's order) the way the game draws it, at twice
// the size.
QImage ComposePreviewBoard(const std::array<QImage, 6>& sheets);

}  // namespace artgen
