#pragma once
// Plain recursive game-tree walks, written independently of the engine's per-ply tables, that the
// searches are checked against.

#include <cstdint>
#include <random>
#include <vector>

#include "core/game_state.h"
#include "core/rules.h"
#include "engine/random_play.h"

namespace kurobi::testing {

using random_play::Position;

// The final disc difference for `cpu` with best play by both sides, `cpu` to move.
int ExactValue(const Position& p, int32_t cpu);

// Moves tried by a full-width read to the end (passes not counted).
int64_t FullTreeMoves(const Position& p);

struct RootValue {
    Square move;
    int32_t value;
};

// The values of the root moves, in list order, of a fixed-depth minimax with the game's leaf
// evaluation: the computer (to move in `p`) moves at odd plies, a pass uses up a ply, a move into
// ply >= depth is a leaf. Weights and the list as in the game state.
std::vector<RootValue> MidgameRootValues(const Position& p, int depth, const GameState& s);

// Plays `mover` at (x, y) on a copy.
Position Play(const Position& p, int x, int y);

}  // namespace kurobi::testing
