#pragma once
// The bitboard searches of one instruction set's copy (engine/isa.h); fast_search.h chooses
// the copy.

#include <atomic>

#include "core/game_state.h"
#include "engine/isa.h"

namespace kurobi {
KUROBI_ISA_BEGIN

bool MidgameRead(GameState& s, const std::atomic<bool>* stop, bool split);
bool ExactRead(GameState& s, const std::atomic<bool>* stop, bool split);
bool WinLossRead(GameState& s, const std::atomic<bool>* stop, bool split);

KUROBI_ISA_END
}  // namespace kurobi
