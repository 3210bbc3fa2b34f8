#include "decor.h"

#include <array>

namespace slcy::levels {

namespace {

bool Free(const LevelRecord& level, const std::array<bool, kCellCount>& used, int column, int row) {
    if (!OnBoard(column, row)) return false;
    const int i = CellIndex(column, row);
    return level.Pieces[i] == kEmptyCell && !used[i];
}

bool Fits(const LevelRecord& level, const std::array<bool, kCellCount>& used, const Picture& picture,
          int column, int row) {
    for (std::size_t y = 0; y < picture.Tiles.size(); ++y)
        for (std::size_t x = 0; x < picture.Tiles[y].size(); ++x)
            if (!Free(level, used, column + static_cast<int>(x), row + static_cast<int>(y)))
                return false;
    return true;
}

// Where a value sits in the multi-tile pictures: picture number and offset, or -1.
struct Place {
    int Picture = -1, X = 0, Y = 0;
};
std::array<Place, kDecorTileCount> PlacesOfValues() {
    std::array<Place, kDecorTileCount> places{};
    const auto& pictures = MultiTilePictures();
    for (std::size_t p = 0; p < pictures.size(); ++p)
        for (std::size_t y = 0; y < pictures[p].Tiles.size(); ++y)
            for (std::size_t x = 0; x < pictures[p].Tiles[y].size(); ++x)
                places[pictures[p].Tiles[y][x]] = {static_cast<int>(p), static_cast<int>(x), static_cast<int>(y)};
    return places;
}

}  // namespace

const std::vector<Picture>& MultiTilePictures() {
    static const std::vector<Picture> pictures = {
        {"first head slab", {{0, 1, 2}, {8, 9, 10}, {16, 17, 18}}},
        {"second head slab", {{4, 5, 6}, {12, 13, 14}, {20, 21, 22}}},
        {"rust block", {{37, 38, 39}, {45, 46, 47}, {53, 54, 55}}},
        {"upright stone strip", {{3}, {11}, {19}}},
        {"lying stone strip", {{24, 25, 26, 27}}},
        {"metal", {{15}, {23}}},
        {"white marble", {{28, 29, 30, 31}}},
    };
    return pictures;
}

const std::vector<std::uint8_t>& SingleTextures() {
    static const std::vector<std::uint8_t> textures = {32, 33, 34, 35, 36, 40, 41, 42, 43, 44, 48,
                                                       49, 50, 51, 52, 56, 57, 58, 59, 60, 61, 62, 63};
    return textures;
}

void Decorate(LevelRecord& level, Random& random) {
    level.Decor.fill(kDecorBackground);
    std::array<bool, kCellCount> used{};
    const auto& pictures = MultiTilePictures();

    // Pictures first, biggest first, each tried at a few random places; a level gets a few of
    // them, never two of the same.
    std::vector<int> order;
    for (std::size_t p = 0; p < pictures.size(); ++p) order.push_back(static_cast<int>(p));
    random.Shuffle(order);
    int wanted = random.Between(1, 3);
    for (int p : order) {
        if (wanted == 0) break;
        const Picture& picture = pictures[p];
        const int height = static_cast<int>(picture.Tiles.size());
        const int width = static_cast<int>(picture.Tiles[0].size());
        std::vector<Cell> spots;
        for (int column = 1; column + width - 1 <= kColumns; ++column)
            for (int row = 1; row + height - 1 <= kRows; ++row)
                if (Fits(level, used, picture, column, row)) spots.push_back({column, row});
        if (spots.empty()) continue;
        const Cell at = random.Pick(spots);
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x) {
                const int i = CellIndex(at.Column + x, at.Row + y);
                level.Decor[i] = picture.Tiles[y][x];
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
        const std::uint8_t texture = random.Pick(SingleTextures());
        std::vector<Cell> grown{random.Pick(free)};
        const int size = random.Between(1, 6);
        for (std::size_t k = 0; k < grown.size() && static_cast<int>(grown.size()) < size; ++k) {
            for (int d = 0; d < 4 && static_cast<int>(grown.size()) < size; ++d) {
                const Cell next{grown[k].Column + (d == 0) - (d == 2), grown[k].Row + (d == 3) - (d == 1)};
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
    const auto& pictures = MultiTilePictures();
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
        const Picture& picture = pictures[places[v].Picture];
        const int left = column - places[v].X, top = row - places[v].Y;
        for (std::size_t y = 0; y < picture.Tiles.size(); ++y)
            for (std::size_t x = 0; x < picture.Tiles[y].size(); ++x) {
                const int c = left + static_cast<int>(x), r = top + static_cast<int>(y);
                if (!OnBoard(c, r) || level.Pieces[CellIndex(c, r)] != kEmptyCell ||
                    level.Decor[CellIndex(c, r)] != picture.Tiles[y][x]) {
                    problem = where + ": the " + std::string(picture.Name) + " is broken";
                    return;
                }
            }
    });
    return problem;
}

}  // namespace slcy::levels
