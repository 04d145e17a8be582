// Input that reaches the window while a move is played out: during the player's animation, the
// computer's animation and inside a pass message. The position stays whole and the game plays on
// to its end.

#include <algorithm>
#include <iterator>
#include <memory>

#include "tests/ui/game_fixture.h"

namespace kurobi::testing {
namespace {

class InputDuringMoveTest : public GameTest {
  protected:
    void SetUp() override {
        GameTest::SetUp();
        Trigger("K17");
        Trigger("K6");
    }

    // Everything a user can press while a move is played out, each once. The position stays as
    // it was; the level and speed items take effect, for the moves to come.
    void PressEverything() {
        if (pressing_) return;  // a press that wrongly started a move would wait here again
        pressing_ = true;
        ++rounds;
        const GameState& s = State();
        const auto before = std::make_unique<GameState>(s);
        const QString caption = Find<QPushButton>("Btn_Start")->text();

        for (int x = 1; x <= 8; ++x)
            for (int y = 1; y <= 8; ++y)
                if (s.GameBoard()[Cell(x, y)] == kEmpty) ClickSquare(x, y);
        ClickSquare(1, 1, Qt::RightButton);
        Press("Btn_Start");
        Trigger("Undo1");
        form.Undo1Click();
        Trigger("K7");
        EXPECT_EQ(s.BaseDepth, 2);
        Trigger("K6");
        EXPECT_EQ(s.BaseDepth, 1);
        Trigger("K19");
        EXPECT_EQ(s.FlipDelay, 300);
        Trigger("K17");
        EXPECT_EQ(s.FlipDelay, 10);

        EXPECT_TRUE(std::equal(std::begin(before->Boards[2]), std::end(before->Boards[2]),
                               std::begin(s.Boards[2])));
        EXPECT_TRUE(std::equal(std::begin(before->Boards[kUndoBoard]),
                               std::end(before->Boards[kUndoBoard]),
                               std::begin(s.Boards[kUndoBoard])));
        EXPECT_EQ(s.Turn, before->Turn);
        EXPECT_EQ(s.WaitingToStart, before->WaitingToStart);
        EXPECT_EQ(Find<QPushButton>("Btn_Start")->text(), caption);
        ExpectConsistent(s);
        ExpectCountsShown();
        pressing_ = false;
    }

    // Starts a game as black and plays it to its end.
    void PlayWholeGame() {
        Press("Btn_Start");
        PlayToEnd();
        ExpectGameOver();
    }

    int rounds = 0;

  private:
    bool pressing_ = false;
};

TEST_F(InputDuringMoveTest, DuringThePlayersAnimation) {
    form.inPause = [&] {
        if (State().Turn == kPlayerTurn) PressEverything();
    };
    PlayWholeGame();
    EXPECT_GT(rounds, 20);
}

TEST_F(InputDuringMoveTest, DuringTheComputersAnimation) {
    form.inPause = [&] {
        if (State().Turn == kComputerTurn && Text("Label1") == kThinking) PressEverything();
    };
    PlayWholeGame();
    EXPECT_GT(rounds, 20);
}

TEST_F(InputDuringMoveTest, InsideTheComputersPassMessage) {
    answerer.whileOpen = [&](const QString& text) {
        if (text == "私はパスです") PressEverything();
    };
    PlayerToMove(kComputerPasses, kBlack);
    PlayToEnd();
    EXPECT_EQ(answerer.texts.front(), QString("私はパスです"));
    EXPECT_GT(rounds, 0);
    ExpectGameOver();
}

TEST_F(InputDuringMoveTest, InsideThePlayersPassMessages) {
    answerer.whileOpen = [&](const QString& text) {
        if (text == "あなたはパスです") PressEverything();
    };
    PlayerToMove(kPlayerPassesTwice, kBlack);
    PlayToEnd();
    EXPECT_EQ(answerer.texts.front(), QString("あなたはパスです"));
    EXPECT_GT(rounds, 1);
    ExpectGameOver();
}

}  // namespace
}  // namespace kurobi::testing
