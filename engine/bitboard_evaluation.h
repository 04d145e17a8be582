#pragma once
// The leaf evaluation on bitboards, equal to EvaluateLeaf to the point: the weighted squares by
// one table lookup per row, the mobility and the discs by population counts.

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
        // One 16-bit lane a square: the weights the masks select, added up in a few steps.
        if (shortWeights_) {
            const auto lanes = [](__m512i weights, Bitboard cpuHalf, Bitboard playerHalf) {
                const __m512i own = _mm512_maskz_mov_epi16(static_cast<__mmask32>(cpuHalf), weights);
                return _mm512_mask_sub_epi16(own, static_cast<__mmask32>(playerHalf), own, weights);
            };
            const __m512i both = _mm512_add_epi16(lanes(lowWeights_, cpu, player),
                                                  lanes(highWeights_, cpu >> 32, player >> 32));
            return _mm512_reduce_add_epi32(_mm512_madd_epi16(both, _mm512_set1_epi16(1)));
        }
#endif
        int32_t v = 0;
        for (int row = 0; row < 8; ++row)
            v += rowWeights_[row][(cpu >> 8 * row) & 0xFF] -
                 rowWeights_[row][(player >> 8 * row) & 0xFF];
        return v;
    }

#if defined(__AVX512BW__)
    __m512i lowWeights_;   // squares 0..31, 16 bits each
    __m512i highWeights_;  // squares 32..63
    bool shortWeights_;    // every weight fits the lanes, with room for sums of four
#endif
    // [row][the row's byte]: the sum of the weights of its bits; left unfilled when the
    // vector lanes hold the weights
    int32_t rowWeights_[8][256];
};

KUROBI_ISA_END
}  // namespace kurobi
