// The hidden test button: the fixed late position, its exact read, and the game after it.

#include <sstream>
#include <string>
#include <vector>

#include "flow_fixture.h"
#include "tools/analysis.h"

namespace kurobi {
namespace {

using Events = std::vector<std::string>;

// The test position with the computer black to move, at a level whose endgame reads start early
// enough for the exact read at 51 discs, as the test button arranges.
constexpr const char* kTestPositionLine =
    "-XXXOXXX"
    "-XXXXXXO"
    "-XOXXXXO"
    "OXXXXOXO"
    "XOXXXOO-"
    "XOXXX-O-"
    "XXXXX---"
    "XXXX----"
    " X 7";

class TestPositionTest : public FlowTest {
  protected:
    void SetUp() override {
        StartProgram(3);
        listCheck = ListCheck::KeepsOccupied;
        mark = Mark();
        flow.Button5Click();
    }

    size_t mark = 0;
};

TEST_F(TestPositionTest, SetsUpThePositionAndReadsItExactly) {
    std::string result, error;
    ASSERT_TRUE(AnalyzeLine(kTestPositionLine, result, error)) << error;
    std::istringstream in(result);
    std::string move, kind;
    int32_t value = 0, nodes = 0;
    in >> move >> value >> nodes >> kind;
    ASSERT_EQ(kind, "exact");
    ASSERT_GT(value, 0) << "the computer wins the test position";

    const Events events = view.Since(mark);
    const std::string x = std::to_string(move[0] - 'a' + 1);
    const std::string y(1, move[1]);
    const Events expected = {"clear",
                             "undo off",
                             "order 0",
                             "counts 2 2",  // the new game
                             "order 0",
                             "counts 12 39",
                             "order disabled",
                             "caption やり直す",
                             "pause 80",
                             "discs 12 39",
                             "pause 80",
                             "status 考え中、、",
                             "undo off",
                             "events",
                             "memo last spart",
                             "think",
                             "memo 勝ちました。",
                             "forecast 勝ちました。",
                             "memo " + std::to_string(nodes),
                             "memo 思考時間＝1.5",
                             "memo 秒間＝" + std::to_string(int64_t{nodes} * 1000 / 1500),
                             "memo 得点＝" + std::to_string(value),
                             "memo ",
                             "memo " + x,
                             "memo " + y};
    ASSERT_GE(events.size(), expected.size());
    EXPECT_EQ((Events{events.begin(), events.begin() + static_cast<long>(expected.size())}),
              expected);
    EXPECT_EQ(s.GameBoard()[Cell(std::stoi(x), std::stoi(y))], kBlack);
    // The turn ends waiting; there is no move of the player in this game to take back.
    EXPECT_EQ((Events{events.end() - 2, events.end()}), (Events{"status 待機中", "undo off"}));
}

TEST_F(TestPositionTest, KeepsTheListTheLevelsSearchDepthAndTheMenus) {
    EXPECT_EQ(s.PlayerColor, kWhite);
    EXPECT_EQ(s.CpuColor, kBlack);
    EXPECT_EQ(s.BaseDepth, 6);
    EXPECT_EQ(s.SearchDepth, 3) << "the level's depth, set by the new game";
    EXPECT_EQ(s.EndgameStart, 50);
    EXPECT_EQ(s.WaitingToStart, 0u);
    EXPECT_EQ(s.EmptyCount, 59) << "all 60 entries, less the computer's square";
    EXPECT_EQ(view.order, 0);
    EXPECT_FALSE(view.orderEnabled);
    EXPECT_EQ(s.PlayerDiscs + s.CpuDiscs, 52);
    ExpectConsistent(s, ListCheck::KeepsOccupied);
}

TEST_F(TestPositionTest, TheGameGoesOnToItsEnd) {
    ASSERT_EQ(s.Turn, kPlayerTurn);
    PlayToEnd();
    ASSERT_EQ(s.Turn, kGameOver);
    const int lead = s.PlayerDiscs - s.CpuDiscs;
    EXPECT_EQ(view.Lines("message ").back(), lead > 0    ? "あなたの勝ちです。"
                                             : lead == 0 ? "引き分けです。"
                                                         : "私の勝ちです。");
    // Every later turn of the computer reads exactly too.
    EXPECT_EQ(view.Lines("memo last spart2").size(), 0u);
    EXPECT_EQ(view.Lines("memo last spart").size(), view.Lines("memo 得点＝").size());
}

TEST_F(TestPositionTest, TakeBackAfterItRebuildsAnExactList) {
    const Square first = FirstLegalSquare();
    Click(first.x, first.y);
    ASSERT_TRUE(view.UndoEnabled());
    flow.Undo1Click();
    ExpectConsistent(s, ListCheck::Exact);
    EXPECT_EQ(s.PlayerDiscs + s.CpuDiscs, 52);
    EXPECT_EQ(s.SearchDepth, 6 + 3) << "rebuilt from the base depth the test position set";
    EXPECT_EQ(s.Turn, kPlayerTurn);
}

}  // namespace
}  // namespace kurobi
