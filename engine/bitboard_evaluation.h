#pragma once
// The leaf evaluation on bitboards, equal to EvaluateLeaf to the point: the weighted squares by
// one table lookup per row or by byte sums in a vector, the mobility and the discs by population
// counts.

#include <cstdint>

#include "core/game_state.h"
#include "engine/bitboard.h"
#include "engine/evaluation.h"
#include "engine/isa.h"

namespace kurobi {
KUROBI_ISA_BEGIN

class BitboardEvaluation {
  public:
    // Takes the square weights of `s` as they stand; they do not change during a search.
    explicit BitboardEvaluation(const GameState& s);

    // The computer's value of a position; only squares in `listSquares` count for mobility, as
    // the table evaluation walks only the empty-square list.
    int32_t Evaluate(Bitboard cpu, Bitboard player, Bitboard listSquares) const {
        int32_t v = WeightedSquares(cpu, player);
        const int32_t playerLead = DiscCount(player) - DiscCount(cpu);
        const BothMoves moves = LegalMovesOfBoth(cpu, player);
        const int32_t cpuMoves = DiscCount(moves.first & listSquares);
        const int32_t playerMoves = DiscCount(moves.second & listSquares);
        if (cpuMoves == 0 && playerMoves == 0) return playerLead > 0 ? -kFinalScore : kFinalScore;
        return v + kMobilityWeight * (cpuMoves - playerMoves) + kDiscWeight * playerLead;
    }

  private:
    // The computer's weighted squares minus the player's.
    int32_t WeightedSquares(Bitboard cpu, Bitboard player) const {
#if defined(__AVX512BW__)
        // One byte a square: 128 plus the computer's weight or minus the player's, in units of
        // the weights' greatest common divisor, so that the bytes add up without their sign.
        if (weightUnit_ != 0) {
            const __m512i offset = _mm512_set1_epi8(static_cast<char>(0x80));
            const __m512i own = _mm512_mask_add_epi8(offset, cpu, offset, byteWeights_);
            const __m512i both = _mm512_mask_sub_epi8(own, player, own, byteWeights_);
            const __m512i sums = _mm512_sad_epu8(both, _mm512_setzero_si512());
            return weightUnit_ * (static_cast<int32_t>(_mm512_reduce_add_epi64(sums)) - 64 * 128);
        }
#endif
        int32_t v = 0;
        for (int row = 0; row < 8; ++row)
            v += rowWeights_[row][(cpu >> 8 * row) & 0xFF] -
                 rowWeights_[row][(player >> 8 * row) & 0xFF];
        return v;
    }

#if defined(__AVX512BW__)
    __m512i byteWeights_;  // square i in byte i: its weight / weightUnit_
    // The divisor of the byte weights; 0 when the weights do not fit them. The weights of a
    // game, multiples of 5 from -250 to 500, always do.
    int32_t weightUnit_;
#endif
    // [row][the row's byte]: the sum of the weights of its bits; left unfilled when the
    // vector bytes hold the weights
    int32_t rowWeights_[8][256];
};

KUROBI_ISA_END
}  // namespace kurobi
