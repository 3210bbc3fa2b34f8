// The six sprite sheets everything on the board and in the counters is copied from, and the
// three ways a rectangle is copied: plain, AND and OR.
#pragma once

#include <QImage>
#include <QPoint>
#include <QRect>
#include <array>

namespace slcy {

enum SpriteSheet : int {
    PieceSheet = 0,      // 12 turn frames x 5 kinds of 36 x 36
    DecorSheet = 1,      // 8 x 8 tiles of 36 x 36
    WetMarkerStrip = 2,  // 8 markers of 12 x 12
    BoardBackground = 3, // 500 x 333, the board area
    LevelDigitStrip = 4, // 11 cells of 11 x 20, a gap, two faces of 13 x 20
    TimeDigitStrip = 5,  // 11 cells of 11 x 20
};

enum class RasterOp { Copy, And, Or };

class SpriteSheets {
public:
    // Loads the sheets from the program's resources, as 32-bit RGB so that AND and OR work on
    // every pixel exactly.
    SpriteSheets();
    const QImage& operator[](SpriteSheet n) const { return sheets_[n]; }

private:
    std::array<QImage, 6> sheets_;
};

// Copies `source` (a rectangle of `sheet`, cut to the sheet) to `at` in `target`.
void CopyRect(QImage& target, QPoint at, const QImage& sheet, QRect source, RasterOp op);

}  // namespace slcy
