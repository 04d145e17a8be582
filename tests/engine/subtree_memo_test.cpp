// The endgame reads keep the subtrees they have read, lent a table for the read. A table's
// entries must never reach a later read, where another order of the empty-square list gives the
// same positions other node counts; and a read that finds every table lent must give the same
// result without one.

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "engine/computer_move.h"
#include "engine/cpu_levels.h"
#include "engine/random_play.h"
#include "engine/subtree_memo.h"
#include "tools/analysis.h"

namespace kurobi {
namespace {

// A position of random play with `discs` discs, the side to move as the computer, its turn set
// to read to the end (exactly, or for a win or loss only).
std::unique_ptr<GameState> EndgameTurn(int discs, bool exact) {
    std::mt19937 rng(20261208);
    random_play::Position p;
    while (!random_play::PlayTo(rng, discs, p)) {
    }
    PositionLine line;
    std::copy(std::begin(p.cells), std::end(p.cells), line.cells);
    line.cpuColor = p.toMove;
    line.level = 11;
    line.searchDepth = 0;
    auto s = std::make_unique<GameState>();
    SetUpPosition(*s, line);
    s->EndgameStart = exact ? discs - 1 : discs;
    return s;
}

void ExpectSameChoice(const ComputerChoice& a, const ComputerChoice& b, const std::string& label) {
    EXPECT_EQ(a.kind, b.kind) << label;
    EXPECT_EQ(a.x, b.x) << label;
    EXPECT_EQ(a.y, b.y) << label;
    EXPECT_EQ(a.value, b.value) << label;
    EXPECT_EQ(a.nodes, b.nodes) << label;
}

TEST(SubtreeMemo, ReadsInEveryListOrderAndWithoutATableMatchTheTableBasedRead) {
    for (const bool exact : {true, false}) {
        const std::unique_ptr<GameState> start = EndgameTurn(52, exact);
        std::set<int32_t> nodeCounts;
        for (int order = 0; order < 3; ++order) {
            auto listed = std::make_unique<GameState>(*start);
            // The same position with the empty squares in another order.
            const int n = listed->EmptyCount;
            std::rotate(listed->EmptyX, listed->EmptyX + order * n / 3, listed->EmptyX + n);
            std::rotate(listed->EmptyY, listed->EmptyY + order * n / 3, listed->EmptyY + n);
            auto table = std::make_unique<GameState>(*listed);
            const ComputerChoice reference =
                ChooseComputerMove(*table, {.engine = SearchEngine::TableBased});
            ASSERT_TRUE(IsEndgameRead(reference.kind));
            ASSERT_EQ(reference.kind == SearchKind::Exact, exact);
            nodeCounts.insert(reference.nodes);
            const std::string label = std::string(exact ? "exact" : "win-loss") + ", order " +
                                      std::to_string(order);
            AtEveryCpuLevel([&](CpuLevel level) {
                for (const bool split : {false, true}) {
                    auto fast = std::make_unique<GameState>(*listed);
                    ExpectSameChoice(reference, ChooseComputerMove(*fast, {.splitWinLoss = split}),
                                     label + AtLevel(level));
                }
                std::vector<std::unique_ptr<MemoLease>> held;
                do {
                    held.push_back(std::make_unique<MemoLease>());
                } while (held.back()->buckets() != nullptr);
                auto bare = std::make_unique<GameState>(*listed);
                ExpectSameChoice(reference, ChooseComputerMove(*bare, {.splitWinLoss = false}),
                                 label + AtLevel(level) + " without a table");
            });
        }
        EXPECT_EQ(nodeCounts.size(), 3u) << "the list orders should read different trees";
    }
}

}  // namespace
}  // namespace kurobi
