#include "engine/evaluation.h"

#include "core/rules.h"

namespace kurobi {

void CountMobility(GameState& s, int ply) {
    const int32_t* board = s.PlyBoard(ply);
    int32_t cpuMoves = 0;
    int32_t playerMoves = 0;
    for (int i = 0; i < s.EmptyCount; ++i) {
        const int x = s.EmptyX[i];
        const int y = s.EmptyY[i];
        if (board[Cell(x, y)] != kEmpty) continue;
        playerMoves += FlanksAny(board, x, y, s.PlayerColor);
        cpuMoves += FlanksAny(board, x, y, s.CpuColor);
    }
    s.CpuMoveCount[ply] = cpuMoves;
    s.PlayerMoveCount[ply] = playerMoves;
}

void EvaluateLeaf(GameState& s, int ply) {
    const int32_t* board = s.PlyBoard(ply);
    const int32_t* weights = s.SquareWeights();
    int32_t v = 0;
    int32_t d = 0;
    for (int x = 1; x <= 8; ++x) {
        for (int y = 1; y <= 8; ++y) {
            v += board[Cell(x, y)] * weights[Cell(x, y)];
            d += board[Cell(x, y)];
        }
    }
    if (s.CpuColor == kWhite) {
        v = -v;
    } else {
        d = -d;
    }
    CountMobility(s, ply);
    v += kMobilityWeight * (s.CpuMoveCount[ply] - s.PlayerMoveCount[ply]);
    if (s.CpuMoveCount[ply] == 0 && s.PlayerMoveCount[ply] == 0) {
        v = d > 0 ? -kFinalScore : kFinalScore;
    } else {
        v += kDiscWeight * d;
    }
    s.LeafValue[ply] = v;
}

}  // namespace kurobi
