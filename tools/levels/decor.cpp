#include "decor.h"

#include <array>
#include <vector>

#include "DecorLayout.h"
#include "water.h"

namespace slcy::levels {

namespace {

bool Free(const LevelRecord& level, const std::array<bool, kCellCount>& used, int column, int row) {
    if (!OnBoard(column, row)) return false;
    const int i = CellIndex(column, row);
    return level.Pieces[i] == kEmptyCell && !used[i];
}

using assets::DecorPicture;
using assets::kDecorPictures;

bool Fits(const LevelRecord& level, const std::array<bool, kCellCount>& used,
          const DecorPicture& picture, int column, int row) {
    for (int y = 0; y < picture.Rows; ++y)
        for (int x = 0; x < picture.Columns; ++x)
            if (!Free(level, used, column + x, row + y)) return false;
    return true;
}

// Where a value sits in the multi-tile pictures: picture number and offset, or -1.
struct Place {
    int Picture = -1, X = 0, Y = 0;
};
std::array<Place, kDecorTileCount> PlacesOfValues() {
    std::array<Place, kDecorTileCount> places{};
    for (std::size_t p = 0; p < kDecorPictures.size(); ++p)
        for (int y = 0; y < kDecorPictures[p].Rows; ++y)
            for (int x = 0; x < kDecorPictures[p].Columns; ++x)
                places[kDecorPictures[p].Tile(x, y)] = {static_cast<int>(p), x, y};
    return places;
}

}  // namespace

void Decorate(LevelRecord& level, tools::Random& random) {
    level.Decor.fill(kDecorBackground);
    std::array<bool, kCellCount> used{};

    // Pictures first, biggest first, each tried at a few random places; a level gets a few of
    // them, never two of the same.
    std::vector<int> order;
    for (std::size_t p = 0; p < kDecorPictures.size(); ++p) order.push_back(static_cast<int>(p));
    random.Shuffle(order);
    int wanted = random.Between(1, 3);
    for (int p : order) {
        if (wanted == 0) break;
        const DecorPicture& picture = kDecorPictures[p];
        const int height = picture.Rows;
        const int width = picture.Columns;
        std::vector<Cell> spots;
        for (int column = 1; column + width - 1 <= kColumns; ++column)
            for (int row = 1; row + height - 1 <= kRows; ++row)
                if (Fits(level, used, picture, column, row)) spots.push_back({column, row});
        if (spots.empty()) continue;
        const Cell at = random.Pick(spots);
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x) {
                const int i = CellIndex(at.Column + x, at.Row + y);
                level.Decor[i] = picture.Tile(x, y);
                used[i] = true;
            }
        --wanted;
    }

    // Then a few patches of one texture, grown cell by cell over free neighbours; what is
    // left shows the background.
    const int patches = random.Between(1, 3);
    for (int patch = 0; patch < patches; ++patch) {
        std::vector<Cell> free;
        ForEachCell([&](int column, int row) {
            if (Free(level, used, column, row)) free.push_back({column, row});
        });
        if (free.empty()) break;
        const std::uint8_t texture = random.Pick(assets::kDecorTextures);
        std::vector<Cell> grown{random.Pick(free)};
        const int size = random.Between(1, 6);
        for (std::size_t k = 0; k < grown.size() && static_cast<int>(grown.size()) < size; ++k) {
            for (int d = 0; d < 4 && static_cast<int>(grown.size()) < size; ++d) {
                const Cell next{grown[k].Column + kColumnStep[d], grown[k].Row + kRowStep[d]};
                bool taken = false;
                for (const Cell& c : grown) taken = taken || c == next;
                if (!taken && Free(level, used, next.Column, next.Row) && random.Chance(0.7))
                    grown.push_back(next);
            }
        }
        for (const Cell& c : grown) {
            const int i = CellIndex(c.Column, c.Row);
            level.Decor[i] = texture;
            used[i] = true;
        }
    }
}

std::string DecorProblem(const LevelRecord& level) {
    static const std::array<Place, kDecorTileCount> places = PlacesOfValues();
    std::string problem;
    ForEachCell([&](int column, int row) {
        if (!problem.empty()) return;
        const int i = CellIndex(column, row);
        const std::uint8_t v = level.Decor[i];
        const std::string where = "cell " + std::to_string(column) + "," + std::to_string(row);
        if (v >= kDecorTileCount) {
            problem = where + ": decoration " + std::to_string(v) + " is not a tile";
            return;
        }
        if (level.Pieces[i] != kEmptyCell || places[v].Picture < 0) return;
        const DecorPicture& picture = kDecorPictures[places[v].Picture];
        const int left = column - places[v].X, top = row - places[v].Y;
        for (int y = 0; y < picture.Rows; ++y)
            for (int x = 0; x < picture.Columns; ++x) {
                const int c = left + x, r = top + y;
                if (!OnBoard(c, r) || level.Pieces[CellIndex(c, r)] != kEmptyCell ||
                    level.Decor[CellIndex(c, r)] != picture.Tile(x, y)) {
                    problem = where + ": the " + std::string(picture.Name) + " is broken";
                    return;
                }
            }
    });
    return problem;
}

}  // namespace slcy::levels
