#pragma once
// The win-loss read with its root moves shared out between two threads.
//
// The win-loss cut test compares with 0 only, so the read below one root move does not depend on
// the moves read before it: each root move can be read on its own, and the root's loop is
// replayed afterwards in list order from the results. The replay stops where the one-thread read
// stops (at the first move whose fold raises the root to a win through a node's exit or a pass),
// and the node count is the sum over the moves up to there, so the result is that of the
// one-thread read. The threads read no further than the first move known to win: a move after it
// counts only if that win does not stop the root (an earlier move ended the game at a count as
// high), and only then do they read on past it. A move after the stop that a thread had started
// is abandoned and not counted.

#include <atomic>

#include "core/game_state.h"
#include "engine/isa.h"

namespace kurobi {
KUROBI_ISA_BEGIN

bool SplitWinLossRead(GameState& s, const std::atomic<bool>* stop);

KUROBI_ISA_END
}  // namespace kurobi
