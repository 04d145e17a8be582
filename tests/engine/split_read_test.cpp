// The searches shared out between two threads must give the one-thread search's result.
//
// The win-loss read shares its root moves. The hard case: a root move that ends the game at once
// raises the root without stopping it, so a later win that does not beat it must not stop the
// root either, and the threads have to read on past that win.
//
// The exact read and the midgame search share the moves of every node on their first line that
// is large enough, down to 10 open squares or 4 plies to go; the deep ones come only from deeper
// positions than the random turns of the other tests.

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <random>
#include <string>

#include "engine/computer_move.h"
#include "engine/random_play.h"
#include "engine/same_choice.h"
#include "tools/analysis.h"

namespace kurobi {
namespace {

// Found by search over random boards; each has such a win after such a finished game.
constexpr const char* kOutrankedWins[] = {
    "XXXXXXXXXXXXXXXXXXOXXXXXXOXXXXXX---XXXXXXXXXXXXXX--XXXXXXXXXXXXX X 11",
    "XXXXXXXXXXXXXXXXXXXXXXXXXXXXXXX-XXXXXX-XXXXXXXOXXXX-OOXXXXXX-XXX X 11",
    "XOXXXXXXXXX-XXXXXX-OXXXOXX-XXXXXXXXXXXXXXXXXXXXXXXXXXXOXXXXXXXXX X 11",
    "XX-XXXXXOXXXXXXXXXXXXXXXXOXXXXXX---XXXXXXXXXXXXXX-XXXXXXXXXXXXXX X 11",
    "XXXXXXXXXXX---OXX-XXOXXXXXXXXXXXXXXXXX-XXXXXXXXXXXXXXXXXXXXXXXXX X 11",
    "XXXXX--XXXXXXOXXXXXXXX-XXXXXXXXXXXXOXXXXXXXXXXXXXXXXXXXXXXXXXOXX X 11",
    "XOXXXXXXXOXXXXXXXXXXXX-XXXXXXOXXXX-XOO-OXXXXX-XXXOXXXOXXOXXXXXXX X 11",
    "XXXXXXXXXXOXXXXXX--XXXXX-OXXXXXXX-XXXXXXXXXXXXXXXXXXXXXXXXXXXXXO X 11",
};

// The computer's turn on the line's position as a win-loss read.
ComputerChoice WinLossTurn(const char* text, const ThinkOptions& options, GameState& s) {
    PositionLine line;
    std::string error;
    EXPECT_TRUE(ParsePositionLine(text, line, error)) << error;
    SetUpPosition(s, line);
    s.EndgameStart = s.PlayerDiscs + s.CpuDiscs;
    return ChooseComputerMove(s, options);
}

TEST(SplitWinLossRead, ReadsOnPastAWinThatAnEarlierFinishedGameOutranks) {
    for (const char* text : kOutrankedWins) {
        auto table = std::make_unique<GameState>();
        auto one = std::make_unique<GameState>();
        auto split = std::make_unique<GameState>();
        const ComputerChoice t = WinLossTurn(text, {.engine = SearchEngine::TableBased}, *table);
        const ComputerChoice o = WinLossTurn(text, {.splitSearches = false}, *one);
        const ComputerChoice p = WinLossTurn(text, {.splitSearches = true}, *split);
        ASSERT_EQ(t.kind, SearchKind::WinLoss) << text;
        EXPECT_GT(t.value, 0) << text;
        ExpectSameChoice(o, t, text);
        ExpectSameChoice(p, t, text);
        for (int ply = 0; ply < kPlies; ++ply) {
            EXPECT_EQ(one->BestValue[ply], table->BestValue[ply]) << text;
            EXPECT_EQ(split->BestValue[ply], table->BestValue[ply]) << text;
        }
        EXPECT_EQ(split->EndgameEmpties, table->EndgameEmpties) << text;
    }
}

// A random position of `discs` discs at `level`, the computer to move; `endgameStart` decides the
// search.
std::unique_ptr<GameState> RandomTurn(std::mt19937& rng, int discs, int level, int endgameStart) {
    random_play::Position p;
    while (!random_play::PlayTo(rng, discs, p)) {
    }
    PositionLine line;
    std::copy(std::begin(p.cells), std::end(p.cells), line.cells);
    line.cpuColor = p.toMove;
    line.level = level;
    line.searchDepth = 0;
    auto s = std::make_unique<GameState>();
    SetUpPosition(*s, line);
    s->EndgameStart = endgameStart;
    return s;
}

// The turn on one thread (and by the table-based search, when `table`) and split: the same
// choice, node count and value slots.
void ExpectSplitAsOneThread(const GameState& start, SearchKind kind, bool table,
                            const std::string& label) {
    auto one = std::make_unique<GameState>(start);
    auto split = std::make_unique<GameState>(start);
    const ComputerChoice o = ChooseComputerMove(*one, {.splitSearches = false});
    const ComputerChoice p = ChooseComputerMove(*split, {.splitSearches = true});
    ASSERT_EQ(o.kind, kind) << label;
    ExpectSameChoice(p, o, label);
    for (int ply = 0; ply < kPlies; ++ply)
        EXPECT_EQ(split->BestValue[ply], one->BestValue[ply]) << label << " ply " << ply;
    EXPECT_EQ(split->EndgameEmpties, one->EndgameEmpties) << label;
    if (!table) return;
    auto reference = std::make_unique<GameState>(start);
    ExpectSameChoice(o, ChooseComputerMove(*reference, {.engine = SearchEngine::TableBased}),
                     label + " (table-based)");
}

TEST(SplitSearches, DeepFirstLinesAsOnOneThread) {
    std::mt19937 rng(1208);
    for (int i = 0; i < 6; ++i) {
        const int discs = 49 + i % 2;  // 15 and 14 empty squares
        ExpectSplitAsOneThread(*RandomTurn(rng, discs, 11, discs - 1), SearchKind::Exact, false,
                               "exact read, " + std::to_string(64 - discs) + " empty");
    }
    for (int i = 0; i < 4; ++i) {
        const int discs = 20 + 6 * i;
        ExpectSplitAsOneThread(*RandomTurn(rng, discs, 10, 64), SearchKind::Midgame, false,
                               "level 10 midgame, " + std::to_string(discs) + " discs");
    }
}

// Square weights so large that values pass the sentinels: a node on the first line then cuts,
// and the moves after its cut must not count.
TEST(SplitSearches, FirstLineNodeCutsOnHugeValues) {
    std::mt19937 rng(77);
    for (int i = 0; i < 6; ++i) {
        auto s = RandomTurn(rng, 16 + 4 * i, 7, 64);
        for (int cell = 0; cell < kCells; ++cell) s->SquareWeights()[cell] *= 1000;
        ExpectSplitAsOneThread(*s, SearchKind::Midgame, true, "huge weights " + std::to_string(i));
    }
}

}  // namespace
}  // namespace kurobi
