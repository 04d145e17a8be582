#pragma once
// A position as two 64-bit masks, one bit a square, with move generation and flips done on whole
// masks. Bit (y - 1) * 8 + (x - 1) is the square (x, y): column x is the bit within a byte, row y
// the byte.

#include <array>
#include <bit>
#include <cstdint>

#include "core/game_state.h"
#include "engine/board_lines.h"
#include "engine/isa.h"

namespace kurobi {
KUROBI_ISA_BEGIN

using Bitboard = uint64_t;

constexpr int SquareIndex(int x, int y) {
    return (y - 1) * 8 + (x - 1);
}
constexpr int SquareColumn(int index) {
    return index % 8 + 1;
}
constexpr int SquareRow(int index) {
    return index / 8 + 1;
}
constexpr Bitboard SquareBit(int index) {
    return Bitboard{1} << index;
}

inline int DiscCount(Bitboard discs) {
    return std::popcount(discs);
}

// The discs of `color` on a table board.
Bitboard DiscsOf(const int32_t* board, int32_t color);

// Empty squares where the side with `own` may move: a line of `opp` discs closed by an own disc.
inline Bitboard LegalMoves(Bitboard own, Bitboard opp) {
    // Shifts that change the column must not carry a line over the board's side edge, so they
    // run only through discs away from columns 1 and 8.
    const Bitboard inner = opp & 0x7E7E7E7E7E7E7E7EULL;
    Bitboard moves = 0;
    const auto scan = [&](Bitboard through, int step) {
        Bitboard up = through & (own << step);
        Bitboard down = through & (own >> step);
        up |= through & (up << step);
        down |= through & (down >> step);
        const Bitboard pairUp = through & (through << step);
        const Bitboard pairDown = pairUp >> step;
        up |= pairUp & (up << 2 * step);
        down |= pairDown & (down >> 2 * step);
        up |= pairUp & (up << 2 * step);
        down |= pairDown & (down >> 2 * step);
        moves |= (up << step) | (down >> step);
    };
    scan(inner, 1);
    scan(opp, 8);
    scan(inner, 7);
    scan(inner, 9);
    return moves & ~(own | opp);
}

// The opposing discs that a disc of `own` placed on square `index` turns: on each of the four
// lines through the square, two table lookups on the line's discs.
inline Bitboard Flips(int index, Bitboard own, Bitboard opp) {
    using namespace board_lines;
    const int column = index & 7;
    const int row = index >> 3;
    Bitboard flips = SpreadRow(Turned(column, GatherRow(own, row), GatherRow(opp, row)), row);
    flips |=
        SpreadColumn(Turned(row, GatherColumn(own, column), GatherColumn(opp, column)), column);
    for (const Bitboard diagonal : kDiagonals[index]) {
        const unsigned turned =
            Turned(column, GatherDiagonal(own, diagonal), GatherDiagonal(opp, diagonal));
        flips |= SpreadDiagonal(turned, diagonal);
    }
    return flips;
}

// The discs a move of `own` on square `index` turns when every other square is occupied: the
// last move of a game, one lookup a line.
inline int LastFlipCount(int index, Bitboard own) {
    using namespace board_lines;
    const int column = index & 7;
    const int row = index >> 3;
    return kLastFlipCounts[column][GatherRow(own, row)] +
           kLastFlipCounts[row][GatherColumn(own, column)] +
           kLastFlipCounts[column][GatherDiagonal(own, kDiagonals[index][0])] +
           kLastFlipCounts[column][GatherDiagonal(own, kDiagonals[index][1])];
}

KUROBI_ISA_END
}  // namespace kurobi
