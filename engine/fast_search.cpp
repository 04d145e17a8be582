#include "engine/fast_search.h"

#include "engine/cpu_level.h"
#include "engine/fast_search_levels.h"

namespace kurobi {
namespace {

const FastSearches& ActiveSearches() {
#if defined(KUROBI_CPU_LEVELS)
    switch (ActiveCpuLevel()) {
        case CpuLevel::V4: return kFastSearchesV4;
        case CpuLevel::V3: return kFastSearchesV3;
        case CpuLevel::Baseline: break;
    }
#endif
    return kFastSearchesBaseline;
}

}  // namespace

bool FastMidgameSearch(GameState& s, const std::atomic<bool>* stop, bool split) {
    return ActiveSearches().midgame(s, stop, split);
}

bool FastExactRead(GameState& s, const std::atomic<bool>* stop, bool split) {
    return ActiveSearches().exact(s, stop, split);
}

bool FastWinLossRead(GameState& s, const std::atomic<bool>* stop, bool split) {
    return ActiveSearches().winLoss(s, stop, split);
}

}  // namespace kurobi
