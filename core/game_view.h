#pragma once
// Everything the game flow needs from the screen, and nothing more. The main window implements
// it with Qt; tests implement it with a recording fake, so whole games run without a window.
// Texts are UTF-8.

#include <atomic>
#include <functional>
#include <string_view>

namespace kurobi {

enum class Sound { Put, Turn, Kado, Bu };

// The square size of the new-game drawing, until the next full repaint fixes it from the window.
inline constexpr int kNewGameCellSize = 45;

class GameView {
  public:
    virtual ~GameView() = default;

    // Label1 (status: thinking / waiting) and Label2 (the computer's endgame forecast).
    virtual void SetStatusText(std::string_view text) = 0;
    virtual void SetForecastText(std::string_view text) = 0;
    // Lbl_PlayerPoint and Lbl_FoePoint, as plain decimal numbers.
    virtual void ShowCounts(int playerDiscs, int cpuDiscs) = 0;

    // Paints every disc of the board of ply Ply (the game position) and shows both counts.
    virtual void DrawDiscs() = 0;
    // Full repaint: background, grid, star points, discs; fixes CellSize from the window size.
    virtual void DrawBoard() = 0;
    // The new-game drawing: the surface cleared to the board colour, its squares
    // kNewGameCellSize pixels (the flow sets CellSize so too); the next paint redraws it.
    virtual void ClearBoardForNewGame() = 0;
    // A ring on every square where the player may move at ply 1.
    virtual void DrawMoveRings() = 0;

    virtual void PlayWave(Sound sound) = 0;
    // Waits until more than `ms` milliseconds have passed, keeping the window responsive.
    virtual void Pause(int ms) = 0;
    // Handles pending window events once.
    virtual void ProcessEvents() = 0;
    // Toggles the window's attention highlight; six toggles leave it as it was.
    virtual void FlashWindow() = 0;
    // A modal message with one OK button; returns when the user has closed it.
    virtual void ShowMessage(std::string_view text) = 0;
    virtual void AppendMemo(std::string_view line) = 0;

    virtual void SetUndoEnabled(bool enabled) = 0;
    // RG_Tejun: enabled state and selected item (0 "先手(黒)", 1 "後手(白)").
    virtual void SetOrderChoiceEnabled(bool enabled) = 0;
    virtual void SetOrderChoice(int item) = 0;
    virtual int OrderChoice() const = 0;
    virtual void SetStartCaption(std::string_view text) = 0;

    // Runs the computer's search. The window may run it on another thread and keep handling
    // events meanwhile, as long as nothing it does then writes the game state or reads more of
    // it than the game position (board 2) and the display fields. Returns once the search has
    // ended.
    virtual void Think(const std::function<void()>& search) { search(); }

    // True once the window is closing: the flow stops at its next step and leaves the view alone.
    virtual bool Closing() const { return false; }
    // Set, from any thread, when the window starts closing, so that a running search ends early
    // instead of keeping the closing window waiting; null where a search is never cut short.
    virtual const std::atomic<bool>* StopRequest() const { return nullptr; }
};

}  // namespace kurobi
