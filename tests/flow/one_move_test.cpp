// One move of each side as the screen sees it, and the corner effects.

#include <algorithm>
#include <vector>

#include "flow_fixture.h"

namespace kurobi {
namespace {

using Events = std::vector<std::string>;

class OneMoveTest : public FlowTest {};

TEST_F(OneMoveTest, PlayerThenComputerDiscByDisc) {
    StartProgram(1);
    flow.Btn_StartClick();
    const size_t mark = Mark();
    Click(4, 3);
    // The player's turned disc sounds before its redraw, the computer's after it. At level 1
    // white answers on (3,3), the legal square of greatest weight, turning (4,4) back.
    const Events expected = {
        "undo off",  "wave Put",  "discs 3 2", "pause 80",          "wave Turn",
        "discs 4 1", "pause 80",  "discs 4 1", "status 考え中、、", "undo off",
        "events",    "think",     "wave Put",  "discs 4 2",         "pause 80",
        "discs 3 3", "wave Turn", "pause 80",  "discs 3 3",         "status 待機中",
        "undo on"};
    EXPECT_EQ(view.Since(mark), expected);
    EXPECT_EQ(s.GameBoard()[Cell(4, 3)], kBlack);
    EXPECT_EQ(s.GameBoard()[Cell(3, 3)], kWhite);
    EXPECT_EQ(s.GameBoard()[Cell(4, 4)], kWhite);
    EXPECT_EQ(s.Turn, kPlayerTurn);
    EXPECT_EQ(s.MoveX[1], 0);
    EXPECT_EQ(s.MoveY[1], 0);
    EXPECT_EQ(s.BestValue[1], kMaxSentinel);
    ExpectConsistent(s);
}

TEST_F(OneMoveTest, SnapshotHoldsThePositionBeforeTheClick) {
    StartProgram(1);
    flow.Btn_StartClick();
    Board before;
    std::copy(s.GameBoard(), s.GameBoard() + kCells, before);
    Click(4, 3);
    for (int x = 1; x <= 8; ++x)
        for (int y = 1; y <= 8; ++y) EXPECT_EQ(s.UndoBoard()[Cell(x, y)], before[Cell(x, y)]);
}

TEST_F(OneMoveTest, ThePlayersCornerSoundsPutAndRaisesTheWeights) {
    PlayerToMove(
        "-OX-----"
        "--------"
        "--------"
        "---OX---"
        "---XO---"
        "--------"
        "--------"
        "--------",
        kBlack, 1);
    const size_t mark = Mark();
    Click(1, 1);
    const Events events = view.Since(mark);
    EXPECT_EQ((Events{events.begin(), events.begin() + 6}),
              (Events{"undo off", "wave Put", "discs 4 3", "pause 80", "wave Turn", "discs 5 2"}));
    EXPECT_EQ(view.Lines("wave Kado").size(), 0u);
    EXPECT_EQ(view.Lines("flash").size(), 0u);
    const int32_t* w = s.SquareWeights();
    EXPECT_EQ(w[Cell(2, 1)], -25 + 100);
    EXPECT_EQ(w[Cell(1, 2)], -25 + 100);
    EXPECT_EQ(w[Cell(1, 3)], 45 + 60);
    EXPECT_EQ(w[Cell(6, 1)], 45 + 30);
    EXPECT_EQ(w[Cell(2, 2)], -250 + 150);
}

TEST_F(OneMoveTest, TheComputersCornerGivesKadoAndSixFlashesThenRaisesTheWeights) {
    const char* position =
        "--------"
        "-X---X--"
        "-OOOOX-X"
        "---OOOX-"
        "---OOOO-"
        "--OOOOO-"
        "---OOXOX"
        "----OOOO";
    PlayerToMove(position, kBlack, 1);
    const Square first = FirstLegalSquare();
    Click(first.x, first.y);

    Square corner{0, 0};
    for (const Square& c : kCorners) {
        if (s.GameBoard()[Cell(c.x, c.y)] == s.CpuColor) corner = c;
    }
    ASSERT_NE(corner.x, 0) << "the computer took no corner";
    const Events events = view.Lines("");
    const auto think = std::find(events.begin(), events.end(), "think");
    ASSERT_NE(think, events.end());
    Events expected = {"wave Kado"};
    for (int i = 0; i < 6; ++i) {
        expected.push_back("flash");
        expected.push_back("pause 150");
    }
    EXPECT_EQ((Events{think + 1, think + 14}), expected);
    EXPECT_TRUE((think + 14)->starts_with("discs ")) << "the disc appears right after the effect";
    EXPECT_EQ(std::count(think, events.end(), "wave Put"), 0);
    const int dx = corner.x == 1 ? 1 : -1;
    const int dy = corner.y == 1 ? 1 : -1;
    EXPECT_EQ(s.SquareWeights()[Cell(corner.x + dx, corner.y + dy)], -250 + 150);
    ExpectConsistent(s);
}

}  // namespace
}  // namespace kurobi
