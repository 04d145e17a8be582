#pragma once
// What the computer's turn writes about its search: the forecast of an endgame read, for the memo
// and for the forecast label, and the diagnostic lines of the memo.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "engine/computer_move.h"

namespace kurobi {

struct Forecast {
    std::string_view memo;
    std::string_view label;
};

// By the sign of the read's value: below 0 the computer loses, 0 a draw, above 0 it wins.
Forecast ForecastFor(int32_t value);

// Seconds with at most three decimals and no trailing zeros ("1.5", "0.032", "2"); "0" when no
// time has passed.
std::string ThinkSeconds(int64_t elapsedMs);

// Nodes per second, truncated; empty when no time has passed.
std::string NodesPerSecond(int32_t nodes, int64_t elapsedMs);

// The memo lines after a search, in order: nodes, think time, nodes per second, value, an empty
// line, the chosen column and row.
std::vector<std::string> DiagnosticLines(const ComputerChoice& choice);

}  // namespace kurobi
