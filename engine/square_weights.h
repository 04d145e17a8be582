#pragma once
// The positional weight of every square, kept in board 0 of the game state, and the raise of
// the weights around a corner once that corner is taken in the game.

#include "core/game_state.h"

namespace kurobi {

// Initial weights, indexed [x - 1][y - 1].
extern const int32_t kInitialWeights[8][8];

void ResetSquareWeights(GameState& s);

// Raises the weights along both edges of the corner (x, y) and on its diagonal neighbour.
// Squares that are not corners change nothing.
void ApplyCornerRaise(GameState& s, int x, int y);

}  // namespace kurobi
