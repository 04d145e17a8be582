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
        int32_t v = 0;
        for (int row = 0; row < 8; ++row)
            v += rowWeights_[row][(cpu >> 8 * row) & 0xFF] -
                 rowWeights_[row][(player >> 8 * row) & 0xFF];
        const int32_t playerLead = DiscCount(player) - DiscCount(cpu);
        const int32_t cpuMoves = DiscCount(LegalMoves(cpu, player) & listSquares);
        const int32_t playerMoves = DiscCount(LegalMoves(player, cpu) & listSquares);
        if (cpuMoves == 0 && playerMoves == 0) return playerLead > 0 ? -kFinalScore : kFinalScore;
        return v + kMobilityWeight * (cpuMoves - playerMoves) + kDiscWeight * playerLead;
    }

  private:
    int32_t rowWeights_[8][256];  // [row][the row's byte]: the sum of the weights of its bits
};

KUROBI_ISA_END
}  // namespace kurobi
