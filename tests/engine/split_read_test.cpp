// The searches shared out between two threads must give the one-thread search's result.
//
// The win-loss read shares its root moves. The hard case: a root move that ends the game at once
// raises the root without stopping it, so a later win that does not beat it must not stop the
// root either, and the threads have to read on past that win.
//
// The exact read and the midgame search share the moves of every node on their first line that
// is large enough, down to 10 open squares or 4 plies to go; the deep ones come only from deeper
// positions than the random turns of the other tests.
//
// Which thread reads what, and whether a read shares its node out, depends on the threads'
// timing; the chosen schedules take the caller-alone path and the share path on every run.

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <random>
#include <string>

#include "engine/computer_move.h"
#include "engine/random_play.h"
#include "engine/same_choice.h"
#include "engine/split_schedule.h"
#include "tools/analysis.h"

namespace kurobi {
namespace {

using random_play::RandomTurn;

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
        const ComputerChoice o = WinLossTurn(text, {.threads = SearchThreads::One}, *one);
        const ComputerChoice p = WinLossTurn(text, {.threads = SearchThreads::Two}, *split);
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

// The turn on one thread (and by the table-based search, when `table`) and split: the same
// choice, node count and value slots. A win-loss read may go on to the midgame search.
void ExpectSplitAsOneThread(const GameState& start, SearchKind kind, bool table,
                            const std::string& label) {
    auto one = std::make_unique<GameState>(start);
    auto split = std::make_unique<GameState>(start);
    const ComputerChoice o = ChooseComputerMove(*one, {.threads = SearchThreads::One});
    const ComputerChoice p = ChooseComputerMove(*split, {.threads = SearchThreads::Two});
    ASSERT_EQ(o.kind == SearchKind::WinLossThenMidgame ? SearchKind::WinLoss : o.kind, kind)
        << label;
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

// The schedule for the scope; the game's own after it.
struct ScheduleScope {
    explicit ScheduleScope(const SplitSchedule& schedule) { SetSplitSchedule(schedule); }
    ~ScheduleScope() { SetSplitSchedule({}); }
};

// The caller alone (the helper held by another search), the caller alone sharing every read it
// can, and both threads sharing every read they can: each search kind as on one thread, and with
// shares where the schedule forces them.
TEST(SplitSearches, EveryScheduleAsOnOneThread) {
    const SplitSchedule schedules[] = {
        {.helperJoins = false, .shareAtOnce = false},
        {.helperJoins = false, .shareAtOnce = true},
        {.helperJoins = true, .shareAtOnce = true},
    };
    for (const SplitSchedule& schedule : schedules) {
        const ScheduleScope scope(schedule);
        const std::string label = std::string(schedule.helperJoins ? "two threads" : "alone") +
                                  (schedule.shareAtOnce ? ", sharing at once" : "");
        std::mt19937 rng(1209);
        // Alone, the caller reads the last move of each node alone, and that read shares; two
        // threads may read side by side up to the last move, and then share as their timing
        // leads.
        const auto expectShares = [&](int before, const std::string& what) {
            if (schedule.shareAtOnce && !schedule.helperJoins) {
                EXPECT_GT(SplitSharesSoFar(), before) << label << what;
            }
        };
        int before = SplitSharesSoFar();
        for (int discs : {49, 50})
            ExpectSplitAsOneThread(*RandomTurn(rng, discs, 11, discs - 1), SearchKind::Exact, false,
                                   label + ", exact read");
        expectShares(before, ", exact read");
        before = SplitSharesSoFar();
        for (int discs : {48, 49})
            ExpectSplitAsOneThread(*RandomTurn(rng, discs, 11, discs), SearchKind::WinLoss, false,
                                   label + ", win-loss read");
        expectShares(before, ", win-loss read");
        before = SplitSharesSoFar();
        for (int discs : {20, 36})
            ExpectSplitAsOneThread(*RandomTurn(rng, discs, 9, 64), SearchKind::Midgame, false,
                                   label + ", midgame");
        expectShares(before, ", midgame");
    }
}

}  // namespace
}  // namespace kurobi
