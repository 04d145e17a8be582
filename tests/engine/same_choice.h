#pragma once
// Two searches of one position agree when they choose the same move by the same search with the
// same value after the same number of nodes.

#include <gtest/gtest.h>

#include <string>

#include "engine/computer_move.h"

namespace kurobi {

inline void ExpectSameChoice(const ComputerChoice& a, const ComputerChoice& b,
                             const std::string& label) {
    EXPECT_EQ(a.kind, b.kind) << label;
    EXPECT_EQ(a.x, b.x) << label;
    EXPECT_EQ(a.y, b.y) << label;
    EXPECT_EQ(a.value, b.value) << label;
    EXPECT_EQ(a.nodes, b.nodes) << label;
}

}  // namespace kurobi
