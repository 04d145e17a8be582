#pragma once
// The computer's choice of move on its turn: the square-weight pick, the pass, or one of the
// searches chosen by the disc total, with the preparation the searches expect.

#include <atomic>
#include <cstdint>

#include "core/game_state.h"

namespace kurobi {

enum class SearchKind { Weight, Pass, Midgame, WinLoss, WinLossThenMidgame, Exact };

const char* SearchKindName(SearchKind kind);  // "weight", "pass", "midgame", ...
inline bool IsSearch(SearchKind k) { return k != SearchKind::Weight && k != SearchKind::Pass; }
inline bool IsEndgameRead(SearchKind k) { return k >= SearchKind::WinLoss; }

struct ComputerChoice {
    SearchKind kind;
    int x;            // the square to play (MoveX[1], MoveY[1]); 0 for a pass
    int y;
    int32_t value;    // BestValue[1]; for the endgame reads after the first read, see below
    int32_t forecast; // BestValue[1] after the endgame read: its sign is the predicted result
    int32_t nodes;    // NodeCount
    int64_t elapsedMs;
    bool stopped;     // a stop request ended the search: only `kind` holds, and the state
                      // holds no result
};

// The turn the position calls for, with the legal moves of ply 1 found: the weight pick (level 1
// or the last square), the pass, or the search the disc total calls for (Midgame, WinLoss or
// Exact; the win-loss read may go on to the midgame search).
SearchKind TurnKind(const GameState& s);

// Which implementation runs the searches. Both give the same moves, values and node counts; the
// table-based one is the reference the bitboard one is checked against.
enum class SearchEngine { Bitboard, TableBased };

// How many threads a bitboard search reads its moves on: one, two (split_read.h), or two only
// where that pays, which is where the machine has a second processor for the second thread and
// the search is large enough to gain more than the hand-overs between the threads cost.
enum class SearchThreads { One, Two, WherePays };

struct ThinkOptions {
    SearchEngine engine = SearchEngine::Bitboard;
    // Set from another thread to end a bitboard search within a few thousand nodes. The
    // table-based searches look at it only before they start.
    const std::atomic<bool>* stop = nullptr;
    SearchThreads threads = SearchThreads::WherePays;
};

// A millisecond tick counter; the think time is measured on it.
class TickSource {
public:
    virtual ~TickSource() = default;
    virtual uint32_t NowMs() = 0;
};

// The process's monotonic clock.
TickSource& SteadyTicks();

// Runs the computer's turn up to its choice: legal moves at ply 1, the weight pick or pass, or
// the search-depth rise, the preparation of plies 0..19 and the search the disc total calls for.
// Leaves MoveX[1], MoveY[1], BestValue[1] and the rest of the record as later turns expect to
// find them; the turn driver takes the choice from the value returned.
ComputerChoice ChooseComputerMove(GameState& s, const ThinkOptions& options,
                                  TickSource& ticks = SteadyTicks());
inline ComputerChoice ChooseComputerMove(GameState& s, TickSource& ticks = SteadyTicks()) {
    return ChooseComputerMove(s, ThinkOptions{}, ticks);
}

}  // namespace kurobi
