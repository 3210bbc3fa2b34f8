#include <gtest/gtest.h>

#include "DecorLayout.h"
#include "decor.h"
#include "network.h"

namespace slcy::levels::testing {
namespace {

LevelRecord EmptyBoard() {
    LevelRecord level;
    level.Decor.fill(kDecorBackground);
    level.StartColumn = level.StartRow = 1;
    return level;
}

using assets::DecorPicture;
using assets::kDecorPictures;

void Lay(LevelRecord& level, const DecorPicture& picture, int column, int row) {
    for (int y = 0; y < picture.Rows; ++y)
        for (int x = 0; x < picture.Columns; ++x)
            level.Decor[CellIndex(column + x, row + y)] = picture.Tile(x, y);
}

TEST(Decoration, NeverBreaksAPictureOnRandomBoards) {
    for (int k = 0; k < 200; ++k) {
        tools::Random random(21, k);
        LevelRecord level = MakeSolvedNetwork(random.Between(2, 70), random);
        Decorate(level, random);
        EXPECT_EQ(DecorProblem(level), "") << "board " << k;
        for (int i = 0; i < kCellCount; ++i) {
            EXPECT_LE(level.Decor[i], 63);
            if (level.Pieces[i] != kEmptyCell) {
                EXPECT_EQ(level.Decor[i], kDecorBackground);
            }
        }
    }
}

TEST(Decoration, AnEmptyBoardGetsAtLeastOneMultiTilePicture) {
    for (int k = 0; k < 20; ++k) {
        tools::Random random(22, k);
        LevelRecord level = EmptyBoard();
        level.Pieces[0] = MakeTile(kEndPiece, 0);
        Decorate(level, random);
        int picture_tiles = 0;
        for (const DecorPicture& picture : kDecorPictures)
            for (int y = 0; y < picture.Rows; ++y)
                for (int x = 0; x < picture.Columns; ++x)
                    for (std::uint8_t d : level.Decor) picture_tiles += d == picture.Tile(x, y);
        EXPECT_GE(picture_tiles, 2) << "board " << k;
    }
}

TEST(Decoration, AcceptsWholePicturesAgainstTheBoardEdge) {
    LevelRecord level = EmptyBoard();
    // A 3 x 3 slab in the bottom right corner, the lying strip along the top.
    Lay(level, kDecorPictures[assets::kFirstHeadSlab], 8, 6);
    Lay(level, kDecorPictures[assets::kLyingStoneStrip], 1, 1);
    EXPECT_EQ(DecorProblem(level), "");
}

TEST(Decoration, ReportsASlabWithATileMissing) {
    LevelRecord level = EmptyBoard();
    Lay(level, kDecorPictures[assets::kSecondHeadSlab], 2, 2);
    level.Decor[CellIndex(3, 3)] = kDecorBackground;
    EXPECT_NE(DecorProblem(level), "");
}

TEST(Decoration, ReportsAPictureCutByAPiece) {
    LevelRecord level = EmptyBoard();
    Lay(level, kDecorPictures[assets::kRustBlock], 4, 4);
    level.Pieces[CellIndex(5, 5)] = MakeTile(kCross, 0);
    EXPECT_NE(DecorProblem(level), "");
}

TEST(Decoration, ReportsPicturesLaidOutOfOrder) {
    LevelRecord level = EmptyBoard();
    level.Decor[CellIndex(1, 1)] = 23;  // the metal's lower half above its upper half
    level.Decor[CellIndex(1, 2)] = 15;
    EXPECT_NE(DecorProblem(level), "");
    LevelRecord marble = EmptyBoard();
    marble.Decor[CellIndex(6, 6)] = 29;  // one marble tile alone
    EXPECT_NE(DecorProblem(marble), "");
}

}  // namespace
}  // namespace slcy::levels::testing
