#include "engine/search_frame.h"

namespace kurobi {
KUROBI_ISA_BEGIN

SearchFrame::SearchFrame(const GameState& s, const std::atomic<bool>* stop,
                         const std::atomic<bool>* abandon)
    : nodes_(static_cast<uint32_t>(s.NodeCount)), stop_(stop), abandon_(abandon) {
    const int32_t* board = s.PlyBoard(1);
    rootCpu_ = DiscsOf(board, s.CpuColor);
    rootPlayer_ = DiscsOf(board, s.PlayerColor);
    // A square occupied at the root stays occupied, so it can never be a move in this read.
    std::array<int8_t, 64> rank{};  // a square's position in `order_`
    int count = 0;
    for (int i = 0; i < s.EmptyCount; ++i) {
        const int x = s.EmptyX[i];
        const int y = s.EmptyY[i];
        if (board[Cell(x, y)] != kEmpty) continue;
        const int square = SquareIndex(x, y);
        rank[square] = static_cast<int8_t>(count);
        order_[count++] = static_cast<int8_t>(square);
        listSquares_ |= SquareBit(square);
        if (s.CpuMoveFlags[1][Cell(x, y)] == 1) rootMoves_ |= SquareBit(square);
    }
    // Moves are list squares only, so a row's entries are needed for subsets of its list squares
    // alone; they are filled in increasing order, each from one with a bit fewer.
    for (int row = 0; row < 8; ++row) {
        const uint32_t listed = (listSquares_ >> 8 * row) & 0xFF;
        rowRanks_[row][0] = 0;
        for (uint32_t bits = (0 - listed) & listed; bits != 0; bits = (bits - listed) & listed) {
            const int square = row * 8 + std::countr_zero(bits);
            rowRanks_[row][bits] = rowRanks_[row][bits & (bits - 1)] | uint64_t{1} << rank[square];
        }
    }
    for (int ply = 0; ply < kPlies; ++ply) value_[ply] = s.BestValue[ply];
}

bool SearchFrame::Poll() {
    const auto requested = [](const std::atomic<bool>* flag) {
        return flag != nullptr && flag->load(std::memory_order_relaxed);
    };
    stopped_ = stopped_ || requested(stop_) || requested(abandon_);
    return stopped_;
}

void SearchFrame::WriteBack(GameState& s) const {
    s.NodeCount = static_cast<int32_t>(nodes_);
    for (int ply = 0; ply < kPlies; ++ply) s.BestValue[ply] = value_[ply];
    if (bestMove_ >= 0) {
        s.BestX[1] = SquareColumn(bestMove_);
        s.BestY[1] = SquareRow(bestMove_);
    }
    s.Ply = 0;
}

KUROBI_ISA_END
}  // namespace kurobi
