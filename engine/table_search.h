#pragma once
// The table-based searches: every ply's board, move flags, running value and loop position live
// in the per-ply tables of the game state, as the turn driver and the tests expect to find them.
// This is the reference that any faster search must match move for move, value for value and
// node for node.

#include "core/game_state.h"

namespace kurobi {

// Midgame alpha-beta search to SearchDepth from ply `s.Ply` (1 at the root).
void SearchNode(GameState& s);
void SearchChild(GameState& s);

// Endgame reads to the end of the game. The exact read compares a node's value with its
// ancestors'; the win-loss read only with 0, so its size is a bound and its sign exact.
void ExactNode(GameState& s);
void ExactChild(GameState& s);
void WinLossNode(GameState& s);
void WinLossChild(GameState& s);

}  // namespace kurobi
