// Two threads taking turns through the condition, each now and then slow to take its turn, so
// that the other finds the turn both while it spins and after it has gone to sleep. A lost
// wake-up hangs the test.

#include <gtest/gtest.h>

#include <mutex>
#include <thread>

#include "engine/brief_spin.h"

namespace kurobi {
namespace {

TEST(BriefSpinCondition, TurnsPassWhetherTheWaiterSpinsOrSleeps) {
    constexpr int kTurns = 400;
    std::mutex mutex;
    BriefSpinCondition condition;
    int turn = 0;
    const auto takeTurns = [&](int side) {
        for (int t = side; t < kTurns; t += 2) {
            if (t % 7 == 0) std::this_thread::sleep_for(4 * BriefSpinCondition::kSpin);
            std::unique_lock lock(mutex);
            condition.Wait(lock, [&] { return turn == t; });
            ++turn;
            condition.NotifyAll();
        }
    };
    std::thread other(takeTurns, 1);
    takeTurns(0);
    other.join();
    EXPECT_EQ(turn, kTurns);
}

}  // namespace
}  // namespace kurobi
