#pragma once
// The bitboard searches as compiled for each instruction set. The choice of copy is made once
// per search, at its root, so that no node pays for an indirect call.

#include <atomic>

#include "core/game_state.h"

namespace kurobi {

struct FastSearches {
    bool (*midgame)(GameState& s, const std::atomic<bool>* stop, bool split);
    bool (*exact)(GameState& s, const std::atomic<bool>* stop, bool split);
    bool (*winLoss)(GameState& s, const std::atomic<bool>* stop, bool split);
};

extern const FastSearches kFastSearchesBaseline;
#if defined(KUROBI_INSTRUCTION_SETS)
extern const FastSearches kFastSearchesV3;
extern const FastSearches kFastSearchesV4;
#endif

}  // namespace kurobi
