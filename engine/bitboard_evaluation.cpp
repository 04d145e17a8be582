#include "engine/bitboard_evaluation.h"

namespace kurobi {
KUROBI_ISA_BEGIN

BitboardEvaluation::BitboardEvaluation(const GameState& s) {
    const int32_t* weights = s.SquareWeights();
    for (int row = 0; row < 8; ++row) {
        for (int bits = 0; bits < 256; ++bits) {
            int32_t sum = 0;
            for (int column = 0; column < 8; ++column)
                if (bits & (1 << column)) sum += weights[Cell(column + 1, row + 1)];
            rowWeights_[row][bits] = sum;
        }
    }
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
#endif
}

KUROBI_ISA_END
}  // namespace kurobi
