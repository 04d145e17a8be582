#pragma once
// The searches with their moves shared out between two threads, giving the one-thread search's
// result, node count included.
//
// The search below one root move depends on the moves searched before it only through the
// root's running value, which sets the bound of the cut tests (the win-loss read's compare with
// 0 and depend on nothing). So each root move can be read on its own, from the running value it
// is expected to meet, and the root's loop is replayed afterwards in list order from the
// results: a read counts where the value it started from is the one the replay reaches, and is
// read again from that value where it is not. The node count is the sum over the reads that
// count.
//
// The midgame search and the exact read wait for the first move, which sets the root's first
// value, and then read the others from the best value found so far in list order; a move that
// raises it abandons the reads after it that started from less. Their root never stops early.
// The first move is itself shared out the same way: while the root's value is still its
// sentinel, the node it leads to depends on nothing above it but sentinels, so its moves depend
// only on its own running value, and so on down the first line (each node reached by the first
// move of the one above) while its nodes are large. The threads read the deepest node's moves
// first, and each node's result gives its parent's first move. A node below the root may cut,
// and the moves after its cut do not count.
//
// A thread left with nothing to read while the other reads the last move of the node alone, a
// read that counts whatever else is read, asks it to share. That read then hands the moves it
// has left at the first large node it comes back to (the node its move leads to, or one below)
// to both threads, read one at a time in the same way from that node's running value, and
// takes the node's value and node count from them.
//
// The win-loss read shares out its root moves but no first line below them, and stops where
// the one-thread read stops (at the first move whose fold raises the root to a win through a
// node's exit or a pass). The threads read no further than the first move known to win: a move
// after it counts only if that win does not stop the root (an earlier move ended the game at a
// count as high), and only then do they read on past it. A move after the stop that a thread had
// started is abandoned and not counted.

#include <atomic>

#include "core/game_state.h"
#include "engine/isa.h"

namespace kurobi {
KUROBI_ISA_BEGIN

bool SplitMidgameSearch(GameState& s, const std::atomic<bool>* stop);
bool SplitExactRead(GameState& s, const std::atomic<bool>* stop);
bool SplitWinLossRead(GameState& s, const std::atomic<bool>* stop);

KUROBI_ISA_END
}  // namespace kurobi
