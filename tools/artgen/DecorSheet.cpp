// The 8 x 8 decoration tiles. Pictures larger than one tile are drawn whole and placed where
// the decoration layout (assets/DecorLayout.h) says their tiles lie.
#include "Decor.h"
#include "DecorLayout.h"
#include "Raster.h"
#include "Sheets.h"
#include "command_line.h"

namespace artgen {
namespace {
constexpr int kTile = 36;
void Place(QImage& sheet, const QImage& picture, int value) {
    Blit(sheet, picture.convertToFormat(QImage::Format_RGB32), kTile * (value & 7),
         kTile * (value >> 3));
}
void Place(QImage& sheet, const QImage& picture, slcy::assets::DecorPictureId id) {
    const slcy::assets::DecorPicture& at = slcy::assets::kDecorPictures[id];
    if (picture.size() != QSize(kTile * at.Columns, kTile * at.Rows))
        slcy::tools::Die(QStringLiteral("artgen"),
                         QStringLiteral("the %1 is not %2 x %3 tiles")
                             .arg(QLatin1String(at.Name))
                             .arg(at.Columns)
                             .arg(at.Rows));
    Place(sheet, picture, at.First);
}
}  // namespace

QImage MakeDecorSheet() {
    QImage sheet(8 * kTile, 8 * kTile, QImage::Format_RGB32);
    sheet.fill(Qt::black);  // value 7 stays black: the board shows its background there
    using namespace slcy::assets;
    Place(sheet, ChalkSlab(0xC4A1, false), kFirstHeadSlab);
    Place(sheet, StoneStrip(0xC4A2, 36, 108), kUprightStoneStrip);
    Place(sheet, ChalkSlab(0xC4A3, true), kSecondHeadSlab);
    Place(sheet, LumpyMetal(), kMetal);
    Place(sheet, StoneStrip(0xC4A4, 144, 36), kLyingStoneStrip);
    Place(sheet, WhiteMarble(), kWhiteMarble);
    for (int i = 0; i < 5; ++i) {
        Place(sheet, GoldVeinedMarble(i / 4.0, i), 32 + i);
        Place(sheet, GoldMottledMarble(i / 4.0, i), 40 + i);
    }
    Place(sheet, RustBlock(), kRustBlock);
    Place(sheet, Granite(Hex(0x86809A), Hex(0xA294B8), 0x62A1), 48);
    Place(sheet, Wood(true), 49);
    Place(sheet, StarMosaic(), 50);
    Place(sheet, Wood(false), 51);
    Place(sheet, GlazedTile(), 52);
    Place(sheet, Planks(true), 56);
    Place(sheet, Planks(false), 57);
    Place(sheet, NestedSquares(), 58);
    Place(sheet, WovenTexture(), 59);
    Place(sheet, Granite(Hex(0xC47A80), Hex(0xE09AA0), 0x62A2), 60);
    Place(sheet, BlueQuarterTile(), 61);
    Place(sheet, SilverPlate(), 62);
    Place(sheet, VioletMosaic(), 63);
    return sheet;
}

}  // namespace artgen
