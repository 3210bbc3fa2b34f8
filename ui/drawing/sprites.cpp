#include "sprites.h"

#include <QPainter>

#include "AssetPaths.h"
#include "board_layout.h"

namespace slcy {

SpriteSheets::SpriteSheets() {
    for (int n = 0; n < 6; ++n) Keep(n, QImage(QString::fromLatin1(assets::kSpriteSheets[n].Path)));
}

SpriteSheets::SpriteSheets(const std::array<QImage, 6>& sheets) {
    for (int n = 0; n < 6; ++n) Keep(n, sheets[n]);
}

void SpriteSheets::Keep(int n, const QImage& image) {
    const QSize size(assets::kSpriteSheets[n].Width, assets::kSpriteSheets[n].Height);
    if (image.size() == size) {
        sheets_[n] = image.convertToFormat(QImage::Format_RGB32);
        return;
    }
    sheets_[n] = QImage(size, QImage::Format_RGB32);
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

void DrawMarker(QImage& target, QPoint at, const QImage& strip, int markerFrame) {
    CopyRect(target, at, strip, {kMarkerSize * kMarkerMask, 0, kMarkerSize, kMarkerSize},
             RasterOp::And);
    CopyRect(target, at, strip, {kMarkerSize * markerFrame, 0, kMarkerSize, kMarkerSize},
             RasterOp::Or);
}

}  // namespace slcy
