#include "targets.h"

#include <bit>

namespace slcy::levels {

namespace {

using Domains = std::array<std::uint8_t, kCellCount>;  // bit o: orientation o still possible

class Search {
public:
    Search(const Puzzle& puzzle, int maxConfigurations, int maxNodes)
        : puzzle_(puzzle), max_configurations_(maxConfigurations), nodes_left_(maxNodes) {}

    // Removes every orientation that would leave an opening unanswered or a neighbour's
    // opening unanswered, until nothing changes. False when some piece has none left.
    bool Propagate(Domains& domains) const {
        const int n = puzzle_.Count();
        for (bool changed = true; changed;) {
            changed = false;
            for (int p = 0; p < n; ++p) {
                std::uint8_t kept = 0;
                for (int o = 0; o < 4; ++o) {
                    if (!(domains[p] >> o & 1)) continue;
                    bool fits = true;
                    for (int d = Right; d <= Down && fits; ++d) {
                        const bool opens = puzzle_.OpensTo(p, o, d);
                        const int x = puzzle_.Neighbour(p, d);
                        if (x < 0) {
                            fits = !opens;
                            continue;
                        }
                        bool answered = false;
                        for (int xo = 0; xo < 4 && !answered; ++xo)
                            answered = (domains[x] >> xo & 1) &&
                                       puzzle_.OpensTo(x, xo, (d + 2) & 3) == opens;
                        fits = answered;
                    }
                    if (fits) kept |= static_cast<std::uint8_t>(1 << o);
                }
                if (kept == 0) return false;
                if (kept != domains[p]) {
                    domains[p] = kept;
                    changed = true;
                }
            }
        }
        return !HasClosedPart(domains);
    }

    void Run(Domains domains) {
        if (nodes_left_-- <= 0) {
            cut_short_ = true;
            return;
        }
        if (!Propagate(domains)) return;
        // Branch on the piece with the fewest different openings left.
        int branch = -1, fewest = 5;
        for (int p = 0; p < puzzle_.Count(); ++p) {
            const int choices = DistinctOpenings(p, domains[p]);
            if (choices > 1 && choices < fewest) {
                fewest = choices;
                branch = p;
            }
        }
        if (branch < 0) {
            Accept(domains);
            return;
        }
        unsigned tried = 0;
        for (int o = 0; o < 4; ++o) {
            const std::uint8_t open = puzzle_.Openings(branch, o);
            if (!(domains[branch] >> o & 1) || (tried >> open & 1)) continue;
            tried |= 1u << open;
            Domains narrowed = domains;
            narrowed[branch] = SameOpenings(branch, o) & domains[branch];
            Run(narrowed);
            if (Full()) return;
        }
    }

    bool Full() const { return static_cast<int>(found_.size()) >= max_configurations_; }
    bool CutShort() const { return cut_short_ || Full(); }
    const std::vector<Orientations>& Found() const { return found_; }
    const Domains& Union() const { return union_; }

private:
    int DistinctOpenings(int p, std::uint8_t domain) const {
        unsigned seen = 0;
        for (int o = 0; o < 4; ++o)
            if (domain >> o & 1) seen |= 1u << puzzle_.Openings(p, o);
        return std::popcount(seen);
    }
    std::uint8_t SameOpenings(int p, int o) const {
        std::uint8_t same = 0;
        for (int other = 0; other < 4; ++other)
            if (puzzle_.Openings(p, other) == puzzle_.Openings(p, o))
                same |= static_cast<std::uint8_t>(1 << other);
        return same;
    }

    // A group of settled pieces whose openings all face each other can never join the rest.
    bool HasClosedPart(const Domains& domains) const {
        const int n = puzzle_.Count();
        std::array<int, kCellCount> settled;
        for (int p = 0; p < n; ++p)
            settled[p] = DistinctOpenings(p, domains[p]) == 1 ? std::countr_zero(domains[p]) : -1;
        PieceSet seen;
        for (int first = 0; first < n; ++first) {
            if (settled[first] < 0 || seen.test(first)) continue;
            std::array<int, kCellCount> stack;
            int top = 0, size = 0;
            bool open_ended = false;
            stack[top++] = first;
            seen.set(first);
            while (top > 0) {
                const int p = stack[--top];
                ++size;
                for (int d = Right; d <= Down; ++d) {
                    if (!puzzle_.OpensTo(p, settled[p], d)) continue;
                    const int x = puzzle_.Neighbour(p, d);
                    if (x < 0 || settled[x] < 0) {
                        open_ended = true;
                        continue;
                    }
                    if (!seen.test(x)) {
                        seen.set(x);
                        stack[top++] = x;
                    }
                }
            }
            if (!open_ended && size < n) return true;
        }
        return false;
    }

    void Accept(const Domains& domains) {
        Orientations o{};
        for (int p = 0; p < puzzle_.Count(); ++p) o[p] = static_cast<std::uint8_t>(std::countr_zero(domains[p]));
        if (static_cast<int>(puzzle_.Reach(o, 0).count()) != puzzle_.Count()) return;
        found_.push_back(o);
        for (int p = 0; p < puzzle_.Count(); ++p) union_[p] |= domains[p];
    }

    const Puzzle& puzzle_;
    int max_configurations_;
    int nodes_left_;
    bool cut_short_ = false;
    std::vector<Orientations> found_;
    Domains union_{};
};

}  // namespace

FullyWet FindFullyWet(const Puzzle& puzzle, int maxConfigurations, int maxNodes) {
    FullyWet result;
    const int n = puzzle.Count();
    if (n == 0 || puzzle.OpeningSum() != 2 * (n - 1)) return result;
    result.LeakFree = true;

    Domains all{};
    for (int p = 0; p < n; ++p) all[p] = 0b1111;
    Search search(puzzle, maxConfigurations, maxNodes);
    Domains propagated = all;
    if (!search.Propagate(propagated)) {
        result.Complete = true;  // no configuration at all
        return result;
    }
    search.Run(propagated);
    result.Configurations = search.Found();
    result.Complete = !search.CutShort();
    result.Possible = result.Complete ? search.Union() : propagated;
    return result;
}

int LowerBoundTurns(const Puzzle& puzzle, const FullyWet& wet) {
    int total = 0;
    for (int p = 0; p < puzzle.Count(); ++p) {
        int best = 4;
        for (int o = 0; o < 4; ++o)
            if ((wet.Possible[p] >> o & 1) && QuarterTurns(puzzle.Start()[p], o) < best)
                best = QuarterTurns(puzzle.Start()[p], o);
        total += best;
    }
    return total;
}

}  // namespace slcy::levels
