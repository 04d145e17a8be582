#pragma once
#include <ostream>

namespace kurobi {

// Runs each search kind over a fixed set of positions and prints nodes per second.
int RunBench(std::ostream& out);

}  // namespace kurobi
