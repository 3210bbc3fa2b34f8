// Reading the committed asset files, and the few colour questions the tests ask of them.
#pragma once

#include <gtest/gtest.h>

#include <QByteArray>
#include <QImage>
#include <QSet>
#include <QString>
#include <cstdint>
#include <string>

#include "AssetPaths.h"

namespace assettest {

using namespace slcy::assets;

// The committed file at this path below assets/.
QString AssetPath(const QString& relative);
// The committed file behind a resource path of the table in AssetPaths.h.
QString CommittedFile(const std::string& resource);
// Loads the committed PNG behind a resource path; fails the calling test if it cannot be read.
QImage LoadPng(const std::string& resource);
QByteArray ReadFile(const QString& path);

// What a PNG file says about itself in its header: 2 RGB, 3 palette, 6 RGBA, and so on.
struct PngHeader {
    int width = 0, height = 0, bitDepth = 0, colourType = -1;
    bool hasTransparencyChunk = false;
};
PngHeader ReadPngHeader(const std::string& resource);

// The art's rules hold at both scales, the 2x art in doubled coordinates: a suite of them is
// written once on this fixture and run at 1x and 2x (INSTANTIATE_AT_BOTH_SCALES).
class ScaledArt : public ::testing::TestWithParam<int> {
  protected:
    int Scale() const { return GetParam(); }
    // The resource at this test's scale.
    std::string At(const std::string& resource) const { return AtScale(resource, Scale()); }
};
std::string ScaleName(const ::testing::TestParamInfo<int>& info);  // "1x", "2x"
#define INSTANTIATE_AT_BOTH_SCALES(Suite) \
    INSTANTIATE_TEST_SUITE_P(Art, Suite, ::testing::ValuesIn(kArtScales), ScaleName)

// Colour questions.
int Distance(QRgb a, QRgb b);  // largest difference of one channel
// The colours of the image's pixels, taken as opaque unless `withAlpha`.
QSet<QRgb> ColoursUsed(const QImage& image, bool withAlpha = false);
bool IsBlack(QRgb c);
bool IsSand(QRgb c);    // the light sand ground round every piece
bool IsCopper(QRgb c);  // the copper of a pipe stub: clearly red-brown, not sand or steel

}  // namespace assettest
