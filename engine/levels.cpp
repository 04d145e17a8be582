#include "engine/levels.h"

namespace kurobi {

void ApplyLevel(GameState& s, int level) {
    const Level& l = kLevels[level - 1];
    s.BaseDepth = l.depth;
    s.SearchDepth = l.depth;
    s.EndgameStart = l.endgameStart;
}

int32_t RebuiltSearchDepth(int32_t baseDepth, int discTotal) {
    return baseDepth + (discTotal >= 41) + (discTotal >= 45) + (discTotal >= 47);
}

int32_t SearchDepthRise(int discTotal) {
    switch (discTotal) {
        case 41: case 42: case 45: case 46: case 47: case 48: return 1;
        default: return 0;
    }
}

}  // namespace kurobi
