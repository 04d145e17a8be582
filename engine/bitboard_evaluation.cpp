#include "engine/bitboard_evaluation.h"

#include <bit>

namespace kurobi {
KUROBI_ISA_BEGIN

BitboardEvaluation::BitboardEvaluation(const GameState& s) {
    const int32_t* weights = s.SquareWeights();
#if defined(__AVX512BW__)
    alignas(64) int16_t lanes[64];
    shortWeights_ = true;
    for (int square = 0; square < 64; ++square) {
        const int32_t w = weights[Cell(SquareColumn(square), SquareRow(square))];
        shortWeights_ = shortWeights_ && w >= -8191 && w <= 8191;
        lanes[square] = static_cast<int16_t>(w);
    }
    lowWeights_ = _mm512_load_si512(lanes);
    highWeights_ = _mm512_load_si512(lanes + 32);
    if (shortWeights_) return;  // the row sums would go unused
#endif
    // Each row's sums from smaller ones: a byte's sum is that of the byte without its lowest bit
    // plus that bit's weight. The table is built once per search, so its cost shows on short ones.
    for (int row = 0; row < 8; ++row) {
        rowWeights_[row][0] = 0;
        for (int bits = 1; bits < 256; ++bits) {
            const int column = std::countr_zero(static_cast<unsigned>(bits));
            rowWeights_[row][bits] =
                rowWeights_[row][bits & (bits - 1)] + weights[Cell(column + 1, row + 1)];
        }
    }
}

KUROBI_ISA_END
}  // namespace kurobi
