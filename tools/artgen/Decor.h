// The decoration tiles, drawn picture by picture: a picture that spans several tiles is drawn
// whole and cut up afterwards, so its tiles join without a seam. Sizes are in design pixels (the
// 1x art's); each picture is drawn `scale` times as large.
#pragma once

#include <QImage>

#include "Colour.h"

namespace artgen {

// Raised edge round a whole picture: lighter towards the upper left, darker towards the lower
// right, fading over `width` pixels.
void BevelEdges(QImage& img, double width, double strength);

// Stone, chalk and rust (DecorStone.cpp).
QImage ChalkSlab(std::uint64_t seed, bool mirrored, int scale);  // 108 x 108
QImage StoneStrip(std::uint64_t seed, int width, int height, int scale);
QImage RustBlock(int scale);  // 108 x 108

// Metals, marbles, granite and wood (DecorTextures.cpp).
QImage LumpyMetal(int scale);                                    // 36 x 72
QImage WhiteMarble(int scale);                                   // 144 x 36
QImage GoldVeinedMarble(double lightness, int tile, int scale);  // 36 x 36, lightness 0..1
QImage GoldMottledMarble(double lightness, int tile, int scale);
QImage Granite(Rgb base, Rgb fleck, std::uint64_t seed, int scale);
QImage Wood(bool vertical, int scale);
QImage Planks(bool vertical, int scale);
QImage WovenTexture(int scale);

// Made tiles: mosaics, glazes and frames (DecorTiles.cpp).
QImage StarMosaic(int scale);
QImage GlazedTile(int scale);
QImage NestedSquares(int scale);
QImage BlueQuarterTile(int scale);
QImage SilverPlate(int scale);
QImage VioletMosaic(int scale);

}  // namespace artgen
