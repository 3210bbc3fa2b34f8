// The decoration tiles, drawn picture by picture: a picture that spans several tiles is drawn
// whole and cut up afterwards, so its tiles join without a seam.
#pragma once

#include <QImage>

#include "Colour.h"

namespace artgen {

// Raised edge round a whole picture: lighter towards the upper left, darker towards the lower
// right, fading over `width` pixels.
void BevelEdges(QImage& img, double width, double strength);

// Stone, chalk and rust (DecorStone.cpp).
QImage ChalkSlab(std::uint64_t seed, bool mirrored);  // 108 x 108
QImage StoneStrip(std::uint64_t seed, int width, int height);
QImage RustBlock();  // 108 x 108

// Metals, marbles, granite and wood (DecorTextures.cpp).
QImage LumpyMetal();                                  // 36 x 72
QImage WhiteMarble();                                 // 144 x 36
QImage GoldVeinedMarble(double lightness, int tile);  // 36 x 36, lightness 0..1
QImage GoldMottledMarble(double lightness, int tile);
QImage Granite(Rgb base, Rgb fleck, std::uint64_t seed);
QImage Wood(bool vertical);
QImage Planks(bool vertical);
QImage WovenTexture();

// Made tiles: mosaics, glazes and frames (DecorTiles.cpp).
QImage StarMosaic();
QImage GlazedTile();
QImage NestedSquares();
QImage BlueQuarterTile();
QImage SilverPlate();
QImage VioletMosaic();

}  // namespace artgen
