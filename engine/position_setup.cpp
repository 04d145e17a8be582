#include "engine/position_setup.h"

#include <cstring>

#include "core/rules.h"
#include "engine/levels.h"
#include "engine/square_weights.h"

namespace kurobi {

void ResetPosition(GameState& s) {
    ResetEmptyList(s);
    ResetSquareWeights(s);
    for (int ply = 1; ply < kPreparedPlies; ++ply) {
        std::memset(s.PlyBoard(ply), 0, 10 * 16 * sizeof(int32_t));
        std::memset(s.CpuMoveFlags[ply], 0, 10 * 16);
        std::memset(s.PlayerMoveFlags[ply], 0, 10 * 16);
    }
    s.PlayerDiscs = 2;
    s.CpuDiscs = 2;
    PlaceStartingDiscs(s.GameBoard());
    s.Ply = 1;
    s.SearchDepth = s.BaseDepth;
}

void RestorePosition(GameState& s, const int32_t* cells) {
    int32_t* board = s.GameBoard();
    s.PlayerDiscs = 0;
    s.CpuDiscs = 0;
    for (int x = 1; x <= 8; ++x) {
        for (int y = 1; y <= 8; ++y) {
            const int32_t cell = cells[Cell(x, y)];
            board[Cell(x, y)] = cell;
            if (cell == kEmpty) continue;
            ++(cell == s.CpuColor ? s.CpuDiscs : s.PlayerDiscs);
            RemoveEmptySquare(s, x, y);
            ApplyCornerRaise(s, x, y);
        }
    }
    s.SearchDepth = RebuiltSearchDepth(s.BaseDepth, s.PlayerDiscs + s.CpuDiscs);
}

}  // namespace kurobi
