// The six sprite sheets everything on the board and in the counters is copied from, the three
// ways a rectangle is copied (plain, AND and OR), and the masked drawing of a wet marker.
#pragma once

#include <QImage>
#include <QPoint>
#include <QRect>
#include <QString>
#include <array>
#include <string>

namespace slcy {

enum SpriteSheet : int {
    PieceSheet = 0,       // 12 turn frames x 5 kinds of 36 x 36
    DecorSheet = 1,       // 8 x 8 tiles of 36 x 36
    WetMarkerStrip = 2,   // 8 markers of 12 x 12
    BoardBackground = 3,  // 500 x 333, the board area
    LevelDigitStrip = 4,  // 11 cells of 11 x 20, a gap, two faces of 13 x 20
    TimeDigitStrip = 5,   // 11 cells of 11 x 20
};

// Cells of the wet-marker strip: 0 the dry opening .. 5 the full wet disc, then the mask.
inline constexpr int kDryMarker = 0;
inline constexpr int kWetMarker = 5;
inline constexpr int kMarkerMask = 6;  // black inside the disc, white outside

enum class RasterOp { Copy, And, Or };

// The sheets come at two scales (AssetPaths.h): at 2 every picture is drawn at twice the size
// and every place in a sheet is at twice its coordinates.
class SpriteSheets {
  public:
    // Loads the sheets at `scale` (1 or 2) from the program's resources.
    explicit SpriteSheets(int scale = 1);
    // Takes the sheets as given, in their order, for a tool that has just drawn them.
    explicit SpriteSheets(const std::array<QImage, 6>& sheets, int scale = 1);
    const QImage& operator[](SpriteSheet n) const { return sheets_[n]; }
    int scale() const { return scale_; }

  private:
    // Stores each sheet as RGB of plain pixels, so that AND and OR work on every pixel exactly;
    // a missing or damaged sheet shows black rather than reading outside a smaller
    // image.
    void StoreSheet(int n, const QImage& image);
    int scale_;
    std::array<QImage, 6> sheets_;
};

// The scale of the art for a screen of device pixel ratio `ratio`: 2 from 1.5 on, where the art
// at twice the size lies beside the program in `programDirectory` (it is registered then);
// 1 otherwise.
int ArtScaleFor(double ratio, const QString& programDirectory);

// Copies `source` (a rectangle of `sheet`, cut to the sheet) to `at` in `target`.
void CopyRect(QImage& target, QPoint at, const QImage& sheet, QRect source, RasterOp op);

// Draws marker `markerFrame` of the wet-marker strip (of the art at `scale`) with its top-left
// corner at `at`: AND with the mask clears the disc, OR puts the marker picture into it. The
// strip is black outside the disc and the mask white there, so nothing else of `target`
// changes.
void DrawMarker(QImage& target, QPoint at, const QImage& strip, int markerFrame, int scale = 1);

}  // namespace slcy
