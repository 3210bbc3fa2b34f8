// The pipe pieces: a bevelled steel box with copper stubs, drawn for twelve angles.
//
// Every frame is rendered from the same model, only turned, with the light kept fixed at the
// upper left: so the bevels stay lit the same way while the rust specks and the brushing turn
// with the box, and the twelve frames read as one piece turning on the sand.
#include <array>
#include <cmath>
#include <numbers>

#include "Noise.h"
#include "Opening.h"
#include "Raster.h"
#include "Shading.h"
#include "Sheets.h"
#include "board_layout.h"
#include "water.h"

namespace artgen {
namespace {

constexpr int kCell = slcy::kCellSize;  // one frame of the sheet
constexpr int kFrames = 12;
constexpr int kKinds = 5;
constexpr double kCentre = 18.0;
constexpr double kBoxHalf = 13.0;
constexpr double kBevel = 2.4;
constexpr double kStubHalf = 4.0;
constexpr double kFlangeHalf = 5.4;
constexpr double kFlangeFrom = 13.6;
constexpr double kFlangeTo = 15.9;
constexpr double kBoltRadius = 0.6;  // only drawn at 2x

// Whether the kind has a stub towards direction d (Right, Up, Left, Down) in its resting
// picture: where the rules give it an opening at orientation 0.
bool OpensAtRest(int kind, int d) {
    return slcy::Opens(slcy::MakeTile(kind, 0), static_cast<slcy::Direction>(d));
}
// Unit vectors of the four directions in object coordinates (y down).
constexpr std::array<double, 4> kDirX = {1, 0, -1, 0};
constexpr std::array<double, 4> kDirY = {0, -1, 0, 1};

const Rgb kSand = Hex(0xC4BEAC);
const Rgb kSteel = Hex(0x808B9A);
const Rgb kCopper = Hex(0xC06A38);
const Rgb kFlange = Hex(0x7E3F1E);

struct Piece {
    int kind;
    double angle;  // anticlockwise on screen, radians
    double cosA, sinA;
    double rustiness;  // 0 clean .. 1 the badly rusted cross
    std::uint64_t seed;
    bool fine;  // drawn at 2x or more: room for detail smaller than a 1x pixel
    ValueNoise grain{0}, brush{0}, rust{0}, specks{0}, paper{0};

