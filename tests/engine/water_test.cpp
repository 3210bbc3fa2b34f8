// Water flows from the source through neighbouring pieces whose openings meet.
#include <gtest/gtest.h>

#include "board.h"
#include "water.h"

namespace slcy {
namespace {

class Flood : public ::testing::Test {
protected:
    BoardState board;
    void Put(int column, int row, int kind, int orientation) {
        board.PieceGrid[CellIndex(column, row)] = MakeTile(kind, orientation);
    }
    void PutCode(int column, int row, TileCode t) { board.PieceGrid[CellIndex(column, row)] = t; }
    void From(int column, int row) {
        board.SourceCell = {column, row};
        FloodFromSource(board);
    }
    int Reached() const {
        int n = 0;
        for (auto b : board.FloodGrid) n += b;
        return n;
    }
};

TEST(ConnectionTable, TurningMovesEveryOpeningOneSideAnticlockwise) {
    for (int code = 1; code < 32; ++code) {
        const auto t = static_cast<TileCode>(code);
        for (int d = 0; d < 4; ++d) {
            EXPECT_EQ(Opens(t, Direction(d)), Opens(TurnedLeft(t), Direction((d + 1) % 4)))
                << "code " << code << " side " << d;
        }
    }
}

TEST(ConnectionTable, RowsMatchTheKindsAtRest) {
    EXPECT_EQ(ConnectionTable[1], (std::array<std::uint8_t, 4>{1, 0, 0, 0}));
    EXPECT_EQ(ConnectionTable[2], (std::array<std::uint8_t, 4>{1, 1, 0, 0}));
    EXPECT_EQ(ConnectionTable[26], (std::array<std::uint8_t, 4>{1, 0, 0, 1}));
    EXPECT_EQ(ConnectionTable[19], (std::array<std::uint8_t, 4>{1, 0, 1, 0}));
    EXPECT_EQ(ConnectionTable[12], (std::array<std::uint8_t, 4>{0, 1, 1, 1}));
    EXPECT_EQ(ConnectionTable[28], (std::array<std::uint8_t, 4>{1, 1, 0, 1}));
    for (int code : {5, 13, 21, 29}) EXPECT_EQ(ConnectionTable[code], (std::array<std::uint8_t, 4>{1, 1, 1, 1}));
    for (int code : {0, 6, 7, 8, 14, 15, 16, 22, 23, 24, 30, 31})
        EXPECT_EQ(ConnectionTable[code], (std::array<std::uint8_t, 4>{0, 0, 0, 0})) << code;
}

TEST_F(Flood, SourceCountsAsReachedWhateverItHolds) {
    From(4, 4);  // empty cell
    EXPECT_EQ(Reached(), 1);
    EXPECT_TRUE(board.Flooded(4, 4));
}

TEST_F(Flood, EmptySourceReachesNothingAroundIt) {
    Put(5, 4, kCross, 0);
    Put(3, 4, kCross, 0);
    From(4, 4);
    EXPECT_EQ(Reached(), 1);
}

TEST_F(Flood, EndPiecePointingOffTheBoardReachesOnlyItself) {
    Put(10, 1, kEndPiece, 0);  // opens Right, off the board
    Put(9, 1, kCross, 0);
    Put(10, 2, kCross, 0);
    From(10, 1);
    EXPECT_EQ(Reached(), 1);
}

TEST_F(Flood, ParallelStraightPipeStaysDry) {
    Put(1, 1, kEndPiece, 0);  // faces Right
    Put(2, 1, kStraight, 1);  // runs Up-Down: no opening to the left
    From(1, 1);
    EXPECT_FALSE(board.Flooded(2, 1));
    Put(2, 1, kStraight, 2);  // Right-Left again
    From(1, 1);
    EXPECT_TRUE(board.Flooded(2, 1));
}

TEST_F(Flood, PiecesNeedOpeningsOnBothSidesOfTheirCommonSide) {
    Put(1, 1, kEndPiece, 0);  // faces Right
    Put(2, 1, kEndPiece, 0);  // faces Right too: turns its back on the source
    From(1, 1);
    EXPECT_FALSE(board.Flooded(2, 1));
    From(2, 1);  // facing away from (1,1) the other way round
    EXPECT_FALSE(board.Flooded(1, 1));
}

TEST_F(Flood, FacingPiecesBehindABrokenPathStayDry) {
    Put(1, 1, kEndPiece, 0);
    Put(2, 1, kStraight, 1);  // breaks the path
    Put(3, 1, kStraight, 0);
    Put(4, 1, kEndPiece, 2);  // faces (3,1), which faces it back
    From(1, 1);
    EXPECT_EQ(Reached(), 1);
}

TEST_F(Flood, BendsAndTeesFollowTheirOpenings) {
    Put(1, 2, kBend, 0);   // Right, Up
    Put(1, 1, kBend, 3);   // Right, Down
    Put(2, 1, kTee, 2);    // Right, Left, Down
    Put(2, 2, kStraight, 1);
    Put(3, 1, kEndPiece, 2);
    Put(2, 3, kEndPiece, 1);
    From(1, 2);
    EXPECT_EQ(Reached(), 6);
}

TEST_F(Flood, PiecesWithoutOpeningsAreNeverReachedUnlessTheyAreTheSource) {
    Put(1, 1, kCross, 0);
    PutCode(2, 1, 6);
    PutCode(1, 2, 7);
    PutCode(1, 3, 8);   // kind 0 with an orientation
    Put(1, 3, 0, 2);    // 16
    From(1, 1);
    EXPECT_EQ(Reached(), 1);
    PutCode(1, 2, 24);
    From(1, 2);
    EXPECT_EQ(Reached(), 1);  // a source without openings spreads nowhere
}

TEST_F(Flood, TheWholeBoardAsOneSnakeIsReached) {
    // Down column 1, up column 2, down column 3, ...: one path through all 80 cells, so the
    // water has to go 80 cells deep.
    for (int column = 1; column <= kColumns; ++column) {
        const bool down = column % 2 == 1;
        for (int row = 1; row <= kRows; ++row) Put(column, row, kStraight, 1);
        const int first = down ? 1 : kRows;
        const int last = down ? kRows : 1;
        if (column > 1) Put(column, first, kBend, down ? 2 : 1);         // from the Left on
        if (column < kColumns) Put(column, last, kBend, down ? 0 : 3);   // on to the Right
    }
    Put(1, 1, kEndPiece, 3);          // the head opens Down
    Put(kColumns, 1, kEndPiece, 3);   // the tail, at the top of the last column, opens Down
    From(1, 1);
    EXPECT_EQ(Reached(), kCellCount);
    From(kColumns, 1);
    EXPECT_EQ(Reached(), kCellCount);
}

}  // namespace
}  // namespace slcy
