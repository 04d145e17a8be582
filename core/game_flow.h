#pragma once
// Playing whole games: the start button, the player's clicks and moves, the computer's turns with
// the passes and the end of the game, the take-back and the endgame test position. Every step runs
// to completion inside the window handler that started it; the screen is reached only through
// GameView.

#include <cstdint>
#include <string_view>

#include "core/game_state.h"
#include "core/game_view.h"
#include "engine/computer_move.h"

namespace kurobi {

enum class MouseButton { Left, Right, Other };

class GameFlow {
  public:
    GameFlow(GameState& s, GameView& view, TickSource& ticks = SteadyTicks());

    // The fresh position with counts 2 and 2; run by the window once at start-up and by the
    // handlers below. Leaves WaitingToStart, Turn and the side codes alone.
    void NewGame();

    // The window's handlers. While Busy() they do nothing.
    void Btn_StartClick();
    // (px, py): the pixel on the board surface.
    void PB_BanMouseDown(MouseButton button, int px, int py);
    void Undo1Click();
    void Button5Click();

    // True while a move is being played out: from a legal click, or a start that lets the
    // computer open, to the end of the last computer turn it leads to. Window events are
    // processed meanwhile, so the window may want to ignore further input of its own too.
    bool Busy() const { return busy_; }

  private:
    enum class Mover { Player, Computer };

    // The steps below that let the window process events return false once it is closing; the
    // caller then returns at once and touches the view no more.
    bool PlayerMove();
    bool ComputerTurn();
    bool ThinkAndPlay();
    bool AnnounceComputerMove(int x, int y);
    bool PlaceComputerMove(int x, int y);
    bool PlaceAndTurn(int x, int y, Mover mover);
    void WrapUpComputerTurn();
    bool SettleEndAndPasses();
    void TakeBack();

    void MarkGameRunning();
    void SetUndo(bool enabled);
    bool Pause(int ms);
    bool Message(std::string_view text);

    GameState& s_;
    GameView& view_;
    TickSource& ticks_;
    bool busy_ = false;
    bool undoEnabled_ = false;
    // UndoBoard outlives a new game; only a snapshot taken in this game may be restored.
    bool snapshotOfThisGame_ = false;
};

}  // namespace kurobi
