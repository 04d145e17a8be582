// The searches against plain game-tree walks: exact values, the win-loss sign, the tie-break of
// equal values and the node count, on random positions reached by legal play.

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "engine/computer_move.h"
#include "engine/game_tree.h"
#include "engine/levels.h"
#include "tools/analysis.h"

namespace kurobi {
namespace {

using testing::Position;

// Runs `check` on `count` random positions with the computer to move; `empties(i)` gives the
// number of empty squares of the i-th.
template <class Empties, class Check>
void ForRandomPositions(uint32_t seed, int count, int level, Empties&& empties, Check&& check) {
    std::mt19937 rng(seed);
    for (int i = 0; i < count;) {
        Position p;
        if (!random_play::PlayTo(rng, 64 - empties(i, rng), p)) continue;
        check(*random_play::TurnOn(p, p.toMove, level), p, i++);
    }
}

// Root moves in list order with their exact values.
std::vector<testing::RootValue> ExactRootValues(const GameState& s, const Position& p) {
    std::vector<testing::RootValue> values;
    for (int i = 0; i < s.EmptyCount; ++i) {
        const int x = s.EmptyX[i], y = s.EmptyY[i];
        if (p.cells[Cell(x, y)] != kEmpty || !FlanksAny(p.cells, x, y, p.toMove)) continue;
        values.push_back({{x, y}, testing::ExactValue(testing::Play(p, x, y), p.toMove)});
    }
    return values;
}

// The first move in list order whose value is `value`.
Square FirstWithValue(const std::vector<testing::RootValue>& roots, int32_t value) {
    for (const testing::RootValue& r : roots)
        if (r.value == value) return r.move;
    return {};
}

int32_t BestValue(const std::vector<testing::RootValue>& roots) {
    int32_t best = -30000;
    for (const testing::RootValue& r : roots) best = std::max(best, r.value);
    return best;
}

auto ThreeToNineEmpties = [](int i, std::mt19937&) { return 3 + i % 7; };

TEST(EndgameReads, ExactReadFindsTheBestValueAndTheFirstMoveThatReachesIt) {
    ForRandomPositions(20261207, 150, 11, ThreeToNineEmpties, [](GameState& s, const Position& p,
                                                                   int) {
        s.EndgameStart = s.PlayerDiscs + s.CpuDiscs - 1;  // the exact read
        const ComputerChoice c = ChooseComputerMove(s);
        ASSERT_EQ(c.kind, SearchKind::Exact);
        const auto roots = ExactRootValues(s, p);
        ASSERT_EQ(c.value, BestValue(roots));
        EXPECT_EQ((Square{c.x, c.y}), FirstWithValue(roots, c.value));
    });
}

TEST(EndgameReads, WinLossReadGetsTheSignRightAndPlaysAMoveOfThatSign) {
    int wins = 0, draws = 0, losses = 0;
    ForRandomPositions(7, 150, 11, ThreeToNineEmpties, [&](GameState& s, const Position& p, int) {
        s.EndgameStart = s.PlayerDiscs + s.CpuDiscs;  // the win-loss read
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
            EXPECT_EQ((Square{c.x, c.y}), FirstWithValue(ExactRootValues(s, p), 0));
        } else {
            ++losses;
            EXPECT_EQ(c.kind, SearchKind::WinLossThenMidgame);
            EXPECT_GE(c.forecast, truth);  // an upper bound of the loss
        }
    });
    EXPECT_GT(wins, 10);
    EXPECT_GT(draws, 0);
    EXPECT_GT(losses, 10);
}

TEST(EndgameReads, NodeCountIsMovesTriedWithPassesNotCounted) {
    // With two empty squares no cut-off can skip a move, so the read tries the whole tree.
    int withPass = 0;
    auto twoEmpties = [](int, std::mt19937&) { return 2; };
    ForRandomPositions(3, 300, 6, twoEmpties, [&](GameState& s, const Position& p, int) {
        const ComputerChoice c = ChooseComputerMove(s);
        ASSERT_EQ(c.kind, SearchKind::Exact);
        EXPECT_EQ(c.nodes, testing::FullTreeMoves(p));
        // A root move after which the player cannot answer but the computer can move again.
        for (const testing::RootValue& r : ExactRootValues(s, p)) {
            const Position after = testing::Play(p, r.move.x, r.move.y);
            withPass += !random_play::HasMove(after.cells, after.toMove) &&
                        random_play::HasMove(after.cells, -after.toMove);
        }
    });
    EXPECT_GT(withPass, 5);
}

TEST(MidgameSearch, MatchesPlainMinimaxAndPlaysTheFirstMoveOfGreatestValue) {
    int ties = 0;
    auto midgame = [](int, std::mt19937& rng) { return 24 + static_cast<int>(rng() % 30); };
    ForRandomPositions(11, 120, 2, midgame, [&](GameState& s, const Position& p, int i) {
        ApplyLevel(s, 2 + i % 3);  // one to three moves of look-ahead
        const auto roots = testing::MidgameRootValues(p, s.SearchDepth, s);
        const ComputerChoice c = ChooseComputerMove(s);
        ASSERT_EQ(c.kind, SearchKind::Midgame);
        ASSERT_EQ(c.value, BestValue(roots));
        EXPECT_EQ((Square{c.x, c.y}), FirstWithValue(roots, c.value));
        ties += std::count_if(roots.begin(), roots.end(),
                              [&](const testing::RootValue& r) { return r.value == c.value; }) > 1;
    });
    EXPECT_GT(ties, 3);
}

}  // namespace
}  // namespace kurobi
