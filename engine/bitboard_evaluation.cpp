#include "engine/bitboard_evaluation.h"

#include <algorithm>
#include <bit>
#include <numeric>

namespace kurobi {
KUROBI_ISA_BEGIN

BitboardEvaluation::BitboardEvaluation(const GameState& s) {
    const int32_t* weights = s.SquareWeights();
#if defined(__AVX512BW__)
    // Far from the int32 range, so that the sum in units times the unit is the sum itself.
    constexpr int32_t kLargest = 1 << 16;
    int32_t unit = 0;
    for (int square = 0; square < 64; ++square) {
        const int32_t w = weights[Cell(SquareColumn(square), SquareRow(square))];
        unit = w >= -kLargest && w <= kLargest && unit >= 0 ? std::gcd(unit, w) : -1;
    }
    alignas(64) uint8_t bytes[64]{};
    for (int square = 0; square < 64 && unit > 0; ++square) {
        const int32_t units = weights[Cell(SquareColumn(square), SquareRow(square))] / unit;
        if (units < -127 || units > 127) unit = 0;
        bytes[square] = static_cast<uint8_t>(units);
    }
    weightUnit_ = std::max(unit, 0);
    byteWeights_ = _mm512_load_si512(bytes);
    if (weightUnit_ != 0) return;  // the row sums would go unused
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
