#include "scramble.h"

#include <algorithm>

namespace slcy::levels {

namespace {

struct Option {
    int Orientation = 0;
    int Helper = -1;  // the detour's neighbour, or -1
    int HelperOrientation = 0;
    double Weight = 0;
};

// Turns a piece the short way round, one click at a time. Every click is legal: the piece
// turned is the source, and the source is always wet.
void TurnTo(int piece, int target, Orientations& o, std::vector<Turn>& clicks) {
    while (o[piece] != target) {
        const int step = ((target - o[piece]) & 3) == 3 ? -1 : +1;
        o[piece] = static_cast<std::uint8_t>((o[piece] + step) & 3);
        clicks.push_back({piece, step});
    }
}

bool Contains(const PieceSet& outer, const PieceSet& inner) { return (inner & ~outer).none(); }

}  // namespace

Scrambled ScrambleFromLeaves(const Puzzle& solved, int root, const ScrambleStyle& style,
                             tools::Random& random) {
    const int n = solved.Count();
    const Orientations& target = solved.Start();

    // The tree, hung from the root.
    std::vector<int> parent(n, -1), depth(n, 0), order{root};
    for (std::size_t i = 0; i < order.size(); ++i) {
        const int p = order[i];
        for (int d = Right; d <= Down; ++d) {
            const int next = solved.Neighbour(p, d);
            if (next < 0 || next == parent[p] || !solved.Linked(target, p, d)) continue;
            parent[next] = p;
            depth[next] = depth[p] + 1;
            order.push_back(next);
        }
    }
    // Leaves inwards: deeper pieces first, pieces of one depth in random order.
    random.Shuffle(order);
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) { return depth[a] > depth[b]; });

    Orientations o = target;
    std::vector<Turn> clicks;
    PieceSet pending;  // pieces not yet done; they must stay wet
    for (int p = 0; p < n; ++p) pending.set(p);
    int source = root;

    for (const int q : order) {
        pending.reset(q);
        const PieceSet wet = solved.Reach(o, source);
        if (!wet.test(q)) continue;
        const bool last = pending.none();
        if (!last && !random.Chance(style.ScrambleChance)) continue;
        if (static_cast<int>(clicks.size()) >= style.MaxClicks) continue;

        std::vector<Option> options;
        unsigned seen = 1u << solved.Openings(q, target[q]);
        for (int to = 0; to < 4; ++to) {
            // Each new set of openings once, by its shortest turn (a straight pipe has twins).
            const int turns = solved.TurnsToOpenings(q, target[q], to);
            if (QuarterTurns(target[q], to) != turns || (seen >> solved.Openings(q, to) & 1)) continue;
            seen |= 1u << solved.Openings(q, to);
            const double weight = turns == 2 ? style.HalfTurnWeight : 1.0;

            Orientations direct = o;
            direct[q] = static_cast<std::uint8_t>(to);
            if (Contains(solved.Reach(direct, q), pending)) options.push_back({to, -1, 0, weight});

            // Detours: a wet neighbour x other than the parent is turned to face q, q is
            // turned to face x, x is turned back. x may be a piece still to do or one done
            // already that is wet; either way it ends as it was.
            for (int d = Right; d <= Down; ++d) {
                const int x = solved.Neighbour(q, d);
                if (x < 0 || x == parent[q] || parent[x] == q || !wet.test(x)) continue;
                if (!solved.OpensTo(q, to, d) || solved.Linked(direct, q, d)) continue;
                for (int xo = 0; xo < 4; ++xo) {
                    if (xo == o[x] || !solved.OpensTo(x, xo, (d + 2) & 3)) continue;
                    Orientations detour = o;
                    detour[x] = static_cast<std::uint8_t>(xo);
                    if (!solved.Reach(detour, x).test(q)) continue;
                    detour[q] = static_cast<std::uint8_t>(to);
                    detour[x] = o[x];
                    if (!Contains(solved.Reach(detour, x), pending)) continue;
                    // The same detour must also work once every other piece is in place: a
                    // player who sets everything else right first is not left stuck.
                    Orientations settled = target;
                    settled[x] = static_cast<std::uint8_t>(xo);
                    if (!solved.Reach(settled, q).test(x)) continue;
                    const double w = weight * style.DetourWeight / QuarterTurns(o[x], xo);
                    options.push_back({to, x, xo, w});
                }
            }
        }
        if (options.empty()) continue;

        // The last piece is where the water starts: keep what is wet at the start small.
        if (last) {
            std::size_t least = kCellCount + 1;
            for (const Option& option : options) {
                Orientations trial = o;
                trial[q] = static_cast<std::uint8_t>(option.Orientation);
                least = std::min(least, solved.Reach(trial, q).count());
            }
            std::erase_if(options, [&](const Option& option) {
                Orientations trial = o;
                trial[q] = static_cast<std::uint8_t>(option.Orientation);
                return solved.Reach(trial, q).count() > least;
            });
        }

        double total = 0;
        for (const Option& option : options) total += option.Weight;
        double pick = random.Unit() * total;
        std::size_t chosen = 0;
        while (chosen + 1 < options.size() && pick >= options[chosen].Weight)
            pick -= options[chosen++].Weight;
        const Option& option = options[chosen];

        if (option.Helper >= 0) {
            const int helper_was = o[option.Helper];
            TurnTo(option.Helper, option.HelperOrientation, o, clicks);
            TurnTo(q, option.Orientation, o, clicks);
            TurnTo(option.Helper, helper_was, o, clicks);
            source = option.Helper;
        } else {
            TurnTo(q, option.Orientation, o, clicks);
            source = q;
        }
    }

    Scrambled result;
    result.Pieces = o;
    // Any piece of the last move's wet part is as good a start as the last moved piece.
    result.StartPiece = solved.Reach(o, source).test(root) ? root : source;
    for (auto it = clicks.rbegin(); it != clicks.rend(); ++it)
        result.Witness.push_back({it->Piece, -it->Step});
    return result;
}

}  // namespace slcy::levels
