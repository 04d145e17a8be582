#include "tools/analysis.h"

#include <charconv>
#include <cstring>

#include "engine/computer_move.h"
#include "engine/levels.h"
#include "engine/position_setup.h"

namespace kurobi {
namespace {

std::string_view NextField(std::string_view& rest) {
    const size_t begin = rest.find_first_not_of(" \t\r\n");
    if (begin == std::string_view::npos) {
        rest = {};
        return {};
    }
    rest.remove_prefix(begin);
    const size_t end = rest.find_first_of(" \t\r\n");
    const std::string_view field = rest.substr(0, end);
    rest.remove_prefix(end == std::string_view::npos ? rest.size() : end);
    return field;
}

bool ParseInt(std::string_view text, int& value) {
    if (text.empty()) return false;
    const auto [ptr, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    return ec == std::errc() && ptr == text.data() + text.size();
}

}  // namespace

bool ParsePositionLine(std::string_view line, PositionLine& out, std::string& error) {
    std::string_view rest = line;
    const std::string_view squares = NextField(rest);
    const std::string_view side = NextField(rest);
    const std::string_view level = NextField(rest);
    const std::string_view depth = NextField(rest);
    if (squares.size() != 64) {
        error = "the position must have 64 squares";
        return false;
    }
    std::memset(out.cells, 0, sizeof out.cells);
    for (int k = 0; k < 64; ++k) {
        int32_t code;
        switch (squares[k]) {
            case 'X': code = kBlack; break;
            case 'O': code = kWhite; break;
            case '-': code = kEmpty; break;
            default: error = "a square must be X, O or -"; return false;
        }
        out.cells[Cell(k % 8 + 1, k / 8 + 1)] = code;
    }
    for (const int x : {4, 5})
        for (const int y : {4, 5})
            if (out.cells[Cell(x, y)] == kEmpty) {
                error = "the four centre squares must be occupied";
                return false;
            }
    if (side != "X" && side != "O") {
        error = "the side must be X or O";
        return false;
    }
    out.cpuColor = side == "X" ? kBlack : kWhite;
    if (!ParseInt(level, out.level) || out.level < 1 || out.level > kLevelCount) {
        error = "the level must be 1 to 11";
        return false;
    }
    out.searchDepth = 0;
    if (!depth.empty() && (!ParseInt(depth, out.searchDepth) || out.searchDepth < 2 ||
                           out.searchDepth > kLevels.back().depth + 6)) {
        error = "the search depth must be 2 to 17";
        return false;
    }
    if (!NextField(rest).empty()) {
        error = "too many fields";
        return false;
    }
    return true;
}

void SetUpPosition(GameState& s, const PositionLine& line) {
    InitGameState(s);
    ApplyLevel(s, line.level);
    s.CpuColor = line.cpuColor;
    s.PlayerColor = -line.cpuColor;
    s.WaitingToStart = 0;
    s.Turn = kComputerTurn;
    ResetPosition(s);
    RestorePosition(s, line.cells);
    if (line.searchDepth != 0) s.SearchDepth = line.searchDepth;
}

std::string SquareName(int x, int y) {
    return {static_cast<char>('a' + x - 1), static_cast<char>('0' + y)};
}

bool AnalyzeLine(std::string_view line, std::string& result, std::string& error,
                 const ThinkOptions& options) {
    PositionLine position;
    if (!ParsePositionLine(line, position, error)) return false;
    GameState s;
    SetUpPosition(s, position);
    const ComputerChoice choice = ChooseComputerMove(s, options);
    result = choice.kind == SearchKind::Pass ? std::string("pass") : SquareName(choice.x, choice.y);
    result += ' ' + std::to_string(choice.value) + ' ' + std::to_string(choice.nodes) + ' ' +
              SearchKindName(choice.kind) + ' ' + std::to_string(s.SearchDepth);
    return true;
}

}  // namespace kurobi
