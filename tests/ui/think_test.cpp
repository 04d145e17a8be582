// The computer thinks on a thread of its own: the window goes on handling events meanwhile, and
// the input that would change the game or its settings does nothing until the search is over.

#include <QFile>
#include <QPlainTextEdit>
#include <algorithm>
#include <iterator>
#include <memory>
#include <string>

#include "engine/computer_move.h"
#include "tests/ui/game_fixture.h"

namespace kurobi::testing {
namespace {

class ThinkTest : public GameTest {
  protected:
    void SetUp() override {
        GameTest::SetUp();
        Trigger("K17");
        Trigger("K14");  // level 9
        ComputerOpensOn(kLongThink);
        std::copy(std::begin(State().Boards[2]), std::end(State().Boards[2]), std::begin(start));
        startDiscs = State().PlayerDiscs + State().CpuDiscs;
    }

    // The names of the checked items among `names`, separated by spaces.
    std::string Checked(std::initializer_list<const char*> names) {
        std::string checked;
        for (const char* name : names) {
            if (!Item(name)->isChecked()) continue;
            if (!checked.empty()) checked += ' ';
            checked += name;
        }
        return checked;
    }
    std::string CheckedLevels() {
        return Checked({"K6", "K7", "K8", "K9", "K10", "K11", "K12", "K13", "K14", "K15", "K25"});
    }
    std::string CheckedSpeeds() { return Checked({"K17", "K18", "K19"}); }

    QString Memo() { return Find<QPlainTextEdit>("Memo1")->toPlainText(); }

    kurobi::Board start{};
    int startDiscs = 0;
};

TEST_F(ThinkTest, TheWindowHandlesEventsAndPaintsTheGamePositionMeanwhile) {
    EventCounter paints(Board(), QEvent::Paint);
    bool handledInThink = false;
    int paintsInThink = 0;
    form.inThink = [&] {
        handledInThink = form.insideThink;
        EXPECT_EQ(Text("Label1"), kThinking);
        Board()->repaint();
        paintsInThink = paints.count;
        // Only board 2 is read, which the search leaves alone.
        ExpectBoardShown(start);
    };
    Press("Btn_Start");
    EXPECT_TRUE(handledInThink);
    EXPECT_GT(paintsInThink, 0);
    EXPECT_EQ(State().PlayerDiscs + State().CpuDiscs, startDiscs + 1);
    EXPECT_EQ(Text("Label1"), kWaiting);
}

TEST_F(ThinkTest, InputDuringTheThinkChangesNothing) {
    // A settings file with another speed, for the hidden button that reads it again.
    {
        QFile file(QStringLiteral("Kurobi.ini"));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write("[Kurobi]\r\nBoardColor = 0000FF\r\nTurnSpeed = 300\r\n\r\nLevel = 3\r\n");
    }
    const QString memo = Memo();
    bool pressed = false;
    form.inThink = [&] {
        pressed = form.insideThink;
        for (int x = 1; x <= 8; ++x)
            for (int y = 1; y <= 8; ++y)
                if (start[Cell(x, y)] == kEmpty) ClickSquare(x, y);
        ClickSquare(1, 1, Qt::RightButton);
        Press("Btn_Start");
        Trigger("Undo1");
        Trigger("K6");
        Trigger("K19");
        Trigger("K26");
        for (const char* hidden : {"Button1", "Button2", "Button3", "Button5"}) Press(hidden);
        // The marks that the presses toggled are back where they were.
        EXPECT_EQ(CheckedLevels(), "K14");
        EXPECT_EQ(CheckedSpeeds(), "K17");
        EXPECT_EQ(Find<QPushButton>("Btn_Start")->text(), QString("やり直す"));
        EXPECT_EQ(Memo(), memo);
    };
    Press("Btn_Start");
    ASSERT_TRUE(pressed);

    const GameState& s = State();
    EXPECT_EQ(s.BaseDepth, 9);
    EXPECT_EQ(s.FlipDelay, 10);
    EXPECT_EQ(s.BoardColor, 0x808000u);
    EXPECT_EQ(answerer.otherDialogs, 0);   // no colour chooser
    EXPECT_TRUE(form.isVisible());         // not hidden away to the tray
    EXPECT_TRUE(Memo().startsWith(memo));  // the memo was not cleared, only written on
    // Exactly the computer's one move was played, and it is the player's turn.
    EXPECT_EQ(s.PlayerDiscs + s.CpuDiscs, startDiscs + 1);
    EXPECT_EQ(s.Turn, kPlayerTurn);
    EXPECT_EQ(s.PlayerColor, kWhite);
    ExpectConsistent(s);
    ExpectCountsShown();
}

TEST_F(ThinkTest, TheMoveIsTheOneTheSearchChoosesWithoutTheWindow) {
    const auto alone = std::make_unique<GameState>(State());
    alone->Turn = kComputerTurn;
    alone->WaitingToStart = 0;
    const ComputerChoice choice = ChooseComputerMove(*alone);
    ASSERT_EQ(choice.kind, SearchKind::Midgame);

    Press("Btn_Start");
    EXPECT_EQ(State().GameBoard()[Cell(choice.x, choice.y)], kBlack);
    EXPECT_EQ(start[Cell(choice.x, choice.y)], kEmpty);
    const QStringList lines = Memo().split('\n');
    ASSERT_GE(lines.size(), 7);
    EXPECT_EQ(lines[lines.size() - 7], QString::number(choice.nodes));
    EXPECT_EQ(lines[lines.size() - 4], QString("得点＝%1").arg(choice.value));
    EXPECT_EQ(lines[lines.size() - 2], QString::number(choice.x));
    EXPECT_EQ(lines[lines.size() - 1], QString::number(choice.y));
}

}  // namespace
}  // namespace kurobi::testing
