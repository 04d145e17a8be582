#include "engine/computer_move.h"

#include <chrono>
#include <cstring>
#include <thread>

#include "core/rules.h"
#include "engine/fast_search.h"
#include "engine/levels.h"
#include "engine/table_search.h"

namespace kurobi {
namespace {

class SteadyTickSource final : public TickSource {
public:
    uint32_t NowMs() override {
        using namespace std::chrono;
        return static_cast<uint32_t>(
            duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count());
    }
};

// The legal square of greatest weight, the first in column-then-row order on a tie.
void PickByWeight(GameState& s) {
    const int32_t* board = s.GameBoard();
    const int32_t* weights = s.SquareWeights();
    s.BestValue[1] = kMaxSentinel;
    for (int x = 1; x <= 8; ++x) {
        for (int y = 1; y <= 8; ++y) {
            if (board[Cell(x, y)] != kEmpty || !FlanksAny(board, x, y, s.CpuColor)) continue;
            if (weights[Cell(x, y)] > s.BestValue[1]) {
                s.BestValue[1] = weights[Cell(x, y)];
                s.MoveX[1] = x;
                s.MoveY[1] = y;
            }
        }
    }
}

// Ply 1 is the game's position, whose moves were just found: its board and move flags stay.
void PreparePlies(GameState& s) {
    for (int e = 0; e < kPreparedPlies; ++e) {
        s.BestValue[e] = SentinelForPly(e);
        s.MoveX[e] = s.MoveY[e] = s.BestX[e] = s.BestY[e] = 0;
        if (e == 1) continue;
        std::memcpy(s.PlyBoard(e) + 16, s.GameBoard() + 16, 8 * 16 * sizeof(int32_t));
        std::memset(s.CpuMoveFlags[e] + 16, 0, 8 * 16);
        std::memset(s.PlayerMoveFlags[e] + 16, 0, 8 * 16);
    }
    s.NodeCount = 0;
}

// Whether the machine has more than one processor. On one, a search shared out between two
// threads only reads its wasted moves on the same processor.
bool HasSeveralProcessors() {
    static const bool several = std::thread::hardware_concurrency() > 1;
    return several;
}

// The smallest searches shared out between two threads. Below them the hand-overs between the
// threads cost more than the second thread gains. `kurobi-analyze bench`, table "two threads
// against one by the size of the search", on an idle two-core machine: the ratio of wall times
// two/one, lowest to highest of six runs (and the six runs' median), midgame depth 5 1.17-1.21,
// 6 0.95-1.16 (1.08), 7 0.82-1.07 (0.92), 9 0.71-0.90; endgame reads with 9 open squares
// 1.19-1.54, 10 1.01-1.30 (1.14), 11 0.90-1.32 (0.96), 12 0.82-1.07 (0.96), 13 0.73-0.98.
constexpr int kSplitMidgameDepth = 7;
constexpr int kSplitReadEmpties = 11;

// Whether the search about to run, from the state the turn driver prepared, is to be split.
bool Split(const GameState& s, SearchKind kind, const ThinkOptions& options) {
    switch (options.threads) {
        case SearchThreads::One: return false;
        case SearchThreads::Two: return true;
        case SearchThreads::WherePays: break;
    }
    if (!HasSeveralProcessors()) return false;
    return kind == SearchKind::Midgame ? s.SearchDepth >= kSplitMidgameDepth
                                       : s.EndgameEmpties >= kSplitReadEmpties;
}

// The search of `kind` (Midgame, WinLoss or Exact), by the engine chosen. Returns false when a
// stop request ended it.
bool RunSearch(GameState& s, SearchKind kind, const ThinkOptions& options) {
    if (options.engine == SearchEngine::Bitboard) {
        const bool split = Split(s, kind, options);
        if (kind == SearchKind::Midgame) return FastMidgameSearch(s, options.stop, split);
        if (kind == SearchKind::WinLoss) return FastWinLossRead(s, options.stop, split);
        return FastExactRead(s, options.stop, split);
    }
    if (options.stop != nullptr && options.stop->load(std::memory_order_relaxed)) return false;
    if (kind == SearchKind::Midgame) SearchNode(s);
    else if (kind == SearchKind::WinLoss) WinLossNode(s);
    else ExactNode(s);
    return true;
}

}  // namespace

TickSource& SteadyTicks() {
    static SteadyTickSource ticks;
    return ticks;
}

const char* SearchKindName(SearchKind kind) {
    switch (kind) {
        case SearchKind::Weight: return "weight";
        case SearchKind::Pass: return "pass";
        case SearchKind::Midgame: return "midgame";
        case SearchKind::WinLoss: return "winloss";
        case SearchKind::WinLossThenMidgame: return "winloss+midgame";
        case SearchKind::Exact: return "exact";
    }
    return "?";
}

SearchKind TurnKind(const GameState& s) {
    const int total = s.PlayerDiscs + s.CpuDiscs;
    const bool canMove = s.CpuMoveCount[1] > 0;
    if ((s.BaseDepth == 1 || total >= 63) && canMove) return SearchKind::Weight;
    if (!canMove || s.BaseDepth == 1) return SearchKind::Pass;
    if (total < s.EndgameStart - 1) return SearchKind::Midgame;
    return total <= s.EndgameStart ? SearchKind::WinLoss : SearchKind::Exact;
}

ComputerChoice ChooseComputerMove(GameState& s, const ThinkOptions& options, TickSource& ticks) {
    s.Ply = 1;
    FindLegalMoves(s);
    const int total = s.PlayerDiscs + s.CpuDiscs;

    ComputerChoice choice{};
    choice.kind = TurnKind(s);
    if (choice.kind == SearchKind::Weight) {
        PickByWeight(s);
    } else if (choice.kind == SearchKind::Pass) {
        choice.value = choice.forecast = kMaxSentinel;
        return choice;
    } else {
        s.SearchDepth += SearchDepthRise(total);
        PreparePlies(s);
        if (IsEndgameRead(choice.kind)) s.EndgameEmpties = 64 - total;
        const uint32_t start = ticks.NowMs();
        bool finished = RunSearch(s, choice.kind, options);
        if (IsEndgameRead(choice.kind)) choice.forecast = s.BestValue[1];
        if (choice.kind == SearchKind::WinLoss && finished && s.BestValue[1] < 0) {
            s.Ply = 1;
            finished = RunSearch(s, SearchKind::Midgame, options);
            choice.kind = SearchKind::WinLossThenMidgame;
        }
        choice.elapsedMs = static_cast<uint32_t>(ticks.NowMs() - start);
        if (!finished) {
            choice.stopped = true;
            return choice;
        }
        s.MoveX[1] = s.BestX[1];
        s.MoveY[1] = s.BestY[1];
        choice.nodes = s.NodeCount;
    }
    choice.x = s.MoveX[1];
    choice.y = s.MoveY[1];
    choice.value = s.BestValue[1];
    if (!IsEndgameRead(choice.kind)) choice.forecast = choice.value;
    return choice;
}

}  // namespace kurobi
