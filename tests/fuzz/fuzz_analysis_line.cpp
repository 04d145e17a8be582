// Whatever a line holds, the analysis tool's parser either rejects it with a reason or sets up a
// consistent position; at the cheap levels the computer's choice then runs on it too.

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "core/rules.h"
#include "engine/computer_move.h"
#include "tools/analysis.h"

namespace {

// Counts match the board and the list holds exactly the empty squares, in the fixed order.
bool Consistent(const kurobi::GameState& s) {
    using namespace kurobi;
    int player = 0, cpu = 0, listed = 0;
    for (int x = 1; x <= 8; ++x)
        for (int y = 1; y <= 8; ++y) {
            player += s.GameBoard()[Cell(x, y)] == s.PlayerColor;
            cpu += s.GameBoard()[Cell(x, y)] == s.CpuColor;
        }
    for (const Square& sq : kEmptySquareOrder) {
        if (s.GameBoard()[Cell(sq.x, sq.y)] != kEmpty) continue;
        if (listed >= s.EmptyCount || s.EmptyX[listed] != sq.x || s.EmptyY[listed] != sq.y)
            return false;
        ++listed;
    }
    return player == s.PlayerDiscs && cpu == s.CpuDiscs && listed == s.EmptyCount &&
           player + cpu + listed == 64;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view line(reinterpret_cast<const char*>(data), size);
    kurobi::PositionLine parsed;
    std::string error;
    if (!kurobi::ParsePositionLine(line, parsed, error)) {
        if (error.empty()) std::abort();
        return 0;
    }
    static kurobi::GameState s;
    kurobi::SetUpPosition(s, parsed);
    if (!Consistent(s)) std::abort();
    if (parsed.level <= 3 && parsed.searchDepth <= 4) {
        const kurobi::ComputerChoice choice = kurobi::ChooseComputerMove(s);
        if (choice.kind != kurobi::SearchKind::Pass &&
            (!kurobi::IsOnBoard(choice.x, choice.y) ||
             s.GameBoard()[kurobi::Cell(choice.x, choice.y)] != kurobi::kEmpty))
            std::abort();
    }
    return 0;
}
