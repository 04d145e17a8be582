// The bitboard primitives against the table rules, on random boards: legal moves, flips and the
// leaf evaluation must agree square for square and point for point.

#include "engine/bitboard.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "core/rules.h"
#include "engine/bitboard_evaluation.h"
#include "engine/evaluation.h"
#include "engine/square_weights.h"

namespace kurobi {
namespace {

// Any mix of discs, not only positions that play can reach: lines to every edge get tried.
void RandomBoard(std::mt19937& rng, int32_t* cells) {
    for (int c = 0; c < kCells; ++c) cells[c] = kEmpty;
    const unsigned fill = 20 + rng() % 75;  // percent of squares occupied
    for (int x = 1; x <= 8; ++x)
        for (int y = 1; y <= 8; ++y)
            if (rng() % 100 < fill) cells[Cell(x, y)] = rng() % 2 ? kBlack : kWhite;
}

TEST(Bitboard, SquareIndicesRoundTrip) {
    for (int x = 1; x <= 8; ++x) {
        for (int y = 1; y <= 8; ++y) {
            const int index = SquareIndex(x, y);
            ASSERT_GE(index, 0);
            ASSERT_LT(index, 64);
            EXPECT_EQ(SquareColumn(index), x);
            EXPECT_EQ(SquareRow(index), y);
        }
    }
}

TEST(Bitboard, LegalMovesAndFlipsMatchTheTableRules) {
    std::mt19937 rng(5150);
    int movesSeen = 0;
    for (int round = 0; round < 3000; ++round) {
        int32_t cells[kCells];
        RandomBoard(rng, cells);
        for (const int32_t mover : {kBlack, kWhite}) {
            const Bitboard own = DiscsOf(cells, mover);
            const Bitboard opp = DiscsOf(cells, -mover);
            const Bitboard moves = LegalMoves(own, opp);
            for (int x = 1; x <= 8; ++x) {
                for (int y = 1; y <= 8; ++y) {
                    const int index = SquareIndex(x, y);
                    const bool legal = cells[Cell(x, y)] == kEmpty && FlanksAny(cells, x, y, mover);
                    ASSERT_EQ((moves & SquareBit(index)) != 0, legal) << x << "," << y;
                    if (!legal) continue;
                    ++movesSeen;
                    int32_t after[kCells];
                    std::copy(cells, cells + kCells, after);
                    TurnFlankedDiscs(after, x, y, mover);
                    const Bitboard turned = DiscsOf(after, mover) & ~own;
                    ASSERT_EQ(Flips(index, own, opp), turned) << x << "," << y;
                }
            }
        }
    }
    EXPECT_GT(movesSeen, 10000);
}

TEST(Bitboard, LastFlipCountMatchesTheFlipsOfTheLastMove) {
    std::mt19937 rng(64);
    int legal = 0;
    for (int round = 0; round < 20000; ++round) {
        const int last = static_cast<int>(rng() % 64);
        const Bitboard own = ((Bitboard{rng()} << 32) | rng()) & ~SquareBit(last);
        const Bitboard opp = ~own & ~SquareBit(last);
        ASSERT_EQ(LastFlipCount(last, own), DiscCount(Flips(last, own, opp))) << round;
        ASSERT_EQ(LastFlipCount(last, opp), DiscCount(Flips(last, opp, own))) << round;
        legal += LastFlipCount(last, own) > 0;
    }
    EXPECT_GT(legal, 5000);
}

TEST(BitboardEvaluation, EqualsTheTableEvaluation) {
    std::mt19937 rng(77);
    int finals = 0;
    for (int round = 0; round < 3000; ++round) {
        GameState s;
        InitGameState(s);
        ResetSquareWeights(s);
        for (const Square& corner : kCorners)
            if (rng() % 3 == 0) ApplyCornerRaise(s, corner.x, corner.y);
        s.CpuColor = rng() % 2 ? kBlack : kWhite;
        s.PlayerColor = -s.CpuColor;
        const int ply = 2 + static_cast<int>(rng() % 10);
        int32_t* board = s.PlyBoard(ply);
        RandomBoard(rng, board);
        if (round % 5 == 0) {  // a full board, or one where nobody can move
            for (int x = 1; x <= 8; ++x)
                for (int y = 1; y <= 8; ++y)
                    if (rng() % 4 != 0) board[Cell(x, y)] = rng() % 2 ? kBlack : kWhite;
        }
        // The list as in play, or keeping occupied squares (the endgame test position), or
        // missing some empty squares: the mobility counts only what is both listed and empty.
        ResetEmptyList(s);
        const unsigned listKind = rng() % 3;
        for (int x = 1; x <= 8; ++x) {
            for (int y = 1; y <= 8; ++y) {
                const bool empty = board[Cell(x, y)] == kEmpty;
                if ((listKind == 0 && !empty) || (listKind == 2 && rng() % 4 == 0))
                    RemoveEmptySquare(s, x, y);
            }
        }
        Bitboard list = 0;
        for (int i = 0; i < s.EmptyCount; ++i)
            list |= SquareBit(SquareIndex(s.EmptyX[i], s.EmptyY[i]));

        EvaluateLeaf(s, ply);
        const BitboardEvaluation evaluation(s);
        const int32_t v =
            evaluation.Evaluate(DiscsOf(board, s.CpuColor), DiscsOf(board, s.PlayerColor), list);
        ASSERT_EQ(v, s.LeafValue[ply]) << "round " << round;
        finals += v == kFinalScore || v == -kFinalScore;
    }
    EXPECT_GT(finals, 20);
}

}  // namespace
}  // namespace kurobi
