#include "engine/endgame_read.h"
#include "engine/fast_search.h"
#include "engine/split_winloss.h"

namespace kurobi {

bool FastExactRead(GameState& s, const std::atomic<bool>* stop) {
    return EndgameRead<false>(s, stop).Run(s);
}

bool FastWinLossRead(GameState& s, const std::atomic<bool>* stop, bool split) {
    if (split) return SplitWinLossRead(s, stop);
    return EndgameRead<true>(s, stop).Run(s);
}

}  // namespace kurobi
