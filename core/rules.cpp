#include "core/rules.h"

#include <cstring>

namespace kurobi {

const std::array<Square, 60> kEmptySquareOrder = {{
    {1, 1}, {1, 8}, {8, 1}, {8, 8},
    {3, 3}, {6, 3}, {3, 6}, {6, 6},
    {1, 3}, {3, 1}, {6, 1}, {8, 3}, {8, 6}, {6, 8}, {1, 6}, {3, 8},
    {4, 1}, {5, 1}, {8, 4}, {8, 5}, {4, 8}, {5, 8}, {1, 4}, {1, 5},
    {3, 4}, {3, 5}, {4, 3}, {5, 3}, {6, 4}, {6, 5}, {4, 6}, {5, 6},
    {3, 2}, {2, 3}, {6, 2}, {7, 3}, {7, 6}, {6, 7}, {2, 6}, {3, 7},
    {4, 2}, {5, 2}, {7, 4}, {7, 5}, {4, 7}, {5, 7}, {2, 4}, {2, 5},
    {2, 1}, {7, 1}, {8, 2}, {8, 7}, {2, 8}, {7, 8}, {1, 2}, {1, 7},
    {2, 2}, {7, 2}, {2, 7}, {7, 7},
}};

void InitGameState(GameState& s) {
    std::memset(&s, 0, sizeof s);
    for (int ply = kPreparedPlies; ply < kPlies; ++ply) s.BestValue[ply] = SentinelForPly(ply);
}

void ResetEmptyList(GameState& s) {
    s.EmptyCount = static_cast<int32_t>(kEmptySquareOrder.size());
    for (int i = 0; i < s.EmptyCount; ++i) {
        s.EmptyX[i] = kEmptySquareOrder[i].x;
        s.EmptyY[i] = kEmptySquareOrder[i].y;
    }
}

void PlaceStartingDiscs(int32_t* board) {
    for (int x = 1; x <= 8; ++x)
        for (int y = 1; y <= 8; ++y) board[Cell(x, y)] = kEmpty;
    board[Cell(4, 4)] = kWhite;
    board[Cell(5, 5)] = kWhite;
    board[Cell(4, 5)] = kBlack;
    board[Cell(5, 4)] = kBlack;
}

// Whether a disc of `mover` at `from` closes the line of `-mover` discs that starts one step away.
static bool ClosesLine(const int32_t* board, int from, int step, int32_t mover) {
    if (board[from + step] != -mover) return false;
    int c = from + 2 * step;
    while (board[c] == -mover) c += step;
    return board[c] == mover;
}

void FindLegalMoves(GameState& s) {
    const int ply = s.Ply;
    const int32_t* board = s.PlyBoard(ply);
    uint8_t* playerFlags = s.PlayerMoveFlags[ply];
    uint8_t* cpuFlags = s.CpuMoveFlags[ply];
    s.PlayerMoveCount[ply] = 0;
    s.CpuMoveCount[ply] = 0;
    std::memset(playerFlags + Cell(1, 0), 0, 8 * 16);
    std::memset(cpuFlags + Cell(1, 0), 0, 8 * 16);
    for (int i = 0; i < s.EmptyCount; ++i) {
        const int sq = Cell(s.EmptyX[i], s.EmptyY[i]);
        if (board[sq] != kEmpty) continue;
        for (int dx = -1; dx <= 1; ++dx) {
            for (int dy = -1; dy <= 1; ++dy) {
                const int step = dx * 16 + dy;
                if (!playerFlags[sq] && board[sq + step] == s.CpuColor) {
                    if (step != 0 && ClosesLine(board, sq, step, s.PlayerColor)) {
                        playerFlags[sq] = 1;
                        ++s.PlayerMoveCount[ply];
                    }
                } else if (!cpuFlags[sq] && board[sq + step] == s.PlayerColor) {
                    if (step != 0 && ClosesLine(board, sq, step, s.CpuColor)) {
                        cpuFlags[sq] = 1;
                        ++s.CpuMoveCount[ply];
                    }
                }
            }
        }
    }
}

void RemoveEmptySquare(GameState& s, int x, int y) {
    for (int i = 0; i < s.EmptyCount; ++i) {
        if (s.EmptyX[i] != x || s.EmptyY[i] != y) continue;
        for (int j = i + 1; j < s.EmptyCount; ++j) {
            s.EmptyX[j - 1] = s.EmptyX[j];
            s.EmptyY[j - 1] = s.EmptyY[j];
        }
        --s.EmptyCount;
        return;
    }
}

bool FlanksAny(const int32_t* board, int x, int y, int32_t mover) {
    const int from = Cell(x, y);
    for (int dx = -1; dx <= 1; ++dx)
        for (int dy = -1; dy <= 1; ++dy)
            if ((dx || dy) && ClosesLine(board, from, dx * 16 + dy, mover)) return true;
    return false;
}

std::vector<Square> LegalSquares(const int32_t* board, int32_t mover) {
    std::vector<Square> moves;
    for (int x = 1; x <= 8; ++x)
        for (int y = 1; y <= 8; ++y)
            if (board[Cell(x, y)] == kEmpty && FlanksAny(board, x, y, mover)) moves.push_back({x, y});
    return moves;
}

}  // namespace kurobi
