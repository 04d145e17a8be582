#include "engine/fast_search.h"

#include "engine/instruction_set.h"
#include "engine/fast_search_copies.h"

namespace kurobi {
namespace {

const FastSearches& ActiveSearches() {
#if defined(KUROBI_INSTRUCTION_SETS)
    switch (ActiveInstructionSet()) {
        case InstructionSet::V4: return kFastSearchesV4;
        case InstructionSet::V3: return kFastSearchesV3;
        case InstructionSet::Baseline: break;
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
