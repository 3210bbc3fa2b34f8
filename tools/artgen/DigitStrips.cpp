// The dot-matrix counters: ten digits and a blank, 4 x 7 dots of 2 x 2 pixels each, and for
// the level counter a smiling and a frowning face.
#include <array>
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
void DrawDigitCell(QImage& strip, int cellX, int digit) {
    for (int row = 0; row < 7; ++row) {
        for (int col = 0; col < 4; ++col) {
            const bool lit = digit >= 0 && kDigits[digit][row][col] == '#';
            for (int j = 0; j < 2; ++j) {
                for (int i = 0; i < 2; ++i) {
                    strip.setPixel(cellX + col * 3 + i, row * 3 + j, lit ? 2u : 1u);
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

QImage DigitStrip(int width, QRgb unlit, QRgb lit, bool withFaces) {
    QImage strip(width, kCellH, QImage::Format_Indexed8);
    QList<QRgb> palette = {qRgb(0, 0, 0), unlit, lit};
    if (withFaces) palette.append(qRgb(0xFF, 0, 0));
    strip.setColorTable(palette);
    strip.fill(0u);
    for (int d = 0; d <= 9; ++d) DrawDigitCell(strip, d * kCellW, d);
    DrawDigitCell(strip, 10 * kCellW, -1);
    if (withFaces) {
        // Column 121 stays black; the solved face is in the digits' lit yellow.
        DrawFace(strip, 122, kSmile, 2u);
        DrawFace(strip, 135, kFrown, 3u);
    }
    return strip;
}

}  // namespace

QImage MakeLevelDigitStrip() {
    return DigitStrip(148, qRgb(0x40, 0x40, 0x00), qRgb(0xFF, 0xFF, 0x00), true);
}

QImage MakeTimeDigitStrip() {
    return DigitStrip(121, qRgb(0x00, 0x40, 0x00), qRgb(0x00, 0xFF, 0x00), false);
}

}  // namespace artgen
