#include "engine/fast_reads.h"
#include "engine/midgame_search.h"
#include "engine/split_read.h"

namespace kurobi {
KUROBI_ISA_BEGIN

bool MidgameRead(GameState& s, const std::atomic<bool>* stop, bool split) {
    if (split) return SplitMidgameSearch(s, stop);
    return MidgameSearch(s, stop).Run(s);
}

KUROBI_ISA_END
}  // namespace kurobi
