#include "puzzle.h"

#include <bit>

namespace slcy::levels {

Puzzle::Puzzle(const LevelRecord& record) : record_(record) {
    // A straight pipe shows two different sets of openings, a cross one.
    for (int kind = 0; kind < 8; ++kind) {
        const auto openings = [kind](int o) { return kOpeningMask[MakeTile(kind, o)]; };
        int distinct = 0;
        for (int o = 0; o < 4; ++o) {
            bool seen = false;
            for (int earlier = 0; earlier < o; ++earlier)
                seen = seen || openings(earlier) == openings(o);
            distinct += seen ? 0 : 1;
        }
        distinct_[kind] = static_cast<std::uint8_t>(distinct);
    }

    piece_at_.fill(-1);
    ForEachCell([&](int column, int row) {
        const int i = CellIndex(column, row);
        const TileCode t = record.Pieces[i] & kTileBits;
        if (t == kEmptyCell) return;
        kind_[count_] = static_cast<std::uint8_t>(KindOf(t));
        start_[count_] = static_cast<std::uint8_t>(OrientationOf(t));
        cell_[count_] = static_cast<std::uint8_t>(i);
        piece_at_[i] = static_cast<PieceIndex>(count_);
        opening_sum_ += std::popcount(kOpeningMask[MakeTile(KindOf(t), 0)]);
        ++count_;
    });
    for (int p = 0; p < count_; ++p) {
        const Cell c = CellOf(p);
        for (int d = Right; d <= Down; ++d) {
            const int column = c.Column + kColumnStep[d];
            const int row = c.Row + kRowStep[d];
            neighbour_[p][d] =
                static_cast<PieceIndex>(OnBoard(column, row) ? piece_at_[CellIndex(column, row)] : -1);
        }
    }
    if (OnBoard(record.StartColumn, record.StartRow))
        start_piece_ = piece_at_[CellIndex(record.StartColumn, record.StartRow)];
}

Cell Puzzle::CellOf(int piece) const {
    return {cell_[piece] / kRows + 1, cell_[piece] % kRows + 1};
}

PieceSet Puzzle::Reach(const Orientations& o, int from) const {
    PieceSet reached;
    std::array<PieceIndex, kCellCount> stack;
    int top = 0;
    reached.set(from);
    stack[top++] = static_cast<PieceIndex>(from);
    while (top > 0) {
        const int p = stack[--top];
        const std::uint8_t open = Openings(p, o[p]);
        for (int d = Right; d <= Down; ++d) {
            if (!(open >> d & 1)) continue;
            const int next = neighbour_[p][d];
            if (next < 0 || reached.test(next) || !OpensTo(next, o[next], (d + 2) & 3)) continue;
            reached.set(next);
            stack[top++] = static_cast<PieceIndex>(next);
        }
    }
    return reached;
}

int Puzzle::TurnsToOpenings(int piece, int from, int target) const {
    const std::uint8_t wanted = Openings(piece, target);
    int best = 4;
    for (int o = 0; o < 4; ++o)
        if (Openings(piece, o) == wanted && QuarterTurns(from, o) < best) best = QuarterTurns(from, o);
    return best;
}

LevelRecord Puzzle::Record(const Orientations& o, int startPiece) const {
    LevelRecord record = record_;
    for (int p = 0; p < count_; ++p) record.Pieces[cell_[p]] = MakeTile(kind_[p], o[p]);
    const Cell start = CellOf(startPiece);
    record.StartColumn = static_cast<std::uint8_t>(start.Column);
    record.StartRow = static_cast<std::uint8_t>(start.Row);
    return record;
}

}  // namespace slcy::levels
