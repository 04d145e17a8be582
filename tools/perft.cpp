#include "tools/perft.h"

#include <bit>

#include "core/rules.h"
#include "engine/bitboard.h"

namespace kurobi {
namespace {

uint64_t Count(Bitboard own, Bitboard opp, int depth) {
    if (depth == 0) return 1;
    const Bitboard moves = LegalMoves(own, opp);
    if (moves == 0) {
        if (LegalMoves(opp, own) == 0) return 1;  // the game is over
        return Count(opp, own, depth - 1);
    }
    if (depth == 1) return DiscCount(moves);
    uint64_t leaves = 0;
    for (Bitboard rest = moves; rest != 0; rest &= rest - 1) {
        const int square = std::countr_zero(rest);
        const Bitboard flips = Flips(square, own, opp);
        leaves += Count(opp ^ flips, own | flips | SquareBit(square), depth - 1);
    }
    return leaves;
}

}  // namespace

uint64_t Perft(int depth) {
    Board board{};
    PlaceStartingDiscs(board);
    return Count(DiscsOf(board, kBlack), DiscsOf(board, kWhite), depth);
}

}  // namespace kurobi
