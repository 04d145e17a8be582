#pragma once
// A GameView that records every call as one line of text, closes message boxes at once and never
// waits; a clock that moves on by a fixed step each time it is read.

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "core/game_state.h"
#include "core/game_view.h"
#include "engine/computer_move.h"

namespace kurobi {

class RecordingView final : public GameView {
  public:
    explicit RecordingView(const GameState& s) : s_(s) {}

    void SetStatusText(std::string_view text) override { Record("status ", text); }
    void SetForecastText(std::string_view text) override { Record("forecast ", text); }
    void ShowCounts(int playerDiscs, int cpuDiscs) override;
    // Recorded with the counts of the game position at the time of the call.
    void DrawDiscs() override;
    void DrawBoard() override { Record("board"); }
    void ClearBoardForNewGame() override { Record("clear"); }
    void DrawMoveRings() override { Record("rings"); }
    void PlayWave(Sound sound) override;
    void Pause(int ms) override;
    void ProcessEvents() override;
    void FlashWindow() override;
    void ShowMessage(std::string_view text) override;
    void AppendMemo(std::string_view line) override { Record("memo ", line); }
    void SetUndoEnabled(bool enabled) override {
        undoOn_ = enabled;
        Record(enabled ? "undo on" : "undo off");
    }
    void SetOrderChoiceEnabled(bool enabled) override;
    void SetOrderChoice(int item) override;
    int OrderChoice() const override { return order; }
    void SetStartCaption(std::string_view text) override { Record("caption ", text); }
    void Think(const std::function<void()>& search) override;
    bool Closing() const override { return closing_; }
    const std::atomic<bool>* StopRequest() const override { return &stop; }

    // The lines recorded from position `from` on that start with `prefix`, prefix removed.
    std::vector<std::string> Lines(std::string_view prefix, size_t from = 0) const;
    // The recorded lines from position `from` on.
    std::vector<std::string> Since(size_t from) const;
    bool UndoEnabled() const { return undoOn_; }

    std::vector<std::string> events;
    int order = 0;  // the item RG_Tejun shows
    bool orderEnabled = true;
    // Runs inside every Pause, after it is recorded: the place where the window would handle a
    // click that came in during an animation.
    std::function<void()> onPause;
    // Run inside Think just before and just after the search.
    std::function<void()> beforeSearch;
    std::function<void()> afterSearch;
    // The window closes during the n-th call that lets it handle events (Pause, ProcessEvents,
    // Think, FlashWindow, ShowMessage); 0 never.
    int closeOnCall = 0;
    int eventCalls = 0;
    size_t eventsWhenClosed = 0;    // how many calls had been recorded when the window closed
    std::atomic<bool> stop{false};  // what StopRequest hands the searches

  private:
    void Record(std::string_view what, std::string_view text = {});
    void HandleEvents();

    const GameState& s_;
    bool undoOn_ = false;
    bool closing_ = false;
};

// Each reading moves the clock on by `step` milliseconds, so every search seems to take `step`.
class StepTicks final : public TickSource {
  public:
    explicit StepTicks(uint32_t step) : step_(step) {}
    uint32_t NowMs() override { return now_ += step_; }

  private:
    uint32_t step_;
    uint32_t now_ = 0;
};

}  // namespace kurobi
