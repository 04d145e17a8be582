// The endgame test position behind the hidden "test(nopass)" button: a late position with the
// computer black to move and 13 empty squares, played on from an exact read.

#include "core/busy_scope.h"
#include "core/game_flow.h"
#include "core/rules.h"

namespace kurobi {
namespace {

// Rows from the top: 'B' black (the computer), 'W' white (the player), '.' empty.
constexpr char kTestRows[] =
    ".BBBWBBB"
    ".BBBBBBW"
    ".BWBBBBW"
    "WBBBBWBW"
    "BWBBBWW."
    "BWBBB.W."
    "BBBBB..."
    "BBBB....";

void WriteTestPosition(int32_t* board) {
    for (int y = 1; y <= 8; ++y) {
        for (int x = 1; x <= 8; ++x) {
            const char c = kTestRows[(y - 1) * 8 + (x - 1)];
            board[Cell(x, y)] = c == 'B' ? kBlack : c == 'W' ? kWhite : kEmpty;
        }
    }
}

}  // namespace

void GameFlow::Button5Click() {
    if (busy_) return;
    const BusyScope busy(busy_);
    NewGame();
    s_.PlayerColor = kWhite;
    s_.CpuColor = kBlack;
    WriteTestPosition(s_.GameBoard());
    view_.SetOrderChoice(0);
    s_.Ply = 1;
    // The list keeps all 60 entries of the new game; move generation skips the occupied ones.
    s_.PlayerDiscs = 12;
    s_.CpuDiscs = 39;
    s_.EndgameEmpties = 13;
    s_.BaseDepth = 6;
    s_.EmptyCount = 60;
    view_.ShowCounts(s_.PlayerDiscs, s_.CpuDiscs);
    s_.EndgameStart = 50;
    s_.Turn = kComputerTurn;
    MarkGameRunning();
    if (!Pause(s_.FlipDelay)) return;
    view_.DrawDiscs();
    if (!Pause(s_.FlipDelay)) return;
    ComputerTurn();
}

}  // namespace kurobi
