#pragma once
// Board and move rules on the game state: the fixed empty-square order, legal moves of both
// sides, and placing a move with its flips in the fixed direction order.

#include <array>
#include <cstdint>
#include <vector>

#include "core/game_state.h"

namespace kurobi {

struct Square {
    int x;
    int y;
    friend bool operator==(const Square&, const Square&) = default;
};

// The move order of every search and so its tie-break: corners first, the squares diagonally
// next to a corner last.
extern const std::array<Square, 60> kEmptySquareOrder;

inline constexpr std::array<Square, 4> kCorners = {{{1, 1}, {1, 8}, {8, 1}, {8, 8}}};
constexpr bool IsCorner(int x, int y) { return (x == 1 || x == 8) && (y == 1 || y == 8); }
constexpr bool IsOnBoard(int x, int y) { return x >= 1 && x <= 8 && y >= 1 && y <= 8; }

// Refills the empty-square list with all 60 squares in the fixed order.
void ResetEmptyList(GameState& s);

// Clears the board's playing squares and puts the four starting discs on it.
void PlaceStartingDiscs(int32_t* board);

// Fills both sides' legal-move flags and counts of ply `s.Ply` from that ply's board.
void FindLegalMoves(GameState& s);

// Takes (x, y) out of the empty-square list, keeping the order of the rest. A square that is
// not in the list is left alone.
void RemoveEmptySquare(GameState& s, int x, int y);

// Whether a disc of `mover` at (x, y) would flank at least one line of opposing discs.
bool FlanksAny(const int32_t* board, int x, int y, int32_t mover);

// The squares where `mover` may play, column by column, for tools and tests (it allocates).
std::vector<Square> LegalSquares(const int32_t* board, int32_t mover);

// Turns every disc that a disc of `mover` just placed at (x, y) flanks: lines in the direction
// order (-1,-1), (-1,0), ... (1,1), each from the nearest disc outward. `onTurn(cell)` runs
// after each single turn, so the game can show them one by one.
template <class OnTurn>
void TurnFlankedDiscs(int32_t* board, int x, int y, int32_t mover, OnTurn&& onTurn) {
    const int from = Cell(x, y);
    for (int dx = -1; dx <= 1; ++dx) {
        for (int dy = -1; dy <= 1; ++dy) {
            const int step = dx * 16 + dy;
            if (step == 0 || board[from + step] != -mover) continue;
            int c = from + 2 * step;
            while (board[c] == -mover) c += step;
            if (board[c] != mover) continue;
            for (int t = from + step; t != c; t += step) {
                board[t] = mover;
                onTurn(t);
            }
        }
    }
}

inline void TurnFlankedDiscs(int32_t* board, int x, int y, int32_t mover) {
    TurnFlankedDiscs(board, x, y, mover, [](int) {});
}

}  // namespace kurobi
