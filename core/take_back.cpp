// The take-back: the position before the player's last accepted move, with the player to move.
// Only the board is kept; the list, the counts, the weights and the search depth are rebuilt.

#include "core/game_flow.h"
#include "core/rules.h"
#include "engine/position_setup.h"

namespace kurobi {

void GameFlow::Undo1Click() {
    if (busy_ || !undoEnabled_) return;
    TakeBack();
}

void GameFlow::TakeBack() {
    NewGame();
    RestorePosition(s_, s_.UndoBoard());
    view_.SetForecastText("");
    view_.ShowCounts(s_.PlayerDiscs, s_.CpuDiscs);
    SetUndo(false);
    s_.Turn = kPlayerTurn;
    view_.DrawBoard();
    s_.Ply = 1;
    FindLegalMoves(s_);
}

}  // namespace kurobi
