// Which decoration tiles belong together. The decoration sheet holds 8 x 8 tiles; tile v lies
// at column v & 7, row v >> 3. Some pictures span several tiles, always a rectangle of the
// sheet, and show whole only when their tiles are laid on the board as they lie on the sheet:
// the art draws them so, the level generator lays them so, and the tests check both.
#pragma once

#include <array>
#include <cstdint>

namespace slcy::assets {

inline constexpr int kDecorSheetColumns = 8;

struct DecorPicture {
    const char* Name;
    std::uint8_t First;  // the top-left tile
    int Columns;
    int Rows;

    constexpr std::uint8_t Tile(int column, int row) const {
        return static_cast<std::uint8_t>(First + row * kDecorSheetColumns + column);
    }
};

enum DecorPictureId : int {
    kFirstHeadSlab,
    kSecondHeadSlab,
    kRustBlock,
    kUprightStoneStrip,
    kLyingStoneStrip,
    kMetal,
    kWhiteMarble,
};

inline constexpr std::array<DecorPicture, 7> kDecorPictures = {{
    {"first head slab", 0, 3, 3},
    {"second head slab", 4, 3, 3},
    {"rust block", 37, 3, 3},
    {"upright stone strip", 3, 1, 3},
    {"lying stone strip", 24, 4, 1},
    {"metal", 15, 1, 2},
    {"white marble", 28, 4, 1},
}};

// Tiles that make a picture on their own and may be repeated to fill an area.
inline constexpr std::array<std::uint8_t, 23> kDecorTextures = {
    32, 33, 34, 35, 36, 40, 41, 42, 43, 44, 48, 49, 50, 51, 52, 56, 57, 58, 59, 60, 61, 62, 63,
};

}  // namespace slcy::assets
