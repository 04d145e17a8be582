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
    return random_play::RandomTurn(rng, discs, 11, endgameStart, depth);
}

struct Long {
    int discs;
    int endgameStart;
    SearchKind kind;
    SearchThreads threads;
};

// Each would read for minutes or more if nothing stopped it.
constexpr Long kLongTurns[] = {
    {20, 60, SearchKind::Midgame, SearchThreads::One},
    {20, 60, SearchKind::Midgame, SearchThreads::Two},
    {42, 42, SearchKind::WinLoss, SearchThreads::One},
    {42, 42, SearchKind::WinLoss, SearchThreads::Two},
    {42, 40, SearchKind::Exact, SearchThreads::One},
    {42, 40, SearchKind::Exact, SearchThreads::Two},
};

TEST(StopRequest, AlreadySetEndsEverySearchAtOnce) {
    const std::atomic<bool> stop{true};
    for (const Long& turn : kLongTurns) {
        auto s = LongTurn(9, turn.discs, turn.endgameStart);
        const ComputerChoice c =
            ChooseComputerMove(*s, ThinkOptions{.stop = &stop, .threads = turn.threads});
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
            ChooseComputerMove(*s, ThinkOptions{.stop = &stop, .threads = turn.threads});
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
