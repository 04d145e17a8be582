#pragma once
// A position as two 64-bit masks, one bit a square, with move generation and flips done on whole
// masks. Bit (y - 1) * 8 + (x - 1) is the square (x, y): column x is the bit within a byte, row y
// the byte.

#include <array>
#include <bit>
#include <cstdint>

#include "core/game_state.h"

namespace kurobi {

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

namespace detail {

// For each square, the squares beyond it along each of the eight lines: the first four run
// towards higher bits, the last four towards lower bits.
constexpr std::array<std::array<Bitboard, 8>, 64> MakeRays() {
    constexpr int kDx[8] = {1, 0, -1, 1, -1, 0, 1, -1};
    constexpr int kDy[8] = {0, 1, 1, 1, 0, -1, -1, -1};
    std::array<std::array<Bitboard, 8>, 64> rays{};
    for (int sq = 0; sq < 64; ++sq) {
        for (int d = 0; d < 8; ++d) {
            int x = sq % 8 + kDx[d];
            int y = sq / 8 + kDy[d];
            for (; x >= 0 && x < 8 && y >= 0 && y < 8; x += kDx[d], y += kDy[d])
                rays[sq][d] |= Bitboard{1} << (y * 8 + x);
        }
    }
    return rays;
}

inline constexpr auto kRays = MakeRays();

}  // namespace detail

// The opposing discs that a disc of `own` placed on square `index` turns.
inline Bitboard Flips(int index, Bitboard own, Bitboard opp) {
    const auto& rays = detail::kRays[index];
    Bitboard flips = 0;
    for (int d = 0; d < 4; ++d) {
        // Towards higher bits the nearest square that is not an opposing disc is the lowest bit.
        const Bitboard stop = rays[d] & ~opp;
        const Bitboard closing = stop & (0 - stop) & own;
        flips |= (closing - (closing != 0)) & rays[d];
    }
    for (int d = 4; d < 8; ++d) {
        // Towards lower bits it is the highest bit.
        const Bitboard closing = std::bit_floor(rays[d] & ~opp) & own;
        flips |= ((0 - closing) << 1) & rays[d];
    }
    return flips;
}

}  // namespace kurobi
