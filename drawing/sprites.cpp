#include "sprites.h"

#include <QPainter>

#include "AssetPaths.h"
#include "TwiceSizeArt.h"
#include "art_files.h"
#include "board_layout.h"

namespace slcy {

namespace {
// Three bytes a pixel, not four: the sheets hold only opaque colours, which every copy and
// raster operation reads back as exactly the 32-bit pixel it was; a quarter less memory.
constexpr QImage::Format kSheetFormat = QImage::Format_RGB888;
}  // namespace

// The sheet table says how large the files are; the board's layout, what they hold.
static_assert(assets::kBoardBackground.Width == kBoardWidth &&
              assets::kBoardBackground.Height == kBoardHeight);
static_assert(assets::kPieceSheet.Width == 12 * kCellSize &&
              assets::kPieceSheet.Height == 5 * kCellSize);

SpriteSheets::SpriteSheets(int scale) : scale_(scale) {
    for (int n = 0; n < 6; ++n)
        StoreSheet(n, ReadArt(assets::AtScale(assets::kSpriteSheets[n].Path, scale)));
}

SpriteSheets::SpriteSheets(const std::array<QImage, 6>& sheets, int scale) : scale_(scale) {
    for (int n = 0; n < 6; ++n) StoreSheet(n, sheets[n]);
}

void SpriteSheets::StoreSheet(int n, const QImage& image) {
    const QSize size =
        QSize(assets::kSpriteSheets[n].Width, assets::kSpriteSheets[n].Height) * scale_;
    if (image.size() == size) {
        sheets_[n] = image.convertToFormat(kSheetFormat);
        return;
    }
    sheets_[n] = QImage(size, kSheetFormat);
    sheets_[n].fill(Qt::black);
}

void CopyRect(QImage& target, QPoint at, const QImage& sheet, QRect source, RasterOp op) {
    source &= sheet.rect();
    if (source.isEmpty()) return;
    QPainter p(&target);
    switch (op) {
        case RasterOp::Copy:
            p.setCompositionMode(QPainter::CompositionMode_Source);
            break;
        case RasterOp::And:
            p.setCompositionMode(QPainter::RasterOp_SourceAndDestination);
            break;
        case RasterOp::Or:
            p.setCompositionMode(QPainter::RasterOp_SourceOrDestination);
            break;
    }
    p.drawImage(at, sheet, source);
}

void DrawMarker(QImage& target, QPoint at, const QImage& strip, int markerFrame, int scale) {
    const int size = kMarkerSize * scale;
    CopyRect(target, at, strip, {size * kMarkerMask, 0, size, size}, RasterOp::And);
    CopyRect(target, at, strip, {size * markerFrame, 0, size, size}, RasterOp::Or);
}

int ArtScaleFor(double ratio, const QString& programDirectory) {
    if (ratio < assets::kTwiceSizeFromRatio) return 1;
    return assets::RegisterTwiceSizeArt(programDirectory) ? 2 : 1;
}

}  // namespace slcy
