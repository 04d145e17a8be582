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

// Which implementation runs the searches. Both give the same moves, values and node counts; the
// table-based one is the reference the bitboard one is checked against.
enum class SearchEngine { Bitboard, TableBased };

// Whether the machine has more than one processor. On one, a search shared out between two
// threads only reads its wasted moves on the same processor.
bool HasSeveralProcessors();

struct ThinkOptions {
    SearchEngine engine = SearchEngine::Bitboard;
    // Set from another thread to end a bitboard search within a few thousand nodes. The
    // table-based searches look at it only before they start.
    const std::atomic<bool>* stop = nullptr;
    // The bitboard searches share their moves out between two threads; by default only where
    // the machine has a second processor for the second thread.
    bool splitSearches = HasSeveralProcessors();
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
// Leaves MoveX[1], MoveY[1] and BestValue[1] as the turn driver expects to find them.
ComputerChoice ChooseComputerMove(GameState& s, const ThinkOptions& options,
                                  TickSource& ticks = SteadyTicks());
inline ComputerChoice ChooseComputerMove(GameState& s, TickSource& ticks = SteadyTicks()) {
    return ChooseComputerMove(s, ThinkOptions{}, ticks);
}

}  // namespace kurobi
