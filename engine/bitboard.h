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

#if defined(__AVX2__)
#include <immintrin.h>
#endif

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

// Each primitive below comes in the form the instruction set of this copy (isa.h) runs best:
// AVX-512 (x86-64-v4), AVX2 (x86-64-v3) or plain 64-bit integers. All forms give the same masks.

// Moves of the side with `own` by the plain integer shifts, one direction at a time.
inline Bitboard ScalarLegalMoves(Bitboard own, Bitboard opp) {
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

// The opposing discs that a disc of `own` placed on square `index` turns, by lines: on each of
// the four lines through the square, two table lookups on the line's discs.
inline Bitboard TableFlips(int index, Bitboard own, Bitboard opp) {
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

#if defined(__AVX2__)
namespace vector_lines {

// The four line directions as the lanes of a vector: along the row, the column and the two
// diagonals. Shifts that change the column run only through discs away from columns 1 and 8.
inline __m256i Steps() {
    return _mm256_set_epi64x(9, 7, 8, 1);
}
inline __m256i Through(Bitboard opp) {
    constexpr long long kInner = 0x7E7E7E7E7E7E7E7ELL;
    return _mm256_and_si256(_mm256_set1_epi64x(static_cast<long long>(opp)),
                            _mm256_set_epi64x(kInner, kInner, -1, kInner));
}

inline Bitboard OrOfLanes(__m256i v) {
    const __m128i half =
        _mm_or_si128(_mm256_castsi256_si128(v), _mm256_extracti128_si256(v, 1));
    return static_cast<Bitboard>(
        _mm_cvtsi128_si64(_mm_or_si128(half, _mm_unpackhi_epi64(half, half))));
}

// The squares next to a run of `through` discs that starts next to an own disc, in the four
// directions and their opposites: the integer form's scan on four lanes at once.
inline __m256i MoveLanes(Bitboard own, __m256i through) {
    const __m256i step = Steps();
    const __m256i step2 = _mm256_add_epi64(step, step);
    const __m256i o = _mm256_set1_epi64x(static_cast<long long>(own));
    __m256i up = _mm256_and_si256(through, _mm256_sllv_epi64(o, step));
    __m256i down = _mm256_and_si256(through, _mm256_srlv_epi64(o, step));
    up = _mm256_or_si256(up, _mm256_and_si256(through, _mm256_sllv_epi64(up, step)));
    down = _mm256_or_si256(down, _mm256_and_si256(through, _mm256_srlv_epi64(down, step)));
    const __m256i pairUp = _mm256_and_si256(through, _mm256_sllv_epi64(through, step));
    const __m256i pairDown = _mm256_srlv_epi64(pairUp, step);
    up = _mm256_or_si256(up, _mm256_and_si256(pairUp, _mm256_sllv_epi64(up, step2)));
    down = _mm256_or_si256(down, _mm256_and_si256(pairDown, _mm256_srlv_epi64(down, step2)));
    up = _mm256_or_si256(up, _mm256_and_si256(pairUp, _mm256_sllv_epi64(up, step2)));
    down = _mm256_or_si256(down, _mm256_and_si256(pairDown, _mm256_srlv_epi64(down, step2)));
    return _mm256_or_si256(_mm256_sllv_epi64(up, step), _mm256_srlv_epi64(down, step));
}

}  // namespace vector_lines
#endif

// Empty squares where the side with `own` may move: a line of `opp` discs closed by an own disc.
inline Bitboard LegalMoves(Bitboard own, Bitboard opp) {
#if defined(__AVX2__)
    using namespace vector_lines;
    return OrOfLanes(MoveLanes(own, Through(opp))) & ~(own | opp);
#else
    return ScalarLegalMoves(own, opp);
#endif
}

// The moves of both sides at once, for the mobility of a leaf.
struct BothMoves {
    Bitboard first;   // of the side with `a`
    Bitboard second;  // of the side with `b`
};
inline BothMoves LegalMovesOfBoth(Bitboard a, Bitboard b) {
#if defined(__AVX512F__)
    // Both sides' scans on the eight lanes of one vector: `a` in lanes 0..3, `b` in 4..7.
    constexpr long long kInner = 0x7E7E7E7E7E7E7E7ELL;
    const auto la = static_cast<long long>(a);
    const auto lb = static_cast<long long>(b);
    const __m512i step = _mm512_set_epi64(9, 7, 8, 1, 9, 7, 8, 1);
    const __m512i step2 = _mm512_add_epi64(step, step);
    const __m512i own = _mm512_set_epi64(lb, lb, lb, lb, la, la, la, la);
    const __m512i through = _mm512_and_si512(
        _mm512_set_epi64(la, la, la, la, lb, lb, lb, lb),
        _mm512_set_epi64(kInner, kInner, -1, kInner, kInner, kInner, -1, kInner));
    constexpr int kOrAnd = 0xF8;  // x | (y & z)
    __m512i up = _mm512_and_si512(through, _mm512_sllv_epi64(own, step));
    __m512i down = _mm512_and_si512(through, _mm512_srlv_epi64(own, step));
    up = _mm512_ternarylogic_epi64(up, through, _mm512_sllv_epi64(up, step), kOrAnd);
    down = _mm512_ternarylogic_epi64(down, through, _mm512_srlv_epi64(down, step), kOrAnd);
    const __m512i pairUp = _mm512_and_si512(through, _mm512_sllv_epi64(through, step));
    const __m512i pairDown = _mm512_srlv_epi64(pairUp, step);
    up = _mm512_ternarylogic_epi64(up, pairUp, _mm512_sllv_epi64(up, step2), kOrAnd);
    down = _mm512_ternarylogic_epi64(down, pairDown, _mm512_srlv_epi64(down, step2), kOrAnd);
    up = _mm512_ternarylogic_epi64(up, pairUp, _mm512_sllv_epi64(up, step2), kOrAnd);
    down = _mm512_ternarylogic_epi64(down, pairDown, _mm512_srlv_epi64(down, step2), kOrAnd);
    const __m512i moves = _mm512_or_si512(_mm512_sllv_epi64(up, step), _mm512_srlv_epi64(down, step));
    // Each side's four lanes folded into its lowest one, both sides in the same two steps.
    __m512i folded = _mm512_or_si512(moves, _mm512_shuffle_i64x2(moves, moves, 0xB1));
    folded = _mm512_or_si512(folded, _mm512_shuffle_epi32(folded, _MM_PERM_BADC));
    const Bitboard empty = ~(a | b);
    return {static_cast<Bitboard>(_mm_cvtsi128_si64(_mm512_castsi512_si128(folded))) & empty,
            static_cast<Bitboard>(_mm_cvtsi128_si64(_mm512_extracti32x4_epi32(folded, 2))) & empty};
#else
    return {LegalMoves(a, b), LegalMoves(b, a)};
#endif
}

// Per square, its up to eight neighbours: a move there turns discs only if one of them is the
// opponent's.
constexpr std::array<Bitboard, 64> MakeNeighbours() {
    std::array<Bitboard, 64> neighbours{};
    for (int sq = 0; sq < 64; ++sq)
        for (int dx = -1; dx <= 1; ++dx)
            for (int dy = -1; dy <= 1; ++dy) {
                const int x = sq % 8 + dx;
                const int y = sq / 8 + dy;
                if ((dx != 0 || dy != 0) && x >= 0 && x < 8 && y >= 0 && y < 8)
                    neighbours[sq] |= Bitboard{1} << (y * 8 + x);
            }
    return neighbours;
}
inline constexpr std::array<Bitboard, 64> kNeighbours = MakeNeighbours();

// Per square, the squares on each of the eight rays from it to the board's edge, the square
// itself left out: first the four rays towards higher bits, then the four towards lower ones.
struct alignas(32) SquareRays {
    std::array<Bitboard, 4> up;
    std::array<Bitboard, 4> down;
};
constexpr std::array<SquareRays, 64> MakeSquareRays() {
    std::array<SquareRays, 64> rays{};
    constexpr int kSteps[8][2] = {{1, 0}, {0, 1}, {-1, 1}, {1, 1}, {-1, 0}, {0, -1}, {1, -1}, {-1, -1}};
    for (int sq = 0; sq < 64; ++sq) {
        for (int d = 0; d < 8; ++d) {
            Bitboard ray = 0;
            for (int x = sq % 8 + kSteps[d][0], y = sq / 8 + kSteps[d][1];
                 x >= 0 && x < 8 && y >= 0 && y < 8; x += kSteps[d][0], y += kSteps[d][1])
                ray |= Bitboard{1} << (y * 8 + x);
            (d < 4 ? rays[sq].up[d] : rays[sq].down[d - 4]) = ray;
        }
    }
    return rays;
}
inline constexpr std::array<SquareRays, 64> kSquareRays = MakeSquareRays();

// The opposing discs that a disc of `own` placed on square `index` turns.
inline Bitboard Flips(int index, Bitboard own, Bitboard opp) {
#if defined(__AVX2__)
    // Towards higher bits, the nearest square on a ray that holds no opposing disc is the lowest
    // such bit; if it is own, the ray's squares below it turn.
    const __m256i zero = _mm256_setzero_si256();
    const __m256i o = _mm256_set1_epi64x(static_cast<long long>(own));
    const __m256i p = _mm256_set1_epi64x(static_cast<long long>(opp));
    const __m256i up = _mm256_load_si256(reinterpret_cast<const __m256i*>(kSquareRays[index].up.data()));
    const __m256i down =
        _mm256_load_si256(reinterpret_cast<const __m256i*>(kSquareRays[index].down.data()));
    const __m256i openUp = _mm256_andnot_si256(p, up);
    const __m256i endUp = _mm256_and_si256(o, _mm256_and_si256(openUp, _mm256_sub_epi64(zero, openUp)));
    const __m256i turnedUp = _mm256_andnot_si256(
        _mm256_cmpeq_epi64(endUp, zero),
        _mm256_and_si256(up, _mm256_sub_epi64(endUp, _mm256_set1_epi64x(1))));
    // Towards lower bits it is the highest such bit; the ray's squares above it turn.
    const __m256i openDown = _mm256_andnot_si256(p, down);
#if defined(__AVX512VL__) && defined(__AVX512CD__)
    const __m256i nearest = _mm256_srlv_epi64(_mm256_set1_epi64x(static_cast<long long>(1ULL << 63)),
                                              _mm256_lzcnt_epi64(openDown));
    const __m256i endDown = _mm256_and_si256(o, nearest);
    const __m256i turnedDown =
        _mm256_and_si256(down, _mm256_sub_epi64(zero, _mm256_add_epi64(endDown, endDown)));
#else
    // Without a vector leading-zero count: spread the open squares down the ray; what stays
    // clear above them is the run next to the square.
    const __m256i step = vector_lines::Steps();
    __m256i below = _mm256_or_si256(openDown, _mm256_srlv_epi64(openDown, step));
    below = _mm256_or_si256(below, _mm256_srlv_epi64(below, _mm256_add_epi64(step, step)));
    below = _mm256_or_si256(below, _mm256_srlv_epi64(below, _mm256_slli_epi64(step, 2)));
    const __m256i endDown =
        _mm256_and_si256(o, _mm256_andnot_si256(_mm256_srlv_epi64(below, step), openDown));
    const __m256i turnedDown =
        _mm256_andnot_si256(_mm256_cmpeq_epi64(endDown, zero), _mm256_andnot_si256(below, down));
#endif
    return vector_lines::OrOfLanes(_mm256_or_si256(turnedUp, turnedDown));
#else
    return TableFlips(index, own, opp);
#endif
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
