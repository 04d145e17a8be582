#pragma once
// A game state, the recording view, a stepping clock and the flow on them, with the moves of a
// simple player and the checks every position in play must pass.

#include <gtest/gtest.h>

#include <string_view>

#include "core/game_flow.h"
#include "core/rules.h"
#include "game_positions.h"
#include "recording_view.h"

namespace kurobi {

inline constexpr uint32_t kThinkStepMs = 1500;

// A fresh state at `level` with the running game of PlacePosition on `squares`.
void SetUpGame(GameState& s, std::string_view squares, int32_t playerColor, int level);

// The flow on a fresh state, with what the window and a simple player would do to it.
class FlowHarness {
  public:
    FlowHarness();

    // What start-up does: a new game, no game running, the level.
    void StartProgram(int level);
    // A running game on `squares` with the player to move.
    void PlayerToMove(std::string_view squares, int32_t playerColor, int level);
    // `squares` with the computer black and to move: the start button opens on it.
    void ComputerOpensOn(std::string_view squares, int level);

    // A left click in the middle of the square.
    void Click(int x, int y);
    Square FirstLegalSquare() const { return kurobi::FirstLegalSquare(s); }
    // Clicks the first legal square as long as it is the player's turn and the window is open.
    void PlayToEnd();

    size_t Mark() const { return view.events.size(); }

    ListCheck listCheck = ListCheck::Exact;  // what PlayToEnd checks after every move

    GameState s;
    RecordingView view{s};
    StepTicks ticks{kThinkStepMs};
    GameFlow flow{s, view, ticks};
};

class FlowTest : public ::testing::Test, public FlowHarness {};

}  // namespace kurobi
