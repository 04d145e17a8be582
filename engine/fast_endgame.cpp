#include "engine/endgame_read.h"
#include "engine/fast_reads.h"
#include "engine/split_read.h"

namespace kurobi {
KUROBI_ISA_BEGIN

bool ExactRead(GameState& s, const std::atomic<bool>* stop, bool split) {
    if (split) return SplitExactRead(s, stop);
    return EndgameRead<false>(s, stop).Run(s);
}

bool WinLossRead(GameState& s, const std::atomic<bool>* stop, bool split) {
    if (split) return SplitWinLossRead(s, stop);
    return EndgameRead<true>(s, stop).Run(s);
}

KUROBI_ISA_END
}  // namespace kurobi
