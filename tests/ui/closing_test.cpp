// Closing the window in the middle of a move: during the player's animation, the computer's
// animation, inside a message box and while the computer thinks. The window closes at once, the
// handler underneath unwinds without waiting again, and the settings are written once.

#include <QFile>
#include <QTimer>
#include <memory>

#include "tests/ui/game_fixture.h"

namespace kurobi::testing {
namespace {

class ClosingTest : public GameTest {
  protected:
    void SetUp() override {
        GameTest::SetUp();
        QFile::remove(QStringLiteral("Kurobi.ini"));
        Trigger("K17");
        Trigger("K6");
    }

    // Closes the window the first time `when` holds inside a pause, and counts the pauses that
    // follow.
    void CloseInAPauseWhen(std::function<bool()> when) {
        form.inPause = [this, when] {
            if (form.Closing()) {
                ++waitsAfterClosing;
            } else if (when()) {
                form.close();
            }
        };
    }

    void ClickFirstLegalSquare() {
        const Square first = FirstLegalSquare(State());
        ClickSquare(first.x, first.y);
    }

    // Reached once the handler that was running has returned.
    void ExpectClosedOnce() {
        EXPECT_TRUE(form.Closing());
        EXPECT_FALSE(form.isVisible());
        EXPECT_EQ(closes.count, 1);
        EXPECT_TRUE(QFile::exists(QStringLiteral("Kurobi.ini")));
        EXPECT_EQ(waitsAfterClosing, 0);
        EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
        // Discs already being turned are all turned: the position is whole.
        ExpectConsistent(State());
    }

    EventCounter closes{&form, QEvent::Close};
    int waitsAfterClosing = 0;
};

TEST_F(ClosingTest, DuringThePlayersAnimation) {
    CloseInAPauseWhen([this] { return State().Turn == kPlayerTurn; });
    Press("Btn_Start");
    ClickFirstLegalSquare();
    ExpectClosedOnce();
    EXPECT_EQ(State().PlayerDiscs + State().CpuDiscs, 5);
    // The computer's turn never began.
    EXPECT_NE(Text("Label1"), kThinking);
}

TEST_F(ClosingTest, DuringTheComputersAnimation) {
    CloseInAPauseWhen(
        [this] { return State().Turn == kComputerTurn && Text("Label1") == kThinking; });
    Press("Btn_Start");
    ClickFirstLegalSquare();
    ExpectClosedOnce();
    EXPECT_EQ(State().PlayerDiscs + State().CpuDiscs, 6);
    // The turn's wrap-up never came.
    EXPECT_EQ(Text("Label1"), kThinking);
    EXPECT_TRUE(answerer.texts.empty());
}

TEST_F(ClosingTest, InsideAMessageBox) {
    QWidget* openAfterClosing = nullptr;
    answerer.whileOpen = [&](const QString&) {
        form.close();
        openAfterClosing = QApplication::activeModalWidget();
    };
    CloseInAPauseWhen([] { return false; });
    PlayerToMove(kComputerPasses, kBlack);
    ClickFirstLegalSquare();
    ExpectClosedOnce();
    EXPECT_EQ(openAfterClosing, nullptr);  // closing took the box down
    ASSERT_EQ(answerer.texts.size(), 1u);
    EXPECT_EQ(answerer.texts[0], QString("私はパスです"));
    // The pass was not settled: the player's turn never came back.
    EXPECT_EQ(State().Turn, kComputerTurn);
}

TEST_F(ClosingTest, WhileTheComputerThinks) {
    Trigger("K14");  // level 9
    ComputerOpensOn(kLongThink);
    const auto before = std::make_unique<GameState>(State());
    bool closedInThink = false;
    form.inThink = [this, &closedInThink] {
        closedInThink = form.insideThink;
        form.close();
    };
    CloseInAPauseWhen([] { return false; });
    Press("Btn_Start");
    ASSERT_TRUE(closedInThink);
    ExpectClosedOnce();
    // The search was stopped before it finished: it wrote no result, and nothing was played.
    EXPECT_EQ(State().NodeCount, 0);
    EXPECT_EQ(State().PlayerDiscs, before->PlayerDiscs);
    EXPECT_EQ(State().CpuDiscs, before->CpuDiscs);
    EXPECT_EQ(State().Turn, kComputerTurn);
    EXPECT_EQ(Text("Label1"), kThinking);
}

// As in the program: the application's own event loop runs the start button, the window closes
// while the computer thinks, and the loop ends.
TEST_F(ClosingTest, TheApplicationEndsWhenTheWindowClosesDuringAThink) {
    Trigger("K14");
    ComputerOpensOn(kLongThink);
    form.inThink = [this] { form.close(); };
    QTimer::singleShot(0, &form, [this] { Press("Btn_Start"); });
    EXPECT_EQ(QApplication::exec(), 0);
    ExpectClosedOnce();
    EXPECT_EQ(State().NodeCount, 0);
}

}  // namespace
}  // namespace kurobi::testing
