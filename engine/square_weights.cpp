#include "engine/square_weights.h"

#include <cstring>

#include "core/rules.h"

namespace kurobi {

const int32_t kInitialWeights[8][8] = {
    {500, -25, 45, 35, 35, 45, -25, 500},
    {-25, -250, 0, -5, -5, 0, -250, -25},
    {45, 0, 15, 0, 0, 15, 0, 45},
    {35, -5, 0, 10, 10, 0, -5, 35},
    {35, -5, 0, 10, 10, 0, -5, 35},
    {45, 0, 15, 0, 0, 15, 0, 45},
    {-25, -250, 0, -5, -5, 0, -250, -25},
    {500, -25, 45, 35, 35, 45, -25, 500},
};

void ResetSquareWeights(GameState& s) {
    int32_t* weights = s.SquareWeights();
    std::memset(weights, 0, sizeof(Board));
    for (int x = 1; x <= 8; ++x)
        for (int y = 1; y <= 8; ++y) weights[Cell(x, y)] = kInitialWeights[x - 1][y - 1];
}

void ApplyCornerRaise(GameState& s, int x, int y) {
    if (!IsCorner(x, y)) return;
    static constexpr int32_t kEdgeRaise[6] = {0, 100, 60, 50, 40, 30};  // by distance 1..5
    int32_t* weights = s.SquareWeights();
    const int sx = x == 1 ? 1 : -1;
    const int sy = y == 1 ? 1 : -1;
    for (int d = 1; d <= 5; ++d) {
        weights[Cell(x, y + d * sy)] += kEdgeRaise[d];
        weights[Cell(x + d * sx, y)] += kEdgeRaise[d];
    }
    weights[Cell(x + sx, y + sy)] += 150;
}

}  // namespace kurobi
