// The take-back: the snapshot of the player's last accepted click, restored with its list,
// counts, weights and search depth rebuilt, and when the menu item is offered.

#include <cstring>
#include <memory>
#include <vector>

#include "engine/square_weights.h"
#include "flow_fixture.h"

namespace kurobi {
namespace {

using Events = std::vector<std::string>;

class TakeBackTest : public FlowTest {
  protected:
    // Clicks the first legal square and takes it back at once.
    void MoveAndTakeBack() {
        const Square first = FirstLegalSquare();
        Click(first.x, first.y);
        ASSERT_TRUE(view.UndoEnabled());
        flow.Undo1Click();
    }

    void ExpectBoard(const Board& expected) {
        for (int x = 1; x <= 8; ++x)
            for (int y = 1; y <= 8; ++y)
                EXPECT_EQ(s.GameBoard()[Cell(x, y)], expected[Cell(x, y)]) << x << "," << y;
    }

    void ExpectIgnored() {
        const auto before = std::make_unique<GameState>(s);
        const size_t mark = Mark();
        flow.Undo1Click();
        EXPECT_EQ(std::memcmp(before.get(), &s, sizeof s), 0);
        EXPECT_EQ(Mark(), mark);
    }
};

TEST_F(TakeBackTest, AfterTheFirstMoveRestoresTheStart) {
    StartProgram(4);
    flow.Btn_StartClick();
    Click(4, 3);
    ASSERT_TRUE(view.UndoEnabled());
    const size_t mark = Mark();
    flow.Undo1Click();
    EXPECT_EQ(view.Since(mark), (Events{"clear", "undo off", "order 0", "counts 2 2", "forecast ",
                                        "counts 2 2", "undo off", "board"}));
    EXPECT_EQ(s.PlayerDiscs, 2);
    EXPECT_EQ(s.CpuDiscs, 2);
    EXPECT_EQ(s.EmptyCount, 60);
    ExpectConsistent(s);
    Board start{};
    PlaceStartingDiscs(start);
    ExpectBoard(start);
    for (int x = 1; x <= 8; ++x)
        for (int y = 1; y <= 8; ++y)
            EXPECT_EQ(s.SquareWeights()[Cell(x, y)], kInitialWeights[x - 1][y - 1]);
    EXPECT_EQ(s.SearchDepth, 4);
    EXPECT_EQ(s.Turn, kPlayerTurn);
    EXPECT_EQ(s.WaitingToStart, 0u);
    EXPECT_EQ(s.PlayerMoveCount[1], 4) << "ply 1's moves are found again";
    // One step only: the item is off until the next move.
    EXPECT_FALSE(view.UndoEnabled());
    ExpectIgnored();
}

TEST_F(TakeBackTest, RebuildsCornerWeightsAndTheDeepenedSearch) {
    // 48 discs with both left corners taken.
    const char* position = "OO--O---OOOOOOOOOOOOOOO--XOOOOXXXOXXO-X-OOOXXXXO-XXXX-X-XXX---X-";
    PlayerToMove(position, kBlack, 2);
    Board before;
    std::memcpy(before, s.GameBoard(), sizeof before);
    ASSERT_EQ(s.PlayerDiscs + s.CpuDiscs, 48);
    MoveAndTakeBack();
    ExpectBoard(before);
    ExpectConsistent(s);
    const int32_t* w = s.SquareWeights();
    EXPECT_EQ(w[Cell(1, 2)], -25 + 100);
    EXPECT_EQ(w[Cell(1, 4)], 35 + 50 + 40) << "raised from both corners of the edge";
    EXPECT_EQ(w[Cell(1, 5)], 35 + 40 + 50);
    EXPECT_EQ(w[Cell(1, 7)], -25 + 100);
    EXPECT_EQ(w[Cell(2, 2)], -250 + 150);
    EXPECT_EQ(w[Cell(2, 7)], -250 + 150);
    EXPECT_EQ(w[Cell(7, 7)], -250) << "an empty corner raises nothing";
    EXPECT_EQ(s.SearchDepth, 2 + 3);
    EXPECT_EQ(s.Turn, kPlayerTurn);
}

TEST_F(TakeBackTest, OfferedOnlyOnceTheComputersReplyHasEnded) {
    StartProgram(1);
    flow.Btn_StartClick();
    std::vector<bool> duringMove;
    view.onPause = [&] { duringMove.push_back(view.UndoEnabled()); };
    Click(4, 3);
    ASSERT_FALSE(duringMove.empty());
    for (const bool on : duringMove) EXPECT_FALSE(on);
    EXPECT_TRUE(view.UndoEnabled());
    // The next click switches it off again for the length of the move.
    duringMove.clear();
    const Square next = FirstLegalSquare();
    Click(next.x, next.y);
    for (const bool on : duringMove) EXPECT_FALSE(on);
    EXPECT_TRUE(view.UndoEnabled());
}

TEST_F(TakeBackTest, NotOfferedBeforeThePlayersFirstMoveWhenTheComputerOpened) {
    StartProgram(1);
    // A snapshot left over from an earlier game must not be restored into this one.
    flow.Btn_StartClick();
    Click(4, 3);
    flow.Btn_StartClick();  // "やり直す"
    EXPECT_FALSE(view.UndoEnabled());
    ExpectIgnored();
    view.order = 1;
    flow.Btn_StartClick();
    EXPECT_EQ(s.Turn, kPlayerTurn);
    EXPECT_FALSE(view.UndoEnabled());
    ExpectIgnored();
    // Once the player has moved, the take-back returns to the position after the opening move.
    Board afterOpening;
    std::memcpy(afterOpening, s.GameBoard(), sizeof afterOpening);
    MoveAndTakeBack();
    ExpectBoard(afterOpening);
    EXPECT_EQ(s.PlayerDiscs, 1);
    EXPECT_EQ(s.CpuDiscs, 4);
    EXPECT_EQ(s.PlayerColor, kWhite) << "the sides stay as they are";
}

TEST_F(TakeBackTest, AfterTheEndPlayGoesOnFromTheSnapshot) {
    const char* position = "--OX-OX--O-OOO--OOOOOOOOOOOOOO--OOOOOOO-OOOO-OO-OOO---OO--------";
    PlayerToMove(position, kBlack, 1);
    Board before;
    std::memcpy(before, s.GameBoard(), sizeof before);
    MoveAndTakeBack();
    EXPECT_EQ(s.Turn, kPlayerTurn);
    ExpectBoard(before);
    ExpectConsistent(s);
    EXPECT_GT(s.PlayerMoveCount[1], 0);
    // The game can be played to its end again.
    PlayToEnd();
    EXPECT_EQ(s.Turn, kGameOver);
}

TEST_F(TakeBackTest, SearchDepthFollowsTheRestoredTotal) {
    // 46 discs: the rebuild gives the base depth plus two; the computer's turn at 47 discs adds
    // one more, and taking back returns to plus two.
    PlayerToMove("OX-OX-O-XXOXXO--XXXOX-O-XXXOXOO-XXXXOO---XX-OO--OOXO-OO-XOOOOO--", kBlack, 2);
    ASSERT_EQ(s.PlayerDiscs + s.CpuDiscs, 46);
    EXPECT_EQ(s.SearchDepth, 2 + 2);
    const Square first = FirstLegalSquare();
    Click(first.x, first.y);
    EXPECT_EQ(s.SearchDepth, 2 + 3);
    flow.Undo1Click();
    EXPECT_EQ(s.SearchDepth, 2 + 2);
    EXPECT_EQ(s.PlayerDiscs + s.CpuDiscs, 46);
}

}  // namespace
}  // namespace kurobi
