// A stop request from another thread ends a bitboard search early and says so in the choice.

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <memory>
#include <random>
#include <thread>

#include "engine/computer_move.h"
#include "engine/random_play.h"
#include "engine/same_choice.h"
#include "tools/analysis.h"

namespace kurobi {
namespace {

// A turn at level 11 from a random position with `discs` discs; `endgameStart` picks the search.
std::unique_ptr<GameState> LongTurn(unsigned seed, int discs, int endgameStart, int depth = 0) {
    std::mt19937 rng(seed);
    random_play::Position p;
    while (!random_play::PlayTo(rng, discs, p)) {
    }
    PositionLine line;
    std::copy(std::begin(p.cells), std::end(p.cells), line.cells);
    line.cpuColor = p.toMove;
    line.level = 11;
    line.searchDepth = depth;
    auto s = std::make_unique<GameState>();
    SetUpPosition(*s, line);
    s->EndgameStart = endgameStart;
    return s;
}

struct Long {
    int discs;
    int endgameStart;
    SearchKind kind;
    bool split;
};

// Each would read for minutes or more if nothing stopped it.
constexpr Long kLongTurns[] = {
    {20, 60, SearchKind::Midgame, false},
    {20, 60, SearchKind::Midgame, true},
    {42, 42, SearchKind::WinLoss, false},
    {42, 42, SearchKind::WinLoss, true},
    {42, 40, SearchKind::Exact, false},
    {42, 40, SearchKind::Exact, true},
};

TEST(StopRequest, AlreadySetEndsEverySearchAtOnce) {
    const std::atomic<bool> stop{true};
    for (const Long& turn : kLongTurns) {
        auto s = LongTurn(9, turn.discs, turn.endgameStart);
        const ComputerChoice c =
            ChooseComputerMove(*s, ThinkOptions{.stop = &stop, .splitSearches = turn.split});
        EXPECT_TRUE(c.stopped);
        EXPECT_EQ(c.kind, turn.kind);
    }
}

TEST(StopRequest, SetWhileSearchingEndsTheSearch) {
    for (const Long& turn : kLongTurns) {
        auto s = LongTurn(10, turn.discs, turn.endgameStart, 17);
        std::atomic<bool> stop{false};
        std::thread closer([&stop] {
            std::this_thread::sleep_for(std::chrono::milliseconds(30));
            stop.store(true);
        });
        const ComputerChoice c =
            ChooseComputerMove(*s, ThinkOptions{.stop = &stop, .splitSearches = turn.split});
        closer.join();
        EXPECT_TRUE(c.stopped);
        EXPECT_EQ(c.kind, turn.kind);
    }
}

TEST(StopRequest, AnUnsetFlagChangesNothing) {
    const std::atomic<bool> stop{false};
    auto withFlag = LongTurn(11, 30, 60, 6);
    auto without = std::make_unique<GameState>(*withFlag);
    const ComputerChoice a = ChooseComputerMove(*withFlag, ThinkOptions{.stop = &stop});
    const ComputerChoice b = ChooseComputerMove(*without);
    EXPECT_FALSE(a.stopped);
    ExpectSameChoice(a, b, "");
}

}  // namespace
}  // namespace kurobi
