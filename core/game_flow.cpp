#include "core/game_flow.h"

#include <cstring>

#include "core/busy_scope.h"
#include "core/rules.h"
#include "engine/position_setup.h"
#include "engine/square_weights.h"

namespace kurobi {

GameFlow::GameFlow(GameState& s, GameView& view, TickSource& ticks)
    : s_(s), view_(view), ticks_(ticks) {}

void GameFlow::NewGame() {
    ResetPosition(s_);
    view_.ClearBoardForNewGame();
    s_.CellSize = kNewGameCellSize;
    SetUndo(false);
    snapshotOfThisGame_ = false;
    view_.SetOrderChoice(0);
    view_.ShowCounts(s_.PlayerDiscs, s_.CpuDiscs);
}

void GameFlow::Btn_StartClick() {
    if (busy_) return;
    const BusyScope busy(busy_);
    if (s_.WaitingToStart == 1) {
        const bool playerSecond = view_.OrderChoice() == 1;
        s_.PlayerColor = playerSecond ? kWhite : kBlack;
        s_.CpuColor = -s_.PlayerColor;
        s_.Turn = playerSecond ? kComputerTurn : kPlayerTurn;
        MarkGameRunning();
        if (s_.Turn == kComputerTurn && !ComputerTurn()) return;
    } else {
        s_.WaitingToStart = 1;
        view_.SetOrderChoiceEnabled(true);
        view_.SetStartCaption("開始");
        NewGame();
    }
    view_.SetForecastText("");
}

void GameFlow::PB_BanMouseDown(MouseButton button, int px, int py) {
    if (busy_ || s_.Turn != kPlayerTurn || s_.WaitingToStart != 0) return;
    if (button == MouseButton::Right) {
        FindLegalMoves(s_);
        view_.DrawMoveRings();
        return;
    }
    if (button != MouseButton::Left) return;

    const BusyScope busy(busy_);
    s_.ClickX = px / s_.CellSize + 1;
    s_.ClickY = py / s_.CellSize + 1;
    // Beyond the eighth square lies the border: empty, never legal, so refused with a sound.
    const bool onBoard = IsOnBoard(s_.ClickX, s_.ClickY);
    const int cell = Cell(s_.ClickX, s_.ClickY);
    if (onBoard && s_.GameBoard()[cell] != kEmpty) return;
    s_.Ply = 1;
    FindLegalMoves(s_);
    if (!onBoard || !s_.PlayerMoveFlags[1][cell]) {
        view_.PlayWave(Sound::Bu);
        return;
    }
    for (int x = 1; x <= 8; ++x)
        std::memcpy(s_.UndoBoard() + Cell(x, 1), s_.GameBoard() + Cell(x, 1), 8 * sizeof(int32_t));
    snapshotOfThisGame_ = true;
    // A take-back in the middle of this move must not be offered; the end of the computer's
    // reply enables it again.
    SetUndo(false);
    view_.PlayWave(Sound::Put);
    PlayerMove();
}

// Reached only through an accepted click, so the player's turn in a running game is given.
bool GameFlow::PlayerMove() {
    ApplyCornerRaise(s_, s_.ClickX, s_.ClickY);
    if (!PlaceAndTurn(s_.ClickX, s_.ClickY, Mover::Player)) return false;
    view_.DrawDiscs();
    s_.Turn = kComputerTurn;
    return ComputerTurn();
}

bool GameFlow::PlaceAndTurn(int x, int y, Mover mover) {
    const bool player = mover == Mover::Player;
    const int32_t colour = player ? s_.PlayerColor : s_.CpuColor;
    int32_t& moverDiscs = player ? s_.PlayerDiscs : s_.CpuDiscs;
    int32_t& otherDiscs = player ? s_.CpuDiscs : s_.PlayerDiscs;

    s_.GameBoard()[Cell(x, y)] = colour;
    RemoveEmptySquare(s_, x, y);
    ++moverDiscs;
    s_.Ply = 1;
    view_.DrawDiscs();
    if (!Pause(s_.FlipDelay)) return false;

    // Once the window is closing the remaining turns are still made, so the position stays
    // whole, but no longer shown.
    bool open = true;
    TurnFlankedDiscs(s_.GameBoard(), x, y, colour, [&](int) {
        ++moverDiscs;
        --otherDiscs;
        if (!open) return;
        // The player's turns sound before the redraw, the computer's after it.
        if (player) view_.PlayWave(Sound::Turn);
        view_.DrawDiscs();
        if (!player) view_.PlayWave(Sound::Turn);
        open = Pause(s_.FlipDelay);
    });
    return open;
}

void GameFlow::MarkGameRunning() {
    s_.WaitingToStart = 0;
    view_.SetOrderChoiceEnabled(false);
    view_.SetStartCaption("やり直す");
}

void GameFlow::SetUndo(bool enabled) {
    undoEnabled_ = enabled;
    view_.SetUndoEnabled(enabled);
}

bool GameFlow::Pause(int ms) {
    view_.Pause(ms);
    return !view_.Closing();
}

bool GameFlow::Message(std::string_view text) {
    view_.ShowMessage(text);
    return !view_.Closing();
}

}  // namespace kurobi
