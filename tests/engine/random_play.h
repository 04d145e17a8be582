#pragma once
// Positions reached by random legal play from the start, made with the table rules alone, for
// tests that hold the bitboard searches against the table-based ones.

#include <cstdint>
#include <random>

#include "core/game_state.h"

namespace kurobi::random_play {

struct Position {
    int32_t cells[kCells];  // a table board, border 0
    int32_t toMove;         // kBlack or kWhite; the side to move has a legal move
    int discs;
};

// Random legal moves from the start (a side without a move passes) until `discs` discs are on
// the board. Returns false when the game ends before, or when the side to move then has no move.
// Uses the generator's raw output only, so a seed gives the same positions everywhere.
bool PlayTo(std::mt19937& rng, int discs, Position& out);

// Whether `mover` has a legal move on the board.
bool HasMove(const int32_t* cells, int32_t mover);

}  // namespace kurobi::random_play
