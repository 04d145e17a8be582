// The searches keep what they have worked out (the endgame reads their subtrees, the midgame
// search its leaf values) in tables lent for one search. A table's entries must never reach a
// later search, where another order of the empty-square list gives the same positions other
// node counts; and a search that finds every table lent must give the same result without one.

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <random>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "engine/computer_move.h"
#include "engine/instruction_sets.h"
#include "engine/leaf_values_cache.h"
#include "engine/random_play.h"
#include "engine/same_choice.h"
#include "engine/subtree_cache.h"
#include "tools/analysis.h"

namespace kurobi {
namespace {

enum class Kind { Midgame, WinLoss, Exact };

// A position of random play with `discs` discs, the side to move as the computer, its turn set
// to search as `kind` says.
std::unique_ptr<GameState> Turn(int discs, Kind kind) {
    std::mt19937 rng(20261208);
    return random_play::RandomTurn(rng, discs, kind == Kind::Midgame ? 7 : 11,
                                   kind == Kind::Exact     ? discs - 1
                                   : kind == Kind::WinLoss ? discs
                                                           : 60);
}

// Every table of both kinds, held until the end of the scope.
struct EveryTableLent {
    template <class Line>
    static void TakeAll(std::vector<std::unique_ptr<CacheLease<Line>>>& held) {
        do {
            held.push_back(std::make_unique<CacheLease<Line>>());
        } while (held.back()->lines() != nullptr);
    }
    EveryTableLent() {
        TakeAll(subtrees);
        TakeAll(leafValues);
    }
    std::vector<std::unique_ptr<CacheLease<CacheBucket>>> subtrees;
    std::vector<std::unique_ptr<CacheLease<LeafValues>>> leafValues;
};

// The same position with the empty squares in another order.
std::unique_ptr<GameState> Reordered(const GameState& start, int order) {
    auto s = std::make_unique<GameState>(start);
    const int n = s->EmptyCount;
    std::rotate(s->EmptyX, s->EmptyX + order * n / 3, s->EmptyX + n);
    std::rotate(s->EmptyY, s->EmptyY + order * n / 3, s->EmptyY + n);
    return s;
}

TEST(SearchCaches, SearchesInEveryListOrderAndWithoutATableMatchTheTableBasedOnes) {
    for (const auto& [kind, discs, name] :
         {std::tuple{Kind::Exact, 52, "exact"}, std::tuple{Kind::WinLoss, 52, "win-loss"},
          std::tuple{Kind::Midgame, 30, "midgame"}}) {
        const std::unique_ptr<GameState> start = Turn(discs, kind);
        std::set<int32_t> nodeCounts;
        for (int order = 0; order < 3; ++order) {
            const std::unique_ptr<GameState> listed = Reordered(*start, order);
            auto table = std::make_unique<GameState>(*listed);
            const ComputerChoice reference =
                ChooseComputerMove(*table, {.engine = SearchEngine::TableBased});
            ASSERT_EQ(IsEndgameRead(reference.kind), kind != Kind::Midgame);
            ASSERT_EQ(reference.kind == SearchKind::Exact, kind == Kind::Exact);
            nodeCounts.insert(reference.nodes);
            const std::string label = std::string(name) + ", order " + std::to_string(order);
            AtEveryInstructionSet([&](InstructionSet set) {
                for (const SearchThreads threads : {SearchThreads::One, SearchThreads::Two}) {
                    auto fast = std::make_unique<GameState>(*listed);
                    ExpectSameChoice(reference, ChooseComputerMove(*fast, {.threads = threads}),
                                     label + OnSet(set));
                }
                const EveryTableLent held;
                auto bare = std::make_unique<GameState>(*listed);
                ExpectSameChoice(reference,
                                 ChooseComputerMove(*bare, {.threads = SearchThreads::One}),
                                 label + OnSet(set) + " without a table");
            });
        }
        EXPECT_EQ(nodeCounts.size(), 3u) << "the list orders should read different trees";
    }
}

// A table's stamps come round after 255 searches; what it held must not reach the search that
// is given an old stamp again.
TEST(SearchCaches, ATableForgetsWhenItsStampsComeRound) {
    const std::unique_ptr<GameState> start = Turn(52, Kind::Exact);
    const auto cycleUntilTheStampsComeRound = [] {
        while (CacheLease<CacheBucket>().stamp() != 1) {
        }
    };
    cycleUntilTheStampsComeRound();
    ChooseComputerMove(*Reordered(*start, 1), {.threads = SearchThreads::One});  // stamp 2
    cycleUntilTheStampsComeRound();
    const std::unique_ptr<GameState> again = Reordered(*start, 2);  // stamp 2 once more
    auto table = std::make_unique<GameState>(*again);
    const ComputerChoice reference =
        ChooseComputerMove(*table, {.engine = SearchEngine::TableBased});
    ExpectSameChoice(reference, ChooseComputerMove(*again, {.threads = SearchThreads::One}),
                     "after the stamps came round");
}

// Midgame positions where a node whose children are all leaves has more of them than its kept
// values hold, and no cut: the leaves past the kept ones must still be read when it recurs.
TEST(SearchCaches, LeavesBeyondTheKeptValuesAreStillRead) {
    for (const char* text :
         {"--------------O---X--O---OOXOO-----OXO----OXOOO--OOO-O---------- X 6",
          "---------OX-O-X---O-OXO---XOX-----OXXX---OX--------------------- O 8"}) {
        PositionLine line;
        std::string error;
        ASSERT_TRUE(ParsePositionLine(text, line, error)) << error;
        auto table = std::make_unique<GameState>();
        SetUpPosition(*table, line);
        const ComputerChoice reference =
            ChooseComputerMove(*table, {.engine = SearchEngine::TableBased});
        AtEveryInstructionSet([&](InstructionSet set) {
            auto fast = std::make_unique<GameState>();
            SetUpPosition(*fast, line);
            ExpectSameChoice(reference, ChooseComputerMove(*fast), text + OnSet(set));
        });
    }
}

}  // namespace
}  // namespace kurobi
