// Everything artgen draws, one function per picture.
#pragma once

#include <QImage>
#include <QString>
#include <array>

namespace artgen {

// The six sprite sheets of the board and the counters.
QImage MakePieceSheet();
QImage MakeDecorSheet();
QImage MakeWetMarkerStrip();
QImage MakeBoardBackground();
QImage MakeLevelDigitStrip();  // 8-bit palette
QImage MakeTimeDigitStrip();   // 8-bit palette

// The window icon at one of its sizes: 32 is the 16-colour original, the others are smooth
// renderings of the same motif with an alpha channel.
QImage MakeIcon(int size);

// Button glyphs and the two pictures of the splash and info windows; each writes its files
// under `out`.
void WriteGlyphs(const QString& out);
void WritePictures(const QString& out);

// A board drawn from the six sheets (in the game's order) the way the game draws it, at twice
// the size.
QImage ComposePreviewBoard(const std::array<QImage, 6>& sheets);

}  // namespace artgen
