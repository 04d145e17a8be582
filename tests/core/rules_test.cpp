#include <gtest/gtest.h>

#include "core/rules.h"

namespace kurobi {
namespace {
TEST(Rules, Placeholder) { EXPECT_EQ(kEmptySquareOrder.size(), 60u); }
}  // namespace
}  // namespace kurobi
