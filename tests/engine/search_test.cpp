// The searches against plain game-tree walks: exact values, the win-loss sign, the tie-break of
// equal values and the node count, on random positions reached by legal play.

#include <gtest/gtest.h>

#include <random>

#include "engine/computer_move.h"
#include "engine/game_tree.h"
#include "engine/levels.h"
#include "engine/position_setup.h"

namespace kurobi {
namespace {

using testing::Position;

// The game state as the turn driver finds it, the computer to move in `p`.
void SetUpTurn(GameState& s, const Position& p, int level) {
    InitGameState(s);
    ApplyLevel(s, level);
    s.CpuColor = p.toMove;
    s.PlayerColor = -p.toMove;
    s.WaitingToStart = 0;
    s.Turn = kComputerTurn;
    ResetPosition(s);
    RestorePosition(s, p.cells);
}

// Root moves in list order with their exact values.
std::vector<std::pair<Square, int>> RootValues(const GameState& s, const Position& p) {
    std::vector<std::pair<Square, int>> values;
    for (int i = 0; i < s.EmptyCount; ++i) {
        const int x = s.EmptyX[i], y = s.EmptyY[i];
        if (p.cells[Cell(x, y)] != kEmpty || !FlanksAny(p.cells, x, y, p.toMove)) continue;
        values.push_back({{x, y}, testing::ExactValue(testing::Play(p, x, y), p.toMove)});
    }
    return values;
}

TEST(EndgameReads, ExactReadFindsTheBestValueAndTheFirstMoveThatReachesIt) {
    std::mt19937 rng(20261207);
    int checked = 0;
    while (checked < 150) {
        Position p;
        const int empties = 3 + checked % 7;
        if (!testing::RandomPosition(rng, empties, p)) continue;
        GameState s;
        SetUpTurn(s, p, 11);
        s.EndgameStart = 64 - empties - 1;  // the exact read
        const ComputerChoice c = ChooseComputerMove(s);
        ASSERT_EQ(c.kind, SearchKind::Exact);
        const auto roots = RootValues(s, p);
        int best = -1000;
        for (const auto& [sq, v] : roots) best = std::max(best, v);
        ASSERT_EQ(c.value, best) << "empties " << empties;
        Square first{};
        for (const auto& [sq, v] : roots)
            if (v == best) {
                first = sq;
                break;
            }
        EXPECT_EQ(c.x, first.x);
        EXPECT_EQ(c.y, first.y);
        ++checked;
    }
}

TEST(EndgameReads, WinLossReadGetsTheSignRightAndPlaysAMoveOfThatSign) {
    std::mt19937 rng(7);
    int checked = 0, wins = 0, draws = 0, losses = 0;
    while (checked < 150) {
        Position p;
        const int empties = 3 + checked % 7;
        if (!testing::RandomPosition(rng, empties, p)) continue;
        GameState s;
        SetUpTurn(s, p, 11);
        s.EndgameStart = 64 - empties;  // the win-loss read
        const ComputerChoice c = ChooseComputerMove(s);
        const int truth = testing::ExactValue(p, p.toMove);
        ASSERT_EQ(c.forecast > 0, truth > 0);
        ASSERT_EQ(c.forecast == 0, truth == 0);
        if (truth > 0) {
            ++wins;
            EXPECT_EQ(c.kind, SearchKind::WinLoss);
            EXPECT_GT(testing::ExactValue(testing::Play(p, c.x, c.y), p.toMove), 0);
            EXPECT_LE(c.value, truth);  // a lower bound of the winning margin
        } else if (truth == 0) {
            ++draws;
            // The first move in list order that holds the draw.
            for (const auto& [sq, v] : RootValues(s, p)) {
                if (v != 0) continue;
                EXPECT_EQ(c.x, sq.x);
                EXPECT_EQ(c.y, sq.y);
                break;
            }
        } else {
            ++losses;
            EXPECT_EQ(c.kind, SearchKind::WinLossThenMidgame);
            EXPECT_GE(c.forecast, truth);  // an upper bound of the loss
        }
        ++checked;
    }
    EXPECT_GT(wins, 10);
    EXPECT_GT(draws, 0);
    EXPECT_GT(losses, 10);
}

TEST(EndgameReads, NodeCountIsMovesTriedWithPassesNotCounted) {
    // With two empty squares no cut-off can skip a move, so the read tries the whole tree.
    std::mt19937 rng(3);
    int checked = 0, withPass = 0;
    while (checked < 300) {
        Position p;
        if (!testing::RandomPosition(rng, 2, p)) continue;
        GameState s;
        SetUpTurn(s, p, 6);
        const ComputerChoice c = ChooseComputerMove(s);
        ASSERT_EQ(c.kind, SearchKind::Exact);
        EXPECT_EQ(c.nodes, testing::FullTreeMoves(p));
        // A line of two computer moves in a row shows a pass inside the read.
        for (const auto& [sq, v] : RootValues(s, p)) {
            (void)v;
            Position after = testing::Play(p, sq.x, sq.y);
            withPass += !testing::HasMove(after.cells, after.toMove) &&
                        testing::HasMove(after.cells, -after.toMove);
        }
        ++checked;
    }
    EXPECT_GT(withPass, 5);
}

TEST(MidgameSearch, MatchesPlainMinimaxAndPlaysTheFirstMoveOfGreatestValue) {
    std::mt19937 rng(11);
    int checked = 0, ties = 0;
    while (checked < 120) {
        Position p;
        const int empties = 24 + static_cast<int>(rng() % 30);
        if (!testing::RandomPosition(rng, empties, p)) continue;
        GameState s;
        const int level = 2 + checked % 3;  // one to three moves of look-ahead
        SetUpTurn(s, p, level);
        const auto roots = testing::MidgameRootValues(p, s.SearchDepth, s);
        const ComputerChoice c = ChooseComputerMove(s);
        ASSERT_EQ(c.kind, SearchKind::Midgame);
        int32_t best = -30000;
        for (const auto& r : roots) best = std::max(best, r.value);
        ASSERT_EQ(c.value, best);
        int atBest = 0;
        for (const auto& r : roots) {
            if (r.value != best) continue;
            if (atBest++ == 0) {
                EXPECT_EQ(c.x, r.move.x);
                EXPECT_EQ(c.y, r.move.y);
            }
        }
        ties += atBest > 1;
        ++checked;
    }
    EXPECT_GT(ties, 3);
}

}  // namespace
}  // namespace kurobi
