#include "network.h"

#include <array>
#include <vector>

#include "puzzle.h"
#include "water.h"

namespace slcy::levels {

namespace {

int NeighbourCell(int i, int d) {
    const int column = i / kRows + 1 + kColumnStep[d];
    const int row = i % kRows + 1 + kRowStep[d];
    return OnBoard(column, row) ? CellIndex(column, row) : -1;
}

// Grows a patch from one cell. A cell next to the patch is taken with a weight of
// `crowding` to the power of its neighbours already in the patch: above 1 the patch stays
// compact, below 1 it sends out arms.
std::array<bool, kCellCount> GrowPatch(int size, tools::Random& random) {
    std::array<bool, kCellCount> in{};
    in[random.Below(kCellCount)] = true;
    const double crowding = 0.45 + 2.5 * random.Unit();
    for (int taken = 1; taken < size; ++taken) {
        std::vector<int> candidates;
        std::vector<double> weights;
        double total = 0;
        for (int i = 0; i < kCellCount; ++i) {
            if (in[i]) continue;
            int touching = 0;
            for (int d = Right; d <= Down; ++d) {
                const int next = NeighbourCell(i, d);
                touching += next >= 0 && in[next] ? 1 : 0;
            }
            if (touching == 0) continue;
            double w = 1;
            for (int k = 1; k < touching; ++k) w *= crowding;  // exact, unlike a library pow
            candidates.push_back(i);
            weights.push_back(w);
            total += w;
        }
        double pick = random.Unit() * total;
        std::size_t chosen = 0;
        while (chosen + 1 < candidates.size() && pick >= weights[chosen]) pick -= weights[chosen++];
        in[candidates[chosen]] = true;
    }
    return in;
}

}  // namespace

TileCode TileWithOpenings(int bits) {
    for (int kind = kEndPiece; kind <= kCross; ++kind)
        for (int o = 0; o < 4; ++o)
            if (kOpeningMask[MakeTile(kind, o)] == bits) return MakeTile(kind, o);
    return kEmptyCell;
}

LevelRecord MakeSolvedNetwork(int pieceCount, tools::Random& random) {
    const std::array<bool, kCellCount> in = GrowPatch(pieceCount, random);
    std::vector<int> cells;
    for (int i = 0; i < kCellCount; ++i)
        if (in[i]) cells.push_back(i);

    // Wilson's algorithm: loop-erased random walks from each cell to the tree so far give
    // every spanning tree of the patch the same chance.
    std::array<bool, kCellCount> in_tree{};
    std::array<int, kCellCount> next_step{};
    std::array<int, kCellCount> openings{};
    in_tree[random.Pick(cells)] = true;
    for (int start : cells) {
        for (int at = start; !in_tree[at];) {
            int d, next;
            do {
                d = random.Below(4);
                next = NeighbourCell(at, d);
            } while (next < 0 || !in[next]);
            next_step[at] = d;  // a later visit overwrites the step: that erases the loop
            at = next;
        }
        for (int at = start; !in_tree[at];) {
            const int d = next_step[at];
            const int next = NeighbourCell(at, d);
            openings[at] |= 1 << d;
            openings[next] |= 1 << ((d + 2) & 3);
            in_tree[at] = true;
            at = next;
        }
    }

    LevelRecord level;
    level.Decor.fill(kDecorBackground);
    for (int i : cells) level.Pieces[i] = TileWithOpenings(openings[i]);
    const int first = cells.front();
    level.StartColumn = static_cast<std::uint8_t>(first / kRows + 1);
    level.StartRow = static_cast<std::uint8_t>(first % kRows + 1);
    return level;
}

}  // namespace slcy::levels
