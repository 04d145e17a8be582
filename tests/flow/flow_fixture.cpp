#include "flow_fixture.h"

#include "engine/levels.h"
#include "engine/position_setup.h"

namespace kurobi {

void SetUpGame(GameState& s, std::string_view squares, int32_t playerColor, int level) {
    ASSERT_EQ(squares.size(), 64u);
    Board cells{};
    for (int k = 0; k < 64; ++k) {
        const char c = squares[k];
        cells[Cell(k % 8 + 1, k / 8 + 1)] = c == 'X' ? kBlack : c == 'O' ? kWhite : kEmpty;
    }
    InitGameState(s);
    ApplyLevel(s, level);
    s.FlipDelay = 80;
    s.PlayerColor = playerColor;
    s.CpuColor = -playerColor;
    ResetPosition(s);
    RestorePosition(s, cells);
    s.CellSize = 45;
    s.WaitingToStart = 0;
    s.Turn = kPlayerTurn;
    s.Ply = 1;
    FindLegalMoves(s);
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

Square FlowHarness::FirstLegalSquare() const {
    for (const Square& sq : kEmptySquareOrder) {
        if (s.GameBoard()[Cell(sq.x, sq.y)] == kEmpty &&
            FlanksAny(s.GameBoard(), sq.x, sq.y, s.PlayerColor)) {
            return sq;
        }
    }
    ADD_FAILURE() << "the player has no legal square";
    return {0, 0};
}

void FlowHarness::PlayToEnd() {
    for (int moves = 0; s.Turn == kPlayerTurn && !view.Closing() && moves < 64; ++moves) {
        const Square sq = FirstLegalSquare();
        Click(sq.x, sq.y);
        ExpectConsistent(s, listCheck);
    }
}

void ExpectConsistent(const GameState& s, ListCheck list) {
    const int32_t* board = s.GameBoard();
    int player = 0, cpu = 0;
    for (int x = 0; x <= 9; ++x) {
        for (int y = 0; y <= 9; ++y) {
            const int32_t cell = board[Cell(x, y)];
            if (!IsOnBoard(x, y)) {
                EXPECT_EQ(cell, kEmpty) << "border " << x << "," << y;
                continue;
            }
            player += cell == s.PlayerColor;
            cpu += cell == s.CpuColor;
        }
    }
    EXPECT_EQ(s.PlayerDiscs, player);
    EXPECT_EQ(s.CpuDiscs, cpu);

    // Walk the fixed order and the list side by side: the list must be a part of the order, and
    // must hold every empty square (and, exactly kept, nothing else).
    int i = 0;
    for (const Square& sq : kEmptySquareOrder) {
        const bool listed = i < s.EmptyCount && s.EmptyX[i] == sq.x && s.EmptyY[i] == sq.y;
        const bool empty = board[Cell(sq.x, sq.y)] == kEmpty;
        if (empty || list == ListCheck::Exact) {
            EXPECT_EQ(listed, empty) << "square " << sq.x << "," << sq.y;
        }
        i += listed;
    }
    EXPECT_EQ(i, s.EmptyCount) << "the list leaves the fixed order";
}

}  // namespace kurobi
