#pragma once
#include <cstdint>

namespace kurobi {

// Leaf positions of the move tree from the initial position to `depth` moves. A pass counts as a
// move while the game is not over; a game that ends earlier counts as one leaf.
uint64_t Perft(int depth);

}  // namespace kurobi
