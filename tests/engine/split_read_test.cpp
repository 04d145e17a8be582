// The win-loss read with its root moves shared between two threads must give the one-thread
// read's result. The hard case: a root move that ends the game at once raises the root without
// stopping it, so a later win that does not beat it must not stop the root either, and the
// threads have to read on past that win.

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "engine/computer_move.h"
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
        const ComputerChoice o = WinLossTurn(text, {.splitReads = false}, *one);
        const ComputerChoice p = WinLossTurn(text, {.splitReads = true}, *split);
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

}  // namespace
}  // namespace kurobi
