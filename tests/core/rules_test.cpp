#include <gtest/gtest.h>

#include <vector>

#include "core/rules.h"

namespace kurobi {
namespace {

class RulesTest : public ::testing::Test {
protected:
    void SetUp() override {
        InitGameState(s);
        s.PlayerColor = kBlack;
        s.CpuColor = kWhite;
        ResetEmptyList(s);
        PlaceStartingDiscs(s.GameBoard());
        s.Ply = 1;
    }

    std::vector<Square> Flagged(const uint8_t* flags) const {
        std::vector<Square> squares;
        for (int x = 1; x <= 8; ++x)
            for (int y = 1; y <= 8; ++y)
                if (flags[Cell(x, y)]) squares.push_back({x, y});
        return squares;
    }

    GameState s;
};

TEST_F(RulesTest, InitialPositionGivesFourMovesToEachSide) {
    FindLegalMoves(s);
    EXPECT_EQ(s.PlayerMoveCount[1], 4);
    EXPECT_EQ(s.CpuMoveCount[1], 4);
    const std::vector<Square> black = {{3, 4}, {4, 3}, {5, 6}, {6, 5}};
    const std::vector<Square> white = {{3, 5}, {4, 6}, {5, 3}, {6, 4}};
    EXPECT_EQ(Flagged(s.PlayerMoveFlags[1]), black);
    EXPECT_EQ(Flagged(s.CpuMoveFlags[1]), white);
}

TEST_F(RulesTest, SquareFlankingSeveralLinesIsCountedOnceAndMayBeLegalForBoth) {
    int32_t* b = s.GameBoard();
    PlaceStartingDiscs(b);
    // (3,3) closes two lines for black (via (4,3) and (4,4)) and one for white (via (3,4)).
    b[Cell(4, 3)] = kWhite;
    b[Cell(5, 3)] = kBlack;
    b[Cell(4, 4)] = kWhite;
    b[Cell(5, 5)] = kBlack;
    b[Cell(3, 4)] = kBlack;
    b[Cell(3, 5)] = kWhite;
    FindLegalMoves(s);
    EXPECT_EQ(s.PlayerMoveFlags[1][Cell(3, 3)], 1);
    EXPECT_EQ(s.CpuMoveFlags[1][Cell(3, 3)], 1);
    int flaggedForBlack = 0;
    for (int c = 0; c < kCells; ++c) flaggedForBlack += s.PlayerMoveFlags[1][c];
    EXPECT_EQ(flaggedForBlack, s.PlayerMoveCount[1]);
}

TEST_F(RulesTest, LineRunningToTheBorderGivesNoMoveAndFlipsNothing) {
    int32_t* b = s.GameBoard();
    for (int x = 1; x <= 8; ++x)
        for (int y = 1; y <= 8; ++y) b[Cell(x, y)] = kEmpty;
    b[Cell(2, 1)] = kWhite;
    b[Cell(3, 1)] = kWhite;
    EXPECT_FALSE(FlanksAny(b, 4, 1, kBlack));
    int turned = 0;
    b[Cell(4, 1)] = kBlack;
    TurnFlankedDiscs(b, 4, 1, kBlack, [&](int) { ++turned; });
    EXPECT_EQ(turned, 0);
    EXPECT_EQ(b[Cell(3, 1)], kWhite);
}

TEST_F(RulesTest, FlipsFollowTheFixedDirectionOrderNearestFirst) {
    int32_t* b = s.GameBoard();
    for (int x = 1; x <= 8; ++x)
        for (int y = 1; y <= 8; ++y) b[Cell(x, y)] = kEmpty;
    // Black plays (4,4); white lines in four directions, each closed by black.
    const int x = 4, y = 4;
    b[Cell(3, 3)] = kWhite, b[Cell(2, 2)] = kBlack;                            // (-1,-1)
    b[Cell(4, 5)] = kWhite, b[Cell(4, 6)] = kWhite, b[Cell(4, 7)] = kBlack;    // (0,1)
    b[Cell(5, 3)] = kWhite, b[Cell(6, 2)] = kBlack;                            // (1,-1)
    b[Cell(3, 4)] = kWhite, b[Cell(2, 4)] = kBlack;                            // (-1,0)
    b[Cell(5, 4)] = kWhite;                                                    // (1,0) open
    b[Cell(x, y)] = kBlack;
    std::vector<int> order;
    TurnFlankedDiscs(b, x, y, kBlack, [&](int cell) { order.push_back(cell); });
    const std::vector<int> expected = {Cell(3, 3), Cell(3, 4), Cell(4, 5), Cell(4, 6), Cell(5, 3)};
    EXPECT_EQ(order, expected);
    EXPECT_EQ(b[Cell(5, 4)], kWhite);
}

TEST_F(RulesTest, RemovingKeepsTheOrderOfTheRest) {
    RemoveEmptySquare(s, 7, 7);  // the last entry
    ASSERT_EQ(s.EmptyCount, 59);
    EXPECT_EQ(s.EmptyX[58], 2);
    EXPECT_EQ(s.EmptyY[58], 7);
    RemoveEmptySquare(s, 3, 3);  // from the middle
    ASSERT_EQ(s.EmptyCount, 58);
    for (int i = 0; i < 4; ++i) EXPECT_EQ(s.EmptyX[i], kEmptySquareOrder[i].x);
    for (int i = 4; i < 58; ++i) {
        EXPECT_EQ(s.EmptyX[i], kEmptySquareOrder[i + 1].x);
        EXPECT_EQ(s.EmptyY[i], kEmptySquareOrder[i + 1].y);
    }
    RemoveEmptySquare(s, 4, 4);  // a centre square is never in the list
    EXPECT_EQ(s.EmptyCount, 58);
}

TEST_F(RulesTest, OccupiedSquaresLeftInTheListAreNeverFlagged) {
    int32_t* b = s.GameBoard();
    b[Cell(4, 3)] = kBlack;  // a legal square for black, now occupied but still listed
    FindLegalMoves(s);
    EXPECT_EQ(s.PlayerMoveFlags[1][Cell(4, 3)], 0);
    EXPECT_EQ(s.CpuMoveFlags[1][Cell(4, 3)], 0);
}

TEST(GameStateTest, FreshStateHoldsSentinelsOnlyBeyondThePreparedPlies) {
    GameState s;
    InitGameState(s);
    for (int ply = 0; ply < kPlies; ++ply)
        EXPECT_EQ(s.BestValue[ply], ply < kPreparedPlies ? 0 : SentinelForPly(ply)) << ply;
    EXPECT_EQ(s.Boards[kUndoBoard][Cell(4, 4)], 0);
}

}  // namespace
}  // namespace kurobi
