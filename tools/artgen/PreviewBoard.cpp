// A sample board put together from the sheets with the game's own copy, AND and OR steps, so
// the art can be judged where it will be seen. The level is made up here: decoration
// pictures in fixed places and a pipe tree through every other cell, a few pieces turned
// away so that dry and wet pieces sit side by side.
#include <QPainter>
#include <array>
#include <vector>

#include "Random.h"
#include "Sheets.h"

namespace artgen {
namespace {

constexpr int kCols = 10, kRows = 8, kCell = 36;
// Directions: 0 Right, 1 Up, 2 Left, 3 Down.
constexpr std::array<int, 4> kDx = {1, 0, -1, 0};
constexpr std::array<int, 4> kDy = {0, -1, 0, 1};
constexpr std::array<int, 6> kBase = {0, 0b0001, 0b0011, 0b0101, 0b0111, 0b1111};

int Turn(int openings, int orientation) {
    int out = 0;
    for (int d = 0; d < 4; ++d) {
        if (openings & (1 << d)) out |= 1 << ((d + orientation) % 4);
    }
    return out;
}

// The tile code whose openings are exactly `openings`.
int TileFor(int openings) {
    for (int kind = 1; kind <= 5; ++kind) {
        for (int o = 0; o < 4; ++o) {
            if (Turn(kBase[kind], o) == openings) return o * 8 + kind;
        }
    }
    return 0;
}

int Openings(int tile) { return tile ? Turn(kBase[tile & 7], (tile >> 3) & 3) : 0; }

struct Board {
    std::array<std::array<int, kRows>, kCols> tile{};
    std::array<std::array<int, kRows>, kCols> decor{};
    std::array<std::array<bool, kRows>, kCols> wet{};
};

void LayPicture(Board& b, int col, int row, int w, int h, int first) {
    for (int j = 0; j < h; ++j) {
        for (int i = 0; i < w; ++i) b.decor[col + i][row + j] = first + j * 8 + i;
    }
}

Board SampleBoard() {
    Board b;
    for (auto& column : b.decor) column.fill(-1);
    LayPicture(b, 0, 5, 3, 3, 0);    // chalk slab
    LayPicture(b, 7, 5, 3, 3, 37);   // rust block
    LayPicture(b, 3, 7, 4, 1, 28);   // white marble
    LayPicture(b, 9, 0, 1, 3, 3);    // stone strip
    LayPicture(b, 4, 2, 1, 2, 15);   // lumpy metal
    b.decor[6][3] = 50;
    b.decor[3][6] = 7;
    b.decor[6][6] = 7;
    b.decor[8][3] = 62;
    // A random tree through every remaining cell, grown from the source at (2, 2).
    SplitMix64 rng(2024);
    std::array<std::array<bool, kRows>, kCols> seen{};
    std::vector<std::pair<int, int>> stack = {{1, 1}};
    seen[1][1] = true;
    while (!stack.empty()) {
        auto [x, y] = stack.back();
        std::vector<int> ways;
        for (int d = 0; d < 4; ++d) {
            const int nx = x + kDx[d], ny = y + kDy[d];
            if (nx >= 0 && ny >= 0 && nx < kCols && ny < kRows && !seen[nx][ny] && b.decor[nx][ny] < 0) {
                ways.push_back(d);
            }
        }
        if (ways.empty()) {
            stack.pop_back();
            continue;
        }
        const int d = ways[rng.Below(int(ways.size()))];
        const int nx = x + kDx[d], ny = y + kDy[d];
        b.tile[x][y] = TileFor(Openings(b.tile[x][y]) | (1 << d));
        b.tile[nx][ny] = TileFor(Openings(b.tile[nx][ny]) | (1 << ((d + 2) % 4)));
        seen[nx][ny] = true;
        stack.push_back({nx, ny});
    }
    // Turn some pieces away, then let the water find its way from the source.
    for (int x = 0; x < kCols; ++x) {
        for (int y = 0; y < kRows; ++y) {
            const int t = b.tile[x][y];
            if (t && (x != 1 || y != 1) && rng.Uniform() < 0.12) b.tile[x][y] = (t & 7) | ((((t >> 3) + 1 + rng.Below(3)) & 3) << 3);
        }
    }
    std::vector<std::pair<int, int>> flood = {{1, 1}};
    b.wet[1][1] = true;
    while (!flood.empty()) {
        auto [x, y] = flood.back();
        flood.pop_back();
        for (int d = 0; d < 4; ++d) {
            const int nx = x + kDx[d], ny = y + kDy[d];
            if (!(Openings(b.tile[x][y]) & (1 << d))) continue;
            if (nx < 0 || ny < 0 || nx >= kCols || ny >= kRows || b.wet[nx][ny]) continue;
            if (!(Openings(b.tile[nx][ny]) & (1 << ((d + 2) % 4)))) continue;
            b.wet[nx][ny] = true;
            flood.push_back({nx, ny});
        }
    }
    return b;
}

}  // namespace

QImage ComposePreviewBoard(const QImage& pieces, const QImage& decor, const QImage& markers,
                           const QImage& background) {
    const Board b = SampleBoard();
    QImage board = background.convertToFormat(QImage::Format_RGB32);
    QPainter p(&board);
    for (int c = 1; c <= kCols; ++c) {
        for (int r = 1; r <= kRows; ++r) {
            const int x = 36 * c - 14, y = 36 * r - 14;
            const int t = b.tile[c - 1][r - 1];
            const int d = b.decor[c - 1][r - 1];
            p.setCompositionMode(QPainter::CompositionMode_Source);
            if (t) {
                p.drawImage(x, y, pieces, 108 * (t >> 3), 36 * ((t & 7) - 1), kCell, kCell);
                if (b.wet[c - 1][r - 1]) {
                    p.setCompositionMode(QPainter::RasterOp_SourceAndDestination);
                    p.drawImage(x + 12, y + 12, markers, 72, 0, 12, 12);
                    p.setCompositionMode(QPainter::RasterOp_SourceOrDestination);
                    p.drawImage(x + 12, y + 12, markers, 60, 0, 12, 12);
                }
            } else if (d != 7 && d >= 0) {
                p.drawImage(x, y, decor, 36 * (d & 7), 36 * (d >> 3), kCell, kCell);
            }
        }
    }
    p.end();
    return board.scaled(board.size() * 2, Qt::IgnoreAspectRatio, Qt::FastTransformation);
}

}  // namespace artgen
