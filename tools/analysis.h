#pragma once
// The analysis tool's line format: a position with the computer to move, and the computer's
// choice for it.
//
//   input:  <64 squares, rows from the top, 'X' black, 'O' white, '-' empty> <X|O> <level 1..11>
//           [<search depth>]
//   output: <move|pass> <value> <nodes> <search kind> <search depth after the turn>

#include <string>
#include <string_view>

#include "core/game_state.h"
#include "engine/computer_move.h"

namespace kurobi {

struct PositionLine {
    int32_t cells[kCells];  // board cells, border 0
    int32_t cpuColor;
    int level;
    int searchDepth;  // 0 when the line gives none
};

// Parses one input line. On failure returns false and sets `error` to the reason.
bool ParsePositionLine(std::string_view line, PositionLine& out, std::string& error);

// Sets up the game state for the line's position as a take-back would rebuild it.
void SetUpPosition(GameState& s, const PositionLine& line);

// Runs the computer's choice on one input line and formats the result line.
bool AnalyzeLine(std::string_view line, std::string& result, std::string& error,
                 const ThinkOptions& options = {});

// Square name "c4" for (3, 4).
std::string SquareName(int x, int y);

}  // namespace kurobi
