#pragma once
// The one record of all game and search state. Field order and widths are fixed: the searches
// index its per-ply tables by ply and rely on the layout checks at the bottom of this file.

#include <cstddef>
#include <cstdint>

namespace kurobi {

inline constexpr int kPlies = 32;          // plies 0..31 in every per-ply table
inline constexpr int kBoardCount = 34;     // weights, plies 0..31, the take-back snapshot
inline constexpr int kCells = 256;         // 16x16 cells; square (x, y) is cell x*16 + y
inline constexpr int kWeightsBoard = 0;
inline constexpr int kUndoBoard = 33;
inline constexpr int kPreparedPlies = 20;  // plies the turn driver prepares before a search
inline constexpr int32_t kMaxSentinel = -30000;  // empty value of a maximising (odd) ply
inline constexpr int32_t kMinSentinel = 30000;   // empty value of a minimising (even) ply

// Cell codes.
inline constexpr int32_t kEmpty = 0;
inline constexpr int32_t kBlack = 1;
inline constexpr int32_t kWhite = -1;

// Whose turn it is in the game (`Turn`).
inline constexpr int32_t kPlayerTurn = 0;
inline constexpr int32_t kComputerTurn = 1;
inline constexpr int32_t kGameOver = 3;

constexpr int Cell(int x, int y) { return x * 16 + y; }
constexpr int32_t SentinelForPly(int ply) { return (ply & 1) ? kMaxSentinel : kMinSentinel; }

using Board = int32_t[kCells];
using MoveFlags = uint8_t[kCells];

struct GameState {
    int32_t ClickX;
    int32_t ClickY;
    int32_t EndgameEmpties;
    uint32_t WaitingToStart;
    int32_t CellSize;
    int32_t Turn;
    int32_t Ply;
    int32_t FlipDelay;
    int32_t BaseDepth;
    int32_t SearchDepth;
    int32_t NodeCount;
    uint32_t BoardColor;
    int32_t EndgameStart;
    int32_t PlayerColor;
    int32_t CpuColor;
    int32_t EmptyCount;
    int32_t PlayerDiscs;
    int32_t CpuDiscs;
    int32_t LeafValue[kPlies];
    Board Boards[kBoardCount];
    MoveFlags CpuMoveFlags[kPlies];
    MoveFlags PlayerMoveFlags[kPlies];
    int32_t CpuMoveCount[kPlies];
    int32_t PlayerMoveCount[kPlies];
    int32_t EmptyX[64];
    int32_t EmptyY[64];
    int32_t BestValue[kPlies];
    int32_t MoveX[kPlies];
    int32_t MoveY[kPlies];
    int32_t BestX[kPlies];
    int32_t BestY[kPlies];
    int32_t MoveIndex[kPlies];

    // Board of a ply: board k+1 holds the position at ply k.
    int32_t* PlyBoard(int ply) { return Boards[ply + 1]; }
    const int32_t* PlyBoard(int ply) const { return Boards[ply + 1]; }
    int32_t* GameBoard() { return Boards[2]; }
    const int32_t* GameBoard() const { return Boards[2]; }
    int32_t* SquareWeights() { return Boards[kWeightsBoard]; }
    const int32_t* SquareWeights() const { return Boards[kWeightsBoard]; }
    int32_t* UndoBoard() { return Boards[kUndoBoard]; }
    const int32_t* UndoBoard() const { return Boards[kUndoBoard]; }
};

// A freshly created state: all zero but for the sentinels of the plies the turn driver never
// prepares, which the endgame reads expect to find in place.
void InitGameState(GameState& s);

// The checks below pin the layout; a field moved or widened fails the build.
static_assert(sizeof(int32_t) == 4 && sizeof(uint32_t) == 4);
static_assert(offsetof(GameState, ClickX) == 0);
static_assert(offsetof(GameState, PlayerDiscs) == 16 * 4);
static_assert(offsetof(GameState, CpuDiscs) == 17 * 4);
static_assert(offsetof(GameState, LeafValue) == 18 * 4);
static_assert(offsetof(GameState, Boards) == offsetof(GameState, LeafValue) + kPlies * 4);
static_assert(sizeof(GameState::Boards) == kBoardCount * kCells * 4);
static_assert(offsetof(GameState, CpuMoveFlags) == offsetof(GameState, Boards) + kBoardCount * kCells * 4);
static_assert(offsetof(GameState, PlayerMoveFlags) == offsetof(GameState, CpuMoveFlags) + kPlies * kCells);
static_assert(offsetof(GameState, CpuMoveCount) == offsetof(GameState, PlayerMoveFlags) + kPlies * kCells);
static_assert(offsetof(GameState, EmptyX) == offsetof(GameState, CpuMoveCount) + 2 * kPlies * 4);
static_assert(offsetof(GameState, BestValue) == offsetof(GameState, EmptyX) + 2 * 64 * 4);
static_assert(offsetof(GameState, MoveIndex) == offsetof(GameState, BestValue) + 5 * kPlies * 4);
static_assert(sizeof(GameState) == offsetof(GameState, MoveIndex) + kPlies * 4);
static_assert(kUndoBoard == kPlies + 1, "the snapshot board follows the last ply's board");

}  // namespace kurobi
