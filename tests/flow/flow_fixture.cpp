#include "flow_fixture.h"

#include "engine/levels.h"

namespace kurobi {

void SetUpGame(GameState& s, std::string_view squares, int32_t playerColor, int level) {
    InitGameState(s);
    ApplyLevel(s, level);
    s.FlipDelay = 80;
    PlacePosition(s, squares, playerColor);
    s.CellSize = 45;
}

FlowHarness::FlowHarness() {
    InitGameState(s);
}

void FlowHarness::StartProgram(int level) {
    ApplyLevel(s, level);
    s.FlipDelay = 80;
    flow.NewGame();
    s.WaitingToStart = 1;
}

void FlowHarness::PlayerToMove(std::string_view squares, int32_t playerColor, int level) {
    SetUpGame(s, squares, playerColor, level);
}

void FlowHarness::ComputerOpensOn(std::string_view squares, int level) {
    SetUpGame(s, squares, kWhite, level);
    s.WaitingToStart = 1;
    view.order = 1;
}

void FlowHarness::Click(int x, int y) {
    flow.PB_BanMouseDown(MouseButton::Left, (x - 1) * 45 + 22, (y - 1) * 45 + 22);
}

void FlowHarness::PlayToEnd() {
    for (int moves = 0; s.Turn == kPlayerTurn && !view.Closing() && moves < 64; ++moves) {
        const Square sq = FirstLegalSquare();
        Click(sq.x, sq.y);
        ExpectConsistent(s, listCheck);
    }
}

}  // namespace kurobi
