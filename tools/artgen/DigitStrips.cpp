// The dot-matrix counters: ten digits and a blank, 4 x 7 dots of 2 x 2 pixels each, and for
// the level counter a smiling and a frowning face. The 2x strips keep every dot where the 1x
// strips have it, twice as far apart; with four pixels across, a dot can be round.
#include <array>
#include <cmath>
#include <string_view>

#include "Sheets.h"

namespace artgen {
namespace {

constexpr int kCellW = 11;
constexpr int kCellH = 20;

// One shape per digit, four dots wide and seven high, the same for both counters.
constexpr std::array<std::array<std::string_view, 7>, 10> kDigits = {{
    {".##.", "#..#", "#..#", "#..#", "#..#", "#..#", ".##."},
    {"..#.", ".##.", "#.#.", "..#.", "..#.", "..#.", ".###"},
    {".##.", "#..#", "...#", "..#.", ".#..", "#...", "####"},
    {"###.", "...#", "...#", ".##.", "...#", "...#", "###."},
    {"..##", ".#.#", "#..#", "####", "...#", "...#", "...#"},
    {"####", "#...", "###.", "...#", "...#", "#..#", ".##."},
    {".##.", "#...", "#...", "###.", "#..#", "#..#", ".##."},
    {"####", "...#", "..#.", "..#.", ".#..", ".#..", ".#.."},
    {".##.", "#..#", "#..#", ".##.", "#..#", "#..#", ".##."},
    {".##.", "#..#", "#..#", ".###", "...#", "...#", ".##."},
}};

// The faces are 13 pixels round, on rows 3..15 of their 13 x 20 cell.
constexpr std::array<std::string_view, 13> kSmile = {
    "....#####....", "..#########..", ".###########.", ".###########.",
    "####.###.####", "####.###.####", "#############", "#############",
    "##.#######.##", ".##.#####.##.", ".###.....###.", "..#########..",
    "....#####....",
};
constexpr std::array<std::string_view, 13> kFrown = {
    "....#####....", "..#########..", ".###########.", ".###########.",
    "####.###.####", "####.###.####", "#############", "#############",
    "####.....####", ".##.#####.##.", ".#.#######.#.", "..#########..",
    "....#####....",
};

// Palette indices: 0 black, 1 unlit, 2 lit, 3 the frowning face's red.
void DrawDigitCell(QImage& strip, int cellX, int digit, int scale) {
    const int dot = 2 * scale, pitch = 3 * scale;
    for (int row = 0; row < 7; ++row) {
        for (int col = 0; col < 4; ++col) {
            const bool lit = digit >= 0 && kDigits[digit][row][col] == '#';
            for (int j = 0; j < dot; ++j) {
                for (int i = 0; i < dot; ++i) {
                    // A dot of more than 2 x 2 pixels leaves its corners dark, like a lamp.
                    const bool corner =
                        dot > 2 && (i == 0 || i == dot - 1) && (j == 0 || j == dot - 1);
                    if (!corner)
                        strip.setPixel(cellX + col * pitch + i, row * pitch + j, lit ? 2u : 1u);
                }
            }
        }
    }
}

void DrawFace(QImage& strip, int cellX, const std::array<std::string_view, 13>& face, uint ink) {
    for (int row = 0; row < 13; ++row) {
        for (int col = 0; col < 13; ++col) {
            if (face[row][col] == '#') strip.setPixel(cellX + col, 3 + row, ink);
        }
    }
}

// The same faces drawn from their shapes, for strips larger than 1x: a disc 13 design pixels
// across on rows 3..15 of the cell, two upright eyes, and the mouth a piece of a ring that
// bends up for the smile and down for the frown, where the 1x faces have it.
void DrawRoundFace(QImage& strip, int cellX, bool smiling, uint ink, int scale) {
    for (int y = 0; y < kCellH * scale; ++y) {
        for (int x = 0; x < 13 * scale; ++x) {
            const double u = (x + 0.5) / scale, v = (y + 0.5) / scale;
            if (std::hypot(u - 6.5, v - 9.5) > 6.5) continue;
            bool black = false;
            for (double eyeU : {4.5, 8.5}) {
                black |= std::hypot((u - eyeU) / 0.8, (v - 8.0) / 1.3) <= 1.0;
            }
            const double ring = std::hypot(u - 6.5, v - (smiling ? 9.0 : 16.0));
            const bool onArc = smiling ? v > 10.6 : v < 14.4;
            black |= onArc && ring >= 3.6 && ring <= 4.6;
            if (!black) strip.setPixel(cellX + x, y, ink);
        }
    }
}

QImage DigitStrip(int width, QRgb unlit, QRgb lit, bool withFaces, int scale) {
    QImage strip(width * scale, kCellH * scale, QImage::Format_Indexed8);
    QList<QRgb> palette = {qRgb(0, 0, 0), unlit, lit};
    if (withFaces) palette.append(qRgb(0xFF, 0, 0));
    strip.setColorTable(palette);
    strip.fill(0u);
    for (int d = 0; d <= 9; ++d) DrawDigitCell(strip, d * kCellW * scale, d, scale);
    DrawDigitCell(strip, 10 * kCellW * scale, -1, scale);
    if (!withFaces) return strip;
    // Column 121 stays black; the solved face is in the digits' lit yellow.
    if (scale == 1) {
        DrawFace(strip, 122, kSmile, 2u);
        DrawFace(strip, 135, kFrown, 3u);
    } else {
        DrawRoundFace(strip, 122 * scale, true, 2u, scale);
        DrawRoundFace(strip, 135 * scale, false, 3u, scale);
    }
    return strip;
}

}  // namespace

QImage MakeLevelDigitStrip(int scale) {
    return DigitStrip(148, qRgb(0x40, 0x40, 0x00), qRgb(0xFF, 0xFF, 0x00), true, scale);
}

QImage MakeTimeDigitStrip(int scale) {
    return DigitStrip(121, qRgb(0x00, 0x40, 0x00), qRgb(0x00, 0xFF, 0x00), false, scale);
}

}  // namespace artgen
