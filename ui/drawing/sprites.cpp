#include "sprites.h"

#include <QPainter>

namespace slcy {

namespace {
const char* const kSheetFiles[6] = {
    ":/sprites/pieces.png",     ":/sprites/decor.png",       ":/sprites/wetmarkers.png",
    ":/sprites/background.png", ":/sprites/leveldigits.png", ":/sprites/timedigits.png",
};
const QSize kSheetSizes[6] = {{432, 180}, {288, 288}, {96, 12}, {500, 333}, {148, 20}, {121, 20}};
}  // namespace

SpriteSheets::SpriteSheets() {
    for (int n = 0; n < 6; ++n) {
        QImage image(kSheetFiles[n]);
        // A missing or damaged sheet shows black rather than reading outside a smaller image.
        if (image.size() != kSheetSizes[n]) {
            image = QImage(kSheetSizes[n], QImage::Format_RGB32);
            image.fill(Qt::black);
        }
        sheets_[n] = image.convertToFormat(QImage::Format_RGB32);
    }
}

void CopyRect(QImage& target, QPoint at, const QImage& sheet, QRect source, RasterOp op) {
    source &= sheet.rect();
    if (source.isEmpty()) return;
    QPainter p(&target);
    switch (op) {
        case RasterOp::Copy: p.setCompositionMode(QPainter::CompositionMode_Source); break;
        case RasterOp::And: p.setCompositionMode(QPainter::RasterOp_SourceAndDestination); break;
        case RasterOp::Or: p.setCompositionMode(QPainter::RasterOp_SourceOrDestination); break;
    }
    p.drawImage(at, sheet, source);
}

}  // namespace slcy