    // Object coordinates of a screen offset from the centre.
    void ToObject(double dx, double dy, double& u, double& v) const {
        u = dx * cosA - dy * sinA;
        v = dx * sinA + dy * cosA;
    }
    // Screen direction of an object direction.
    void ToScreen(double u, double v, double& x, double& y) const {
        x = u * cosA + v * sinA;
        y = -u * sinA + v * cosA;
    }
};

bool InBox(double u, double v) { return std::max(std::fabs(u), std::fabs(v)) <= kBoxHalf; }

// Which stub, if any, covers the object point; `along` and `across` are its pipe coordinates.
int StubAt(const Piece& p, double u, double v, double& along, double& across) {
    for (int d = 0; d < 4; ++d) {
        if (!OpensAtRest(p.kind, d)) continue;
        along = u * kDirX[d] + v * kDirY[d];
        across = -u * kDirY[d] + v * kDirX[d];
        const double half = (along >= kFlangeFrom && along <= kFlangeTo) ? kFlangeHalf : kStubHalf;
        if (along > 0 && std::fabs(across) <= half) return d;
    }
    return -1;
}

bool Solid(const Piece& p, double dx, double dy) {
    double u, v, a, c;
    p.ToObject(dx, dy, u, v);
    return InBox(u, v) || StubAt(p, u, v, a, c) >= 0;
}

Rgb SteelColour(const Piece& p, double u, double v) {
    // Brushing runs along the box's own x axis, so it turns with the box. At 1x it is a grain
    // finer than the pixels; drawn larger it shows as streaks a pixel or two wide, without the
    // grain, which would only be noise there.
    const double brushed =
        p.fine ? p.brush.Fbm(u * 0.10, v * 1.1, 2) - 0.5 : p.brush.Fbm(u * 0.10, v * 2.2, 3) - 0.5;
    const double streak = p.fine ? 0.0 : p.grain.At(u * 0.35 + 40, v * 7.0) - 0.5;
    Rgb c = kSteel * (1.0 + 0.16 * brushed + 0.10 * streak);
    // Rust: a few soft patches plus scattered specks; the cross is rusted much more. The larger
    // art draws each speck as a crisp round dot where the 1x art has a soft blot.
    const double patch = p.rust.Fbm(u * 0.22 + 3.1, v * 0.22 - 1.7, 4);
    const double patchAmount = SmoothStep(0.70 - 0.20 * p.rustiness, 0.77 - 0.20 * p.rustiness, patch);
    double speckAmount = 0;
    if (p.fine) {
        const double speck = SpeckAt(p.seed + 5, u * 1.1 + 40, v * 1.1 + 40, 2);
        speckAmount = speck > 0.93 - 0.10 * p.rustiness ? 1.0 : 0.0;
    } else {
        const double speck = p.specks.At(u * 1.1 + 11, v * 1.1 + 5);
        speckAmount = SmoothStep(0.84 - 0.14 * p.rustiness, 0.89 - 0.14 * p.rustiness, speck);
    }
    const double rust = std::max(patchAmount * 0.85, speckAmount * 0.9);
    const double rustTone =
        p.fine ? p.grain.At(u * 0.35 - 7, v * 0.35) : p.grain.At(u * 0.9 - 7, v * 0.9);
    const Rgb rustColour = Mix(Hex(0x6A3316), Hex(0x9C5A30), rustTone);
    c = Mix(c, Hex(0x8A7060), 0.38 * p.rustiness);  // the cross's whole face is brown-tinged
    return Mix(c, rustColour, rust);
}

Rgb ShadeBox(const Piece& p, double u, double v, double r) {
    Rgb c = SteelColour(p, u, v);
    Vec3 n{0, 0, 1};
    const double edge = kBoxHalf - std::max(std::fabs(u), std::fabs(v));
    if (edge < kBevel) {
        // Mitred bevel: the face belongs to the nearer side of the box.
        double ou = 0, ov = 0;
        if (std::fabs(u) >= std::fabs(v)) {
            ou = u > 0 ? 1 : -1;
        } else {
            ov = v > 0 ? 1 : -1;
        }
        double sx, sy;
        p.ToScreen(ou, ov, sx, sy);
        n = Normalised({sx, sy, 0.8});
    } else if (r < kHoleRadius + 1.6) {
        // A countersunk rim round the hole, facing inwards.
        const double dx = u * p.cosA + v * p.sinA;
        const double dy = -u * p.sinA + v * p.cosA;
        n = Normalised({-dx / r, -dy / r, 1.4});
    }
    c = c * Lambert(n, 0.30) + Grey(255) * (0.30 * Specular(n, 16));
    // A hairline of shadow where the box stands on the ground keeps its lit edges apart from
    // the light sand.
    if (edge < 0.55) c = c * 0.62;
    return c;
}

Rgb ShadeStub(const Piece& p, int d, double along, double across) {
    const bool flange = along >= kFlangeFrom && along <= kFlangeTo;
    const double half = flange ? kFlangeHalf : kStubHalf;
    const double t = std::clamp(across / half, -1.0, 1.0);
    // The pipe is a cylinder along its direction; its cross-section normal turns with the piece.
    double px, py;
    p.ToScreen(-kDirY[d], kDirX[d], px, py);
    Vec3 n = Normalised({px * t, py * t, std::sqrt(std::max(0.0, 1 - t * t)) + 0.05});
    Rgb c = flange ? kFlange : kCopper;
    if (flange && p.fine) {
        // Two bolt heads on the ring, beside the pipe: domes too small for the 1x art.
        const double mid = (kFlangeFrom + kFlangeTo) / 2;
        for (double side : {-1.0, 1.0}) {
            const double bu = along - mid, bv = across - side * 4.7;
            const double r = std::hypot(bu, bv) / kBoltRadius;
            if (r >= 1) continue;
            double ax, ay, cx, cy;
            p.ToScreen(kDirX[d], kDirY[d], ax, ay);
            p.ToScreen(-kDirY[d], kDirX[d], cx, cy);
            const Vec3 dome = Normalised(
                {ax * bu + cx * bv, ay * bu + cy * bv, kBoltRadius * std::sqrt(1 - r * r) + 0.1});
            return Hex(0x9A5630) * Lambert(dome, 0.3) + Hex(0xFFE0C0) * (0.5 * Specular(dome, 12));
        }
    }
    if (!p.fine) c = c * (1.0 + 0.10 * (p.grain.At(along * 0.8 + 90, across * 0.8) - 0.5));
    // The flange is a ring: its faces towards and away from the box catch the light differently.
    if (flange) {
        double ax, ay;
        p.ToScreen(kDirX[d], kDirY[d], ax, ay);
        if (along < kFlangeFrom + 0.8) n = Normalised({-ax + n.x, -ay + n.y, n.z});
        if (along > kFlangeTo - 0.8) n = Normalised({ax + n.x, ay + n.y, n.z});
    }
    return c * Lambert(n, 0.28) + Hex(0xFFE0C0) * (0.45 * Specular(n, 18));
}

Rgb ShadeGround(const Piece& p, double x, double y, double dx, double dy) {
    // The paper's fibre is finer than a 1x pixel; larger, the ground is the mottle alone.
    const double mottle = p.paper.Fbm(x * 0.16, y * 0.16, p.fine ? 2 : 4) - 0.5;
    const double fibre = p.fine ? 0.0 : p.grain.At(x * 1.3 + 200, y * 1.3) - 0.5;
    Rgb c = kSand * (1.0 + 0.07 * mottle + 0.03 * fibre);
    // Soft shadow cast down and to the right: how much of a short ray towards the light hits
    // the box or a stub.
    double shade = 0;
    for (int i = 1; i <= 4; ++i) {
        if (Solid(p, dx - 0.6 * i, dy - 0.7 * i)) shade += 0.25;
    }
    return c * (1.0 - 0.30 * shade);
}

Rgb ShadePiece(const Piece& p, double x, double y) {
    const double dx = x - kCentre;
    const double dy = y - kCentre;
    const double r = std::hypot(dx, dy);
    if (r < kHoleRadius) return HoleColour(dx, dy);
    double u, v;
    p.ToObject(dx, dy, u, v);
    if (InBox(u, v)) return ShadeBox(p, u, v, r);
    double along, across;
    const int d = StubAt(p, u, v, along, across);
    if (d >= 0) return ShadeStub(p, d, along, across);
    return ShadeGround(p, x, y, dx, dy);
}

}  // namespace

QImage MakePieceSheet(int scale) {
    QImage sheet(kFrames * kCell * scale, kKinds * kCell * scale, QImage::Format_RGB32);
    for (int kind = 1; kind <= kKinds; ++kind) {
        for (int f = 0; f < kFrames; ++f) {
            Piece p;
            p.kind = kind;
            p.angle = f * std::numbers::pi / 6.0;
            p.cosA = std::cos(p.angle);
            p.sinA = std::sin(p.angle);
            // Exact quarter turns keep the resting frames free of rounding dust.
            if (f % 3 == 0) {
                p.cosA = std::array<double, 4>{1, 0, -1, 0}[f / 3];
                p.sinA = std::array<double, 4>{0, 1, 0, -1}[f / 3];
            }
            p.rustiness = kind == 5 ? 1.0 : 0.0;
            p.fine = scale > 1;
            // Each kind has its own steel; all frames of a kind share it, and the sand.
            const std::uint64_t seed = 0x51CE0000u + kind * 101;
            p.seed = seed;
            p.grain = ValueNoise(seed + 1, scale);
            p.brush = ValueNoise(seed + 2, scale);
            p.rust = ValueNoise(seed + 3, scale);
            p.specks = ValueNoise(seed + 4, scale);
            p.paper = ValueNoise(0x5A4D, scale);
            const QImage frame = Supersample(
                kCell, kCell, 4, [&](double x, double y) { return ShadePiece(p, x, y); }, scale);
            Blit(sheet, frame, f * kCell * scale, (kind - 1) * kCell * scale);
        }
    }
    return sheet;
}

}  // namespace artgen
