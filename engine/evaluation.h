#pragma once
// Judging a position the midgame search does not read further, always from the computer's side.

#include "core/game_state.h"

namespace kurobi {

inline constexpr int32_t kFinalScore = 10000;  // a finished game in the midgame search
inline constexpr int32_t kMobilityWeight = 25;
inline constexpr int32_t kDiscWeight = 16;

// Sets CpuMoveCount[ply] and PlayerMoveCount[ply] from the board of `ply`; sets no flags.
void CountMobility(GameState& s, int ply);

// Scores the board of `ply` into LeafValue[ply] (and its move counts, by CountMobility).
void EvaluateLeaf(GameState& s, int ply);

}  // namespace kurobi
