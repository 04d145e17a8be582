#pragma once
// Positions reached by random legal play from the start, made with the table rules alone, for
// tests that hold the searches against the table-based ones and the plain game-tree walks, and
// the computer's turn on them.

#include <cstdint>
#include <memory>
#include <random>

#include "core/game_state.h"

namespace kurobi::random_play {

struct Position {
    int32_t cells[kCells] = {};  // a table board, border 0
    int32_t toMove = kBlack;     // kBlack or kWhite; the side to move has a legal move
    int discs = 4;
};

// Random legal moves from the start (a side without a move passes) until `discs` discs are on
// the board. Returns false when the game ends before, or when the side to move then has no move.
// Uses the generator's raw output only, so a seed gives the same positions everywhere.
bool PlayTo(std::mt19937& rng, int discs, Position& out);

// Whether `mover` has a legal move on the board.
bool HasMove(const int32_t* cells, int32_t mover);

// The turn of `cpuColor` as the computer on the position at `level`; `searchDepth` 0 for the
// level's own. EndgameStart stays the level's.
std::unique_ptr<GameState> TurnOn(const Position& p, int32_t cpuColor, int level,
                                  int searchDepth = 0);

// The turn of the side to move on a position of random play with `discs` discs, at `level`;
// `endgameStart` decides the search.
std::unique_ptr<GameState> RandomTurn(std::mt19937& rng, int discs, int level, int endgameStart,
                                      int searchDepth = 0);

}  // namespace kurobi::random_play
