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
}

KUROBI_ISA_END
}  // namespace kurobi
