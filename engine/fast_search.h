#pragma once
// The bitboard searches: the same reads as the table-based ones (same moves, values, node counts
// and the same state left for the turn driver), with each position held in two 64-bit masks on
// the call stack instead of in the per-ply boards.
//
// Each starts from the state the turn driver prepares for its table-based twin (Ply 1, the
// computer's moves of ply 1 flagged, the BestValue slots at their sentinels) and leaves
// BestValue, BestX[1], BestY[1], NodeCount, Ply and EndgameEmpties as that twin would. A set
// `stop` flag ends a search within a few thousand nodes; it then returns false and the state
// holds no result.

#include <atomic>

#include "core/game_state.h"

namespace kurobi {

// With `split` each search shares its moves out between two threads; the result, node count
// included, is the one a search on one thread gives.

// The midgame alpha-beta search to SearchDepth (SearchNode).
bool FastMidgameSearch(GameState& s, const std::atomic<bool>* stop, bool split);

// The exact endgame read (ExactNode) and the win-loss read (WinLossNode).
bool FastExactRead(GameState& s, const std::atomic<bool>* stop, bool split);
bool FastWinLossRead(GameState& s, const std::atomic<bool>* stop, bool split);

}  // namespace kurobi
