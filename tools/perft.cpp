#include "tools/perft.h"

#include <cstring>

#include "core/rules.h"

namespace kurobi {
namespace {

bool HasMove(const int32_t* board, int32_t mover) {
    for (const Square& sq : kEmptySquareOrder)
        if (board[Cell(sq.x, sq.y)] == kEmpty && FlanksAny(board, sq.x, sq.y, mover)) return true;
    return false;
}

uint64_t Count(const int32_t* board, int32_t mover, int depth) {
    if (depth == 0) return 1;
    uint64_t leaves = 0;
    bool moved = false;
    for (const Square& sq : kEmptySquareOrder) {
        if (board[Cell(sq.x, sq.y)] != kEmpty || !FlanksAny(board, sq.x, sq.y, mover)) continue;
        moved = true;
        Board child;
        std::memcpy(child, board, sizeof child);
        child[Cell(sq.x, sq.y)] = mover;
        TurnFlankedDiscs(child, sq.x, sq.y, mover);
        leaves += Count(child, -mover, depth - 1);
    }
    if (moved) return leaves;
    if (!HasMove(board, -mover)) return 1;  // the game is over
    return Count(board, -mover, depth - 1);
}

}  // namespace

uint64_t Perft(int depth) {
    Board board{};
    PlaceStartingDiscs(board);
    return Count(board, kBlack, depth);
}

}  // namespace kurobi
