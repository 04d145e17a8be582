#include "engine/split_schedule.h"

#include <atomic>

namespace kurobi {
namespace {

SplitSchedule schedule;
std::atomic<int> shares{0};

}  // namespace

void SetSplitSchedule(const SplitSchedule& chosen) {
    schedule = chosen;
}

const SplitSchedule& CurrentSplitSchedule() {
    return schedule;
}

int SplitSharesSoFar() {
    return shares.load(std::memory_order_relaxed);
}

void CountSplitShare() {
    shares.fetch_add(1, std::memory_order_relaxed);
}

}  // namespace kurobi
