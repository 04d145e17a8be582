#include <gtest/gtest.h>

#include "core/rules.h"
#include "engine/evaluation.h"
#include "engine/levels.h"
#include "engine/square_weights.h"

namespace kurobi {
namespace {

class EvaluationTest : public ::testing::Test {
protected:
    void SetUp() override {
        InitGameState(s);
        ResetSquareWeights(s);
        ResetEmptyList(s);
        s.CpuColor = kWhite;
        s.PlayerColor = kBlack;
        PlaceStartingDiscs(s.PlyBoard(2));
    }
    int32_t Evaluate() {
        EvaluateLeaf(s, 2);
        return s.LeafValue[2];
    }
    void Fill(int32_t black, int32_t white, int blackCount) {
        int n = 0;
        for (int x = 1; x <= 8; ++x)
            for (int y = 1; y <= 8; ++y) s.PlyBoard(2)[Cell(x, y)] = n++ < blackCount ? black : white;
    }
    GameState s;
};

TEST_F(EvaluationTest, WeightsMobilityAndDiscsAfterOneMove) {
    int32_t* b = s.PlyBoard(2);
    b[Cell(4, 3)] = kBlack;
    b[Cell(4, 4)] = kBlack;
    // Weighted: black 30, white 10, seen from white: -20. Three moves each. The player (black)
    // leads by three discs: +48.
    EXPECT_EQ(Evaluate(), -20 + 16 * 3);
    EXPECT_EQ(s.CpuMoveCount[2], 3);
    EXPECT_EQ(s.PlayerMoveCount[2], 3);
}

TEST_F(EvaluationTest, SwappingColoursAndSidesGivesTheSameValue) {
    int32_t* b = s.PlyBoard(2);
    b[Cell(4, 3)] = kBlack;
    b[Cell(4, 4)] = kBlack;
    b[Cell(1, 1)] = kWhite;
    const int32_t asWhite = Evaluate();
    for (int c = 0; c < kCells; ++c) b[c] = -b[c];
    s.CpuColor = kBlack;
    s.PlayerColor = kWhite;
    EXPECT_EQ(Evaluate(), asWhite);
}

TEST_F(EvaluationTest, FinishedGamesScoreTenThousandWithADrawCountingAsAWin) {
    Fill(kBlack, kWhite, 32);
    EXPECT_EQ(Evaluate(), kFinalScore);
    Fill(kBlack, kWhite, 33);  // the player has more
    EXPECT_EQ(Evaluate(), -kFinalScore);
    // Neither side can move with squares still empty: the disc comparison alone decides.
    int32_t* b = s.PlyBoard(2);
    for (int x = 1; x <= 8; ++x)
        for (int y = 1; y <= 8; ++y) b[Cell(x, y)] = kEmpty;
    b[Cell(1, 1)] = kWhite;
    b[Cell(8, 8)] = kWhite;
    b[Cell(5, 5)] = kBlack;
    EXPECT_EQ(Evaluate(), kFinalScore);
}

TEST_F(EvaluationTest, OccupiedSquaresStillInTheListAreNotCountedForMobility) {
    int32_t* b = s.PlyBoard(2);
    b[Cell(4, 3)] = kBlack;  // one of black's starting moves, now played but still listed
    b[Cell(4, 4)] = kBlack;
    CountMobility(s, 2);
    EXPECT_EQ(s.PlayerMoveCount[2], 3);
}

TEST(SquareWeightsTest, CornerRaisesAddUpAlongTheEdges) {
    GameState s;
    InitGameState(s);
    ResetSquareWeights(s);
    ApplyCornerRaise(s, 1, 1);
    const int32_t* w = s.SquareWeights();
    EXPECT_EQ(w[Cell(1, 2)], 75);
    EXPECT_EQ(w[Cell(2, 1)], 75);
    EXPECT_EQ(w[Cell(2, 2)], -100);
    EXPECT_EQ(w[Cell(1, 7)], -25);  // distance 6: unchanged
    ApplyCornerRaise(s, 4, 1);      // not a corner
    for (const Square c : kCorners)
        if (c.x != 1 || c.y != 1) ApplyCornerRaise(s, c.x, c.y);
    const int32_t edge[8] = {500, 75, 135, 125, 125, 135, 75, 500};
    for (int i = 0; i < 8; ++i) {
        EXPECT_EQ(w[Cell(1, i + 1)], edge[i]);
        EXPECT_EQ(w[Cell(8, i + 1)], edge[i]);
        EXPECT_EQ(w[Cell(i + 1, 1)], edge[i]);
        EXPECT_EQ(w[Cell(i + 1, 8)], edge[i]);
    }
    for (const Square c : {Square{2, 2}, Square{2, 7}, Square{7, 2}, Square{7, 7}})
        EXPECT_EQ(w[Cell(c.x, c.y)], -100);
}

TEST(LevelsTest, LevelsSetDepthAndEndgameStartAndRebuildsCountThresholds) {
    GameState s;
    InitGameState(s);
    s.SearchDepth = 9;
    ApplyLevel(s, 11);
    EXPECT_EQ(s.BaseDepth, 11);
    EXPECT_EQ(s.SearchDepth, 11);
    EXPECT_EQ(s.EndgameStart, 48);
    ApplyLevel(s, 1);
    EXPECT_EQ(s.EndgameStart, 55);
    EXPECT_EQ(RebuiltSearchDepth(6, 40), 6);
    EXPECT_EQ(RebuiltSearchDepth(6, 41), 7);
    EXPECT_EQ(RebuiltSearchDepth(6, 46), 8);
    EXPECT_EQ(RebuiltSearchDepth(6, 47), 9);
    int rises = 0;
    for (int total = 4; total <= 64; ++total) rises += SearchDepthRise(total);
    EXPECT_EQ(rises, 6);
    EXPECT_EQ(SearchDepthRise(43) + SearchDepthRise(44) + SearchDepthRise(49), 0);
}

}  // namespace
}  // namespace kurobi
