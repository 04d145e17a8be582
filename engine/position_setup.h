#pragma once
// Putting a position into the game state: the start of a new game, and a position rebuilt from a
// board (the take-back, a position given to the analysis tool).

#include "core/game_state.h"

namespace kurobi {

// The model side of a new game: the full empty-square list, the initial weights, the working
// plies cleared, the four starting discs, counts 2 and 2, Ply 1 and SearchDepth = BaseDepth.
// Turn, WaitingToStart and the side codes are left as they are.
void ResetPosition(GameState& s);

// After ResetPosition: copies the playing squares of `cells` onto the game board, counts both
// sides' discs by the side codes in force, takes every occupied square out of the list, raises
// the weights of every occupied corner and sets SearchDepth for the disc total.
void RestorePosition(GameState& s, const int32_t* cells);

}  // namespace kurobi
