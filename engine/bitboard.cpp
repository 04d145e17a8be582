#include "engine/bitboard.h"

namespace kurobi {
KUROBI_ISA_BEGIN

Bitboard DiscsOf(const int32_t* board, int32_t color) {
    Bitboard discs = 0;
    for (int x = 1; x <= 8; ++x)
        for (int y = 1; y <= 8; ++y)
            if (board[Cell(x, y)] == color) discs |= SquareBit(SquareIndex(x, y));
    return discs;
}

KUROBI_ISA_END
}  // namespace kurobi
