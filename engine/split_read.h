#pragma once
// The endgame reads with their root moves shared out between two threads, giving the one-thread
// read's result, node count included.
//
// The read below one root move depends on the moves read before it only through the root's
// running value, which sets the bound of the exact read's cut tests (the win-loss read's compare
// with 0 and depend on nothing). So each root move can be read on its own, from the running value
// it is expected to meet, and the root's loop is replayed afterwards in list order from the
// results: a read counts where the value it started from is the one the replay reaches, and is
// read again from that value where it is not. The node count is the sum over the reads that
// count.
//
// The exact read waits for the first move, which sets the root's first value, and then reads
// the others from the best value found so far in list order; a move that raises it abandons the
// reads after it that started from less. Its root never stops early.
//
// The win-loss read stops where the one-thread read stops (at the first move whose fold raises
// the root to a win through a node's exit or a pass). The threads read no further than the first
// move known to win: a move after it counts only if that win does not stop the root (an earlier
// move ended the game at a count as high), and only then do they read on past it. A move after
// the stop that a thread had started is abandoned and not counted.

#include <atomic>

#include "core/game_state.h"
#include "engine/isa.h"

namespace kurobi {
KUROBI_ISA_BEGIN

bool SplitExactRead(GameState& s, const std::atomic<bool>* stop);
bool SplitWinLossRead(GameState& s, const std::atomic<bool>* stop);

KUROBI_ISA_END
}  // namespace kurobi
