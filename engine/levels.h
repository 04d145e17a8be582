#pragma once
// The eleven playing levels: each is a search depth and the disc total at which the endgame
// reads take over.

#include <array>

#include "core/game_state.h"

namespace kurobi {

struct Level {
    int32_t depth;         // BaseDepth and SearchDepth; 1 plays by square weight alone
    int32_t endgameStart;  // EndgameStart
};

inline constexpr int kLevelCount = 11;
inline constexpr int kDefaultLevel = 6;
inline constexpr std::array<Level, kLevelCount> kLevels = {{
    {1, 55}, {2, 55}, {3, 55}, {4, 54}, {5, 52}, {6, 51},
    {7, 50}, {8, 50}, {9, 49}, {10, 49}, {11, 48},
}};

// Sets BaseDepth, SearchDepth and EndgameStart as the level's menu item does. `level` is 1..11.
void ApplyLevel(GameState& s, int level);

// SearchDepth for a position rebuilt with `discTotal` discs: one more than the base depth for
// each of the totals 41, 45 and 47 reached.
int32_t RebuiltSearchDepth(int32_t baseDepth, int discTotal);

// The search-depth rise of a computer turn that goes to a search, at `discTotal` discs.
int32_t SearchDepthRise(int discTotal);

}  // namespace kurobi
