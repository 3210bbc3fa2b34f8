// The piece sheet: row kind - 1, column the turn frame, each frame the resting picture turned
// 30 degrees further anticlockwise. At 2x every frame is 72 x 72, each rule in doubled
// coordinates.
#include <array>
#include <cmath>
#include <gtest/gtest.h>
#include <numbers>

#include "AssetFiles.h"
#include "water.h"

using namespace assettest;

namespace {

// Where the rules give a piece of this kind and orientation an opening, one bit per direction:
// Right, Up, Left, Down.
int Openings(int kind, int orientation) {
    return slcy::kOpeningMask[slcy::MakeTile(kind, orientation)];
}

class PieceSheet : public ScaledArt {
  protected:
    QImage sheet = LoadPng(At(kPieceSheet.Path));
    int cell = 36 * Scale();
    int mid = cell / 2;  // the first pixel right of (and below) the frame's middle

    QRgb FramePixel(int kind, int frame, int x, int y) const {
        return sheet.pixel(frame * cell + x, (kind - 1) * cell + y);
    }
    // The two pixels at the middle of each side of a frame, by direction.
    std::array<QPoint, 2> EdgeMiddle(int direction) const {
        const int last = cell - 1;
        switch (direction) {
            case 0:
                return {QPoint(last, mid - 1), QPoint(last, mid)};
            case 1:
                return {QPoint(mid - 1, 0), QPoint(mid, 0)};
            case 2:
                return {QPoint(0, mid - 1), QPoint(0, mid)};
            default:
                return {QPoint(mid - 1, last), QPoint(mid, last)};
        }
    }
};

}  // namespace

TEST_P(PieceSheet, IsTwelveFramesOfFiveKindsInOpaqueTrueColour) {
    EXPECT_EQ(sheet.size(), QSize(432, 180) * Scale());
    const PngHeader h = ReadPngHeader(At(kPieceSheet.Path));
    EXPECT_EQ(h.colourType, 2) << "24-bit RGB without alpha";
    EXPECT_EQ(h.bitDepth, 8);
    EXPECT_FALSE(h.hasTransparencyChunk);
}

TEST_P(PieceSheet, RestingFramesShowCopperExactlyWhereThePieceOpens) {
    for (int kind = 1; kind <= 5; ++kind) {
        for (int o = 0; o < 4; ++o) {
            const int open = Openings(kind, o);
            for (int d = 0; d < 4; ++d) {
                for (QPoint p : EdgeMiddle(d)) {
                    const QRgb c = FramePixel(kind, 3 * o, p.x(), p.y());
                    if (open & (1 << d)) {
                        EXPECT_TRUE(IsCopper(c)) << "kind " << kind << " orientation " << o
                                                 << " direction " << d << " should have a stub";
                    } else {
                        EXPECT_TRUE(IsSand(c)) << "kind " << kind << " orientation " << o
                                               << " direction " << d << " should show sand";
                    }
                }
            }
        }
    }
}

TEST_P(PieceSheet, RestingFramesHaveSandInTheirCorners) {
    const int last = cell - 1;
    for (int kind = 1; kind <= 5; ++kind) {
        for (int f = 0; f < 12; f += 3) {
            for (QPoint p : {QPoint(0, 0), QPoint(last, 0), QPoint(0, last), QPoint(last, last)}) {
                EXPECT_TRUE(IsSand(FramePixel(kind, f, p.x(), p.y())))
                    << "kind " << kind << " frame " << f << " corner " << p.x() << "," << p.y();
            }
        }
    }
}

TEST_P(PieceSheet, EveryFrameCarriesItsStubsToTheFrameEdgeTurnedAnticlockwise) {
    // Follow the ray from the centre in each open direction, turned 30 degrees per frame
    // anticlockwise, to the frame's edge: the stub must be there.
    for (int kind = 1; kind <= 5; ++kind) {
        for (int f = 0; f < 12; ++f) {
            for (int d = 0; d < 4; ++d) {
                if (!(Openings(kind, 0) & (1 << d))) continue;
                const double angle = (90.0 * d + 30.0 * f) * std::numbers::pi / 180;
                const double dx = std::cos(angle), dy = -std::sin(angle);
                const double t = (mid - 0.5) / std::max(std::fabs(dx), std::fabs(dy));
                const int x = std::clamp(int(std::floor(mid + dx * t)), 0, cell - 1);
                const int y = std::clamp(int(std::floor(mid + dy * t)), 0, cell - 1);
                EXPECT_TRUE(IsCopper(FramePixel(kind, f, x, y)))
                    << "kind " << kind << " frame " << f << " direction " << d << " at " << x << ","
                    << y;
            }
        }
    }
}

TEST_P(PieceSheet, DarkRoundOpeningAboutTwelvePixelsAcrossSitsInTheMiddle) {
    auto dark = [](QRgb c) { return Distance(c, qRgb(0x28, 0x24, 0x21)) <= 40; };
    const int s = Scale();
    for (int kind = 1; kind <= 5; ++kind) {
        for (int f = 0; f < 12; ++f) {
            EXPECT_TRUE(dark(FramePixel(kind, f, mid - 1, mid - 1)));
            EXPECT_TRUE(dark(FramePixel(kind, f, mid, mid)));
            // Across the middle row and column the dark run is about 12 design pixels long.
            int across = 0, down = 0;
            for (int i = 8 * s; i < 28 * s; ++i) {
                across += dark(FramePixel(kind, f, i, mid - 1));
                down += dark(FramePixel(kind, f, mid - 1, i));
            }
            EXPECT_GE(across, 9 * s);
            EXPECT_LE(across, 14 * s);
            EXPECT_GE(down, 9 * s);
            EXPECT_LE(down, 14 * s);
        }
    }
}

TEST_P(PieceSheet, OpeningLooksTheSameInEveryFrameOfEveryKind) {
    const int s = Scale();
    for (int y = 12 * s; y < 24 * s; ++y) {
        for (int x = 12 * s; x < 24 * s; ++x) {
            const double dx = x + 0.5 - mid, dy = y + 0.5 - mid;
            if (dx * dx + dy * dy > 5.9 * 5.9 * s * s) continue;  // only the marker disc
            const QRgb first = FramePixel(1, 0, x, y);
            for (int kind = 1; kind <= 5; ++kind) {
                for (int f = 0; f < 12; ++f) {
                    ASSERT_EQ(FramePixel(kind, f, x, y), first)
                        << "kind " << kind << " frame " << f << " at " << x << "," << y;
                }
            }
        }
    }
}

TEST_P(PieceSheet, CrossIsMoreRustedThanTheOtherKinds) {
    // Rust is brown: red well above blue. Measure it on the box face of the resting frame,
    // away from the opening and the bevels.
    const int s = Scale();
    auto rustiness = [&](int kind) {
        double sum = 0;
        int n = 0;
        for (int y = 8 * s; y < 28 * s; ++y) {
            for (int x = 8 * s; x < 28 * s; ++x) {
                if (std::hypot(x + 0.5 - mid, y + 0.5 - mid) < 9 * s) continue;
                const QRgb c = FramePixel(kind, 0, x, y);
                sum += qRed(c) - qBlue(c);
                ++n;
            }
        }
        return sum / n;
    };
    for (int kind = 1; kind <= 4; ++kind) EXPECT_GT(rustiness(5), rustiness(kind) + 15) << kind;
}

INSTANTIATE_AT_BOTH_SCALES(PieceSheet);
