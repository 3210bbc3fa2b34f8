// The pictures of the help pages, cut from the game's own art: the sprite sheet of the pieces,
// the strip of wet markers and the tool bar glyphs. Every picture is made with the game's own
// drawing, so the pages show exactly what the player sees.
#pragma once

#include <QImage>
#include <QList>

namespace slcy::helppics {

// A resting piece of kind 1..5 at orientation 0..3, as the sheet holds it; the 1x or the 2x
// sheet, told apart by its size.
QImage RestingPiece(const QImage& pieces, int kind, int orientation);

// A piece that carries water: the wet disc put over its opening through the mask. The strip of
// markers is the 1x or the 2x one, told apart by its size, to go with the piece.
QImage WetPiece(const QImage& piece, const QImage& markers);

// Pictures side by side, top-aligned.
QImage Row(const QList<QImage>& pictures);

// The normal look of a tool bar glyph: the first of its `images` side-by-side pictures, with
// the colour of the glyph's lower-left pixel made transparent.
QImage GlyphPicture(const QImage& glyph, int images);

}  // namespace slcy::helppics
