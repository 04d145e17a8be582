#pragma once
// Positions from games the engine plays against itself, the same on every run: random opening
// moves from a fixed seed, then the bitboard engine at one level for both sides.

#include <cstdint>
#include <vector>

#include "engine/computer_move.h"
#include "tools/analysis.h"

namespace kurobi {

struct SelfPlayTurn {
    PositionLine position;  // the side to move as the computer, at the games' level
    int discs;
    SearchKind kind;  // what the engine's turn at that level did
};

// Every engine turn of `games` games that open with `randomMoves` random legal moves.
std::vector<SelfPlayTurn> SelfPlayTurns(int games, int randomMoves, int level, uint32_t seed);

}  // namespace kurobi
