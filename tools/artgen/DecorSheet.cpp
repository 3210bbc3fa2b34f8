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
// The sheet tells the scale it is drawn at: eight tiles across.
void Place(QImage& sheet, const QImage& picture, int value) {
    const int tile = sheet.width() / 8;
    Blit(sheet, picture.convertToFormat(QImage::Format_RGB32), tile * (value & 7),
         tile * (value >> 3));
}
void Place(QImage& sheet, const QImage& picture, slcy::assets::DecorPictureId id) {
    const slcy::assets::DecorPicture& at = slcy::assets::kDecorPictures[id];
    const int tile = sheet.width() / 8;
    if (picture.size() != QSize(tile * at.Columns, tile * at.Rows))
        slcy::tools::Die(QStringLiteral("artgen"),
                         QStringLiteral("the %1 is not %2 x %3 tiles")
                             .arg(QLatin1String(at.Name))
                             .arg(at.Columns)
                             .arg(at.Rows));
    Place(sheet, picture, at.First);
}
}  // namespace

QImage MakeDecorSheet(int scale) {
    QImage sheet(8 * kTile * scale, 8 * kTile * scale, QImage::Format_RGB32);
    sheet.fill(Qt::black);  // value 7 stays black: the board shows its background there
    using namespace slcy::assets;
    Place(sheet, ChalkSlab(0xC4A1, false, scale), kFirstHeadSlab);
    Place(sheet, StoneStrip(0xC4A2, 36, 108, scale), kUprightStoneStrip);
    Place(sheet, ChalkSlab(0xC4A3, true, scale), kSecondHeadSlab);
    Place(sheet, LumpyMetal(scale), kMetal);
    Place(sheet, StoneStrip(0xC4A4, 144, 36, scale), kLyingStoneStrip);
    Place(sheet, WhiteMarble(scale), kWhiteMarble);
    for (int i = 0; i < 5; ++i) {
        Place(sheet, GoldVeinedMarble(i / 4.0, i, scale), 32 + i);
        Place(sheet, GoldMottledMarble(i / 4.0, i, scale), 40 + i);
    }
    Place(sheet, RustBlock(scale), kRustBlock);
    Place(sheet, Granite(Hex(0x86809A), Hex(0xA294B8), 0x62A1, scale), 48);
    Place(sheet, Wood(true, scale), 49);
    Place(sheet, StarMosaic(scale), 50);
    Place(sheet, Wood(false, scale), 51);
    Place(sheet, GlazedTile(scale), 52);
    Place(sheet, Planks(true, scale), 56);
    Place(sheet, Planks(false, scale), 57);
    Place(sheet, NestedSquares(scale), 58);
    Place(sheet, WovenTexture(scale), 59);
    Place(sheet, Granite(Hex(0xC47A80), Hex(0xE09AA0), 0x62A2, scale), 60);
    Place(sheet, BlueQuarterTile(scale), 61);
    Place(sheet, SilverPlate(scale), 62);
    Place(sheet, VioletMosaic(scale), 63);
    return sheet;
}

}  // namespace artgen
