// The piece sheet: row kind - 1, column the turn frame, each frame the resting picture turned
// 30 degrees further anticlockwise.
#include <array>
#include <cmath>
#include <gtest/gtest.h>
#include <numbers>

#include "AssetFiles.h"
#include "water.h"

using namespace assettest;

namespace {

constexpr int kCell = 36;
// Where the rules give a piece of this kind and orientation an opening, one bit per direction:
// Right, Up, Left, Down.
int Openings(int kind, int orientation) {
    return slcy::kOpeningMask[slcy::MakeTile(kind, orientation)];
}

// The two pixels at the middle of each side of a frame, by direction.
std::array<QPoint, 2> EdgeMiddle(int direction) {
    switch (direction) {
        case 0: return {QPoint(35, 17), QPoint(35, 18)};
        case 1: return {QPoint(17, 0), QPoint(18, 0)};
        case 2: return {QPoint(0, 17), QPoint(0, 18)};
        default: return {QPoint(17, 35), QPoint(18, 35)};
    }
}

QRgb FramePixel(const QImage& sheet, int kind, int frame, int x, int y) {
    return sheet.pixel(frame * kCell + x, (kind - 1) * kCell + y);
}

class PieceSheet : public ::testing::Test {
protected:
    QImage sheet = LoadPng(kPieceSheet.Path);
};

}  // namespace

TEST_F(PieceSheet, IsTwelveFramesOfFiveKindsInOpaqueTrueColour) {
    EXPECT_EQ(sheet.size(), QSize(432, 180));
    const PngHeader h = ReadPngHeader(kPieceSheet.Path);
    EXPECT_EQ(h.colourType, 2) << "24-bit RGB without alpha";
    EXPECT_EQ(h.bitDepth, 8);
    EXPECT_FALSE(h.hasTransparencyChunk);
}

TEST_F(PieceSheet, RestingFramesShowCopperExactlyWhereThePieceOpens) {
    for (int kind = 1; kind <= 5; ++kind) {
        for (int o = 0; o < 4; ++o) {
            const int open = Openings(kind, o);
            for (int d = 0; d < 4; ++d) {
                for (QPoint p : EdgeMiddle(d)) {
                    const QRgb c = FramePixel(sheet, kind, 3 * o, p.x(), p.y());
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

TEST_F(PieceSheet, RestingFramesHaveSandInTheirCorners) {
    for (int kind = 1; kind <= 5; ++kind) {
        for (int f = 0; f < 12; f += 3) {
            for (QPoint p : {QPoint(0, 0), QPoint(35, 0), QPoint(0, 35), QPoint(35, 35)}) {
                EXPECT_TRUE(IsSand(FramePixel(sheet, kind, f, p.x(), p.y())))
                    << "kind " << kind << " frame " << f << " corner " << p.x() << "," << p.y();
            }
        }
    }
}

TEST_F(PieceSheet, EveryFrameCarriesItsStubsToTheFrameEdgeTurnedAnticlockwise) {
    // Follow the ray from the centre in each open direction, turned 30 degrees per frame
    // anticlockwise, to the frame's edge: the stub must be there.
    for (int kind = 1; kind <= 5; ++kind) {
        for (int f = 0; f < 12; ++f) {
            for (int d = 0; d < 4; ++d) {
                if (!(Openings(kind, 0) & (1 << d))) continue;
                const double angle = (90.0 * d + 30.0 * f) * std::numbers::pi / 180;
                const double dx = std::cos(angle), dy = -std::sin(angle);
                const double t = 17.5 / std::max(std::fabs(dx), std::fabs(dy));
                const int x = std::clamp(int(std::floor(18 + dx * t)), 0, 35);
                const int y = std::clamp(int(std::floor(18 + dy * t)), 0, 35);
                EXPECT_TRUE(IsCopper(FramePixel(sheet, kind, f, x, y)))
                    << "kind " << kind << " frame " << f << " direction " << d << " at " << x
                    << "," << y;
            }
        }
    }
}

TEST_F(PieceSheet, DarkRoundOpeningAboutTwelvePixelsAcrossSitsInTheMiddle) {
    auto dark = [](QRgb c) { return Distance(c, qRgb(0x28, 0x24, 0x21)) <= 40; };
    for (int kind = 1; kind <= 5; ++kind) {
        for (int f = 0; f < 12; ++f) {
            EXPECT_TRUE(dark(FramePixel(sheet, kind, f, 17, 17)));
            EXPECT_TRUE(dark(FramePixel(sheet, kind, f, 18, 18)));
            // Across the middle row and column the dark run is about 12 pixels long.
            int across = 0, down = 0;
            for (int i = 8; i < 28; ++i) {
                across += dark(FramePixel(sheet, kind, f, i, 17));
                down += dark(FramePixel(sheet, kind, f, 17, i));
            }
            EXPECT_GE(across, 9);
            EXPECT_LE(across, 14);
            EXPECT_GE(down, 9);
            EXPECT_LE(down, 14);
        }
    }
}

TEST_F(PieceSheet, OpeningLooksTheSameInEveryFrameOfEveryKind) {
    for (int y = 12; y < 24; ++y) {
        for (int x = 12; x < 24; ++x) {
            const double dx = x + 0.5 - 18, dy = y + 0.5 - 18;
            if (dx * dx + dy * dy > 5.9 * 5.9) continue;  // only the marker disc
            const QRgb first = FramePixel(sheet, 1, 0, x, y);
            for (int kind = 1; kind <= 5; ++kind) {
                for (int f = 0; f < 12; ++f) {
                    ASSERT_EQ(FramePixel(sheet, kind, f, x, y), first)
                        << "kind " << kind << " frame " << f << " at " << x << "," << y;
                }
            }
        }
    }
}

TEST_F(PieceSheet, CrossIsMoreRustedThanTheOtherKinds) {
    // Rust is brown: red well above blue. Measure it on the box face of the resting frame,
    // away from the opening and the bevels.
    auto rustiness = [&](int kind) {
        double sum = 0;
        int n = 0;
        for (int y = 8; y < 28; ++y) {
            for (int x = 8; x < 28; ++x) {
                if (std::hypot(x + 0.5 - 18, y + 0.5 - 18) < 9) continue;
                const QRgb c = FramePixel(sheet, kind, 0, x, y);
                sum += qRed(c) - qBlue(c);
                ++n;
            }
        }
        return sum / n;
    };
    for (int kind = 1; kind <= 4; ++kind) EXPECT_GT(rustiness(5), rustiness(kind) + 15) << kind;
}
