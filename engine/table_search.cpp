#include "engine/table_search.h"

#include <cstring>

#include "core/rules.h"
#include "engine/evaluation.h"

namespace kurobi {
namespace {

constexpr int kPlayingCells = 8 * 16;  // columns 1..8, all 16 cells of each
constexpr int kFirstPlayingCell = 16;

void CopyPlayingCells(int32_t* to, const int32_t* from) {
    std::memcpy(to + kFirstPlayingCell, from + kFirstPlayingCell, kPlayingCells * sizeof(int32_t));
}

void PlayOnPly(GameState& s, int ply, int32_t mover) {
    int32_t* board = s.PlyBoard(ply);
    const int x = s.MoveX[ply];
    const int y = s.MoveY[ply];
    board[Cell(x, y)] = mover;
    TurnFlankedDiscs(board, x, y, mover);
}

// Moves of one side at `ply`, as GenCpuMoves and GenPlayerMoves find them: flags and count.
void GenerateMoves(GameState& s, int ply, bool computer) {
    const int32_t mover = computer ? s.CpuColor : s.PlayerColor;
    uint8_t* flags = computer ? s.CpuMoveFlags[ply] : s.PlayerMoveFlags[ply];
    int32_t& count = computer ? s.CpuMoveCount[ply] : s.PlayerMoveCount[ply];
    const int32_t* board = s.PlyBoard(ply);
    count = 0;
    std::memset(flags + kFirstPlayingCell, 0, kPlayingCells);
    for (int i = 0; i < s.EmptyCount; ++i) {
        const int x = s.EmptyX[i];
        const int y = s.EmptyY[i];
        if (board[Cell(x, y)] != kEmpty || !FlanksAny(board, x, y, mover)) continue;
        flags[Cell(x, y)] = 1;
        ++count;
    }
}

// Folds the value v of the node or leaf at ply q into its parent: the minimum at a player node,
// the maximum at a computer node, where a rise at the root records the root move. Returns
// whether the parent's value changed.
bool FoldIntoParent(GameState& s, int q, int32_t v) {
    int32_t& parent = s.BestValue[q - 1];
    if ((q & 1) ? !(v < parent) : !(v > parent)) return false;
    parent = v;
    if (q == 2) {
        s.BestX[1] = s.MoveX[2];
        s.BestY[1] = s.MoveY[2];
    }
    return true;
}

// Whether an ancestor j = q-2, q-4, ... down to `lowest` (where the same side is to move as at
// q) already holds a value that makes the parent's remaining moves pointless. With `nearestOnly`
// only j = q-2 is looked at.
bool AncestorCuts(const GameState& s, int q, int32_t v, int lowest, bool nearestOnly = false) {
    for (int j = q - 2; j >= lowest; j -= 2) {
        if ((q & 1) ? s.BestValue[j] >= v : s.BestValue[j] <= v) return true;
        if (nearestOnly) break;
    }
    return false;
}

// NodeCount is a 32-bit field that a long read may run past: it counts on modulo 2^32.
void CountNode(GameState& s) {
    s.NodeCount = static_cast<int32_t>(static_cast<uint32_t>(s.NodeCount) + 1);
}

// ----- Midgame search -----

enum class Row { Node, Pass, Leaf };

// Passes the value v of the node or leaf at ply q to its parent, then tests for a cutoff.
void Propagate(GameState& s, int q, int32_t v, Row row) {
    const bool changed = FoldIntoParent(s, q, v);
    if (row != Row::Pass && !changed) return;
    const int lowest = (row == Row::Leaf && (q & 1)) ? 3 : 1;  // a leaf never tests the root
    if (AncestorCuts(s, q, v, lowest)) s.MoveIndex[q - 1] = s.EmptyCount;
}

}  // namespace

void SearchNode(GameState& s) {
    const int p = s.Ply;
    const uint8_t* flags = (p & 1) ? s.CpuMoveFlags[p] : s.PlayerMoveFlags[p];
    for (int i = 0; i < s.EmptyCount; ++i) {
        const int x = s.EmptyX[i];
        const int y = s.EmptyY[i];
        if (flags[Cell(x, y)] != 1) continue;
        s.MoveIndex[p] = i;
        s.Ply = p + 1;
        s.MoveX[p + 1] = x;
        s.MoveY[p + 1] = y;
        CountNode(s);
        SearchChild(s);
        i = s.MoveIndex[p];
    }
    Propagate(s, p, s.BestValue[p], Row::Node);
    if (p != 1) s.BestValue[p] = SentinelForPly(p);
    s.Ply = p - 1;
}

void SearchChild(GameState& s) {
    const int p = s.Ply;
    CopyPlayingCells(s.PlyBoard(p), s.PlyBoard(p - 1));
    PlayOnPly(s, p, (p & 1) ? s.PlayerColor : s.CpuColor);
    if (p >= s.SearchDepth) {
        EvaluateLeaf(s, p);
        Propagate(s, p, s.LeafValue[p], Row::Leaf);
        s.Ply = p - 1;
        return;
    }
    const bool computerToMove = p & 1;
    GenerateMoves(s, p, computerToMove);
    if ((computerToMove ? s.CpuMoveCount[p] : s.PlayerMoveCount[p]) > 0) {
        SearchNode(s);
        return;
    }
    // The side to move passes: the other side moves again on an unchanged copy, one ply on.
    s.Ply = p + 1;
    CopyPlayingCells(s.PlyBoard(p + 1), s.PlyBoard(p));
    GenerateMoves(s, p + 1, !computerToMove);
    if ((computerToMove ? s.PlayerMoveCount[p + 1] : s.CpuMoveCount[p + 1]) == 0) {
        s.Ply = p;
        EvaluateLeaf(s, p);
        Propagate(s, p, s.LeafValue[p], Row::Leaf);
        s.Ply = p - 1;
        return;
    }
    SearchNode(s);
    Propagate(s, p, s.BestValue[p], Row::Pass);
    s.BestValue[p] = SentinelForPly(p);
    s.Ply = p - 1;
}

// ----- Endgame reads -----

namespace {

enum class Cut { Deep, Short, Zero };

// Folds the value of the node at ply k into its parent; when the parent's value changed, tests
// whether the parent's remaining moves can still matter.
void Fold(GameState& s, int k, Cut cut) {
    const int32_t v = s.BestValue[k];
    if (!FoldIntoParent(s, k, v)) return;
    const bool cutOff = cut == Cut::Zero ? ((k & 1) ? v < 0 : v > 0)
                                         : AncestorCuts(s, k, v, 1, cut == Cut::Short);
    if (cutOff) s.MoveIndex[k - 1] = s.EmptyCount;
}

// The finished game at ply k: the computer's discs minus the player's, folded without a cut test.
void ScoreFinishedGame(GameState& s, int k) {
    const int32_t* board = s.PlyBoard(k);
    int32_t sum = 0;
    for (int x = 1; x <= 8; ++x)
        for (int y = 1; y <= 8; ++y) sum += board[Cell(x, y)];
    s.LeafValue[k] = s.CpuColor == kWhite ? -sum : sum;
    FoldIntoParent(s, k, s.LeafValue[k]);
    ++s.EndgameEmpties;
    s.Ply = k - 1;
}

template <bool kWinLoss>
void EndgameChild(GameState& s);

template <bool kWinLoss>
void EndgameNode(GameState& s) {
    const int k = s.Ply;
    const uint8_t* flags = (k & 1) ? s.CpuMoveFlags[k] : s.PlayerMoveFlags[k];
    for (int i = 0; i < s.EmptyCount; ++i) {
        const int x = s.EmptyX[i];
        const int y = s.EmptyY[i];
        if (flags[Cell(x, y)] != 1) continue;
        s.MoveIndex[k] = i;
        s.Ply = k + 1;
        s.MoveX[k + 1] = x;
        s.MoveY[k + 1] = y;
        CountNode(s);
        EndgameChild<kWinLoss>(s);
        i = s.MoveIndex[k];
    }
    Fold(s, k, kWinLoss ? Cut::Zero : Cut::Deep);
    if (k != 1) s.BestValue[k] = SentinelForPly(k);
    ++s.EndgameEmpties;
    s.Ply = k - 1;
}

template <bool kWinLoss>
void EndgameChild(GameState& s) {
    const int k = s.Ply;
    CopyPlayingCells(s.PlyBoard(k), s.PlyBoard(k - 1));
    PlayOnPly(s, k, (k & 1) ? s.PlayerColor : s.CpuColor);
    --s.EndgameEmpties;
    if (s.EndgameEmpties == 0) return ScoreFinishedGame(s, k);
    FindLegalMoves(s);
    if (s.CpuMoveCount[k] == 0 && s.PlayerMoveCount[k] == 0) return ScoreFinishedGame(s, k);
    const bool moverHasMove = ((k & 1) ? s.CpuMoveCount[k] : s.PlayerMoveCount[k]) > 0;
    // A line that would run past the last ply the tables hold ends here as a finished game.
    // Only a read from 16 or more empty squares with many passes can get this deep.
    if (k + (moverHasMove ? 1 : 2) > kPlies - 1) return ScoreFinishedGame(s, k);
    if (moverHasMove) return EndgameNode<kWinLoss>(s);
    s.Ply = k + 1;
    CopyPlayingCells(s.PlyBoard(k + 1), s.PlyBoard(k));
    std::memcpy(s.CpuMoveFlags[k + 1] + kFirstPlayingCell, s.CpuMoveFlags[k] + kFirstPlayingCell,
                kPlayingCells);
    std::memcpy(s.PlayerMoveFlags[k + 1] + kFirstPlayingCell,
                s.PlayerMoveFlags[k] + kFirstPlayingCell, kPlayingCells);
    s.CpuMoveCount[k + 1] = s.CpuMoveCount[k];
    s.PlayerMoveCount[k + 1] = s.PlayerMoveCount[k];
    EndgameNode<kWinLoss>(s);
    Fold(s, k, kWinLoss ? Cut::Zero : Cut::Short);
    s.BestValue[k] = SentinelForPly(k);
    s.Ply = k - 1;
}

}  // namespace

void ExactNode(GameState& s) { EndgameNode<false>(s); }
void ExactChild(GameState& s) { EndgameChild<false>(s); }
void WinLossNode(GameState& s) { EndgameNode<true>(s); }
void WinLossChild(GameState& s) { EndgameChild<true>(s); }

}  // namespace kurobi
