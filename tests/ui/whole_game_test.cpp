// Whole games on the real window: the start button, clicks on the board, message boxes answered
// as they open, to the final message.

#include <ostream>

#include "tests/ui/game_fixture.h"

namespace kurobi::testing {
namespace {

struct Side {
    const char* name;
    int order;          // the RG_Tejun item
    const char* level;  // the level's menu item
    int32_t playerColor;
};

void PrintTo(const Side& side, std::ostream* os) {
    *os << side.name;
}

const Side kSides[] = {
    {"BlackAtLevel1", 0, "K6", kBlack},
    {"WhiteAtLevel2", 1, "K7", kWhite},
};

class WholeGameTest : public GameTest, public ::testing::WithParamInterface<Side> {};

TEST_P(WholeGameTest, PlayedWithTheMouseToTheEnd) {
    const Side& side = GetParam();
    Trigger("K17");
    Trigger(side.level);
    ChooseOrder(side.order);
    Press("Btn_Start");
    EXPECT_EQ(Find<QPushButton>("Btn_Start")->text(), QString("やり直す"));
    EXPECT_FALSE(Find("RG_Tejun")->isEnabled());
    EXPECT_EQ(State().PlayerColor, side.playerColor);
    EXPECT_EQ(State().Turn, kPlayerTurn);
    // Playing second, the player meets the computer's opening move.
    EXPECT_EQ(State().PlayerDiscs + State().CpuDiscs, side.playerColor == kBlack ? 4 : 5);

    PlayToEnd();
    ExpectGameOver();
    ExpectBoardShown(State().GameBoard());

    // Clicks after the end change nothing.
    const size_t messages = answerer.texts.size();
    const Square anyEmpty{State().EmptyX[0], State().EmptyY[0]};
    if (State().EmptyCount > 0) ClickSquare(anyEmpty.x, anyEmpty.y);
    EXPECT_EQ(State().Turn, kGameOver);
    EXPECT_EQ(answerer.texts.size(), messages);
}

TEST_P(WholeGameTest, RestartResetsTheBoardAndTheNextStartPlaysAgain) {
    const Side& side = GetParam();
    Trigger("K17");
    Trigger(side.level);
    ChooseOrder(side.order);
    Press("Btn_Start");
    const Square first = FirstLegalSquare(State());
    ClickSquare(first.x, first.y);
    Press("Btn_Start");  // "やり直す"
    EXPECT_EQ(State().WaitingToStart, 1u);
    EXPECT_EQ(State().PlayerDiscs + State().CpuDiscs, 4);
    EXPECT_EQ(Find<QPushButton>("Btn_Start")->text(), QString("開始"));
    EXPECT_TRUE(Find("RG_Tejun")->isEnabled());
    ExpectCountsShown();
    Settle();  // the board is repainted in full after the new game's drawing
    ExpectBoardShown(State().GameBoard());
    Press("Btn_Start");  // "開始", black again: the new game shows item 0
    EXPECT_EQ(State().PlayerColor, kBlack);
    const Square opening = FirstLegalSquare(State());
    ClickSquare(opening.x, opening.y);
    EXPECT_EQ(State().PlayerDiscs + State().CpuDiscs, 6);  // both sides have moved once
    EXPECT_EQ(State().Turn, kPlayerTurn);
    ExpectConsistent(State());
    ExpectCountsShown();
}

INSTANTIATE_TEST_SUITE_P(Sides, WholeGameTest, ::testing::ValuesIn(kSides),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace kurobi::testing
