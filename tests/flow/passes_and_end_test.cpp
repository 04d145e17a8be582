// Passes of either side, nested computer turns, and the ends of a game.

#include <algorithm>
#include <vector>

#include "flow_fixture.h"

namespace kurobi {
namespace {

using Events = std::vector<std::string>;

// The recorded lines after the last "think".
Events AfterLastThink(const RecordingView& view) {
    const auto it = std::find(view.events.rbegin(), view.events.rend(), "think");
    return {it.base(), view.events.end()};
}

class PassTest : public FlowTest {};

TEST_F(PassTest, ComputerPassesAndThePlayerMovesAgain) {
    PlayerToMove(kComputerPasses, kBlack, 1);
    const Square first = FirstLegalSquare();
    Click(first.x, first.y);
    const std::string counts = std::to_string(s.PlayerDiscs) + " " + std::to_string(s.CpuDiscs);
    EXPECT_EQ(AfterLastThink(view),
              (Events{"discs " + counts, "status 待機中", "message 私はパスです", "undo on"}));
    EXPECT_EQ(view.Lines("think").size(), 1u);
    EXPECT_EQ(s.Turn, kPlayerTurn);
    EXPECT_GT(s.PlayerMoveCount[1], 0);
    EXPECT_EQ(s.CpuMoveCount[1], 0);
    ExpectConsistent(s);
}

TEST_F(PassTest, PlayerPassesTwiceAndTheComputerMovesThreeTimesInOneClick) {
    PlayerToMove(kPlayerPassesTwice, kBlack, 1);
    const Square first = FirstLegalSquare();
    const size_t mark = Mark();
    Click(first.x, first.y);
    const Events events = view.Since(mark);
    EXPECT_EQ(view.Lines("message ", mark), (Events{"あなたはパスです", "あなたはパスです"}));
    EXPECT_EQ(view.Lines("think", mark).size(), 3u);
    EXPECT_EQ(view.Lines("status 待機中", mark).size(), 3u);
    for (auto it = events.begin(); it != events.end(); ++it) {
        if (*it != "message あなたはパスです") continue;
        ASSERT_GE(events.end() - it, 4);
        EXPECT_TRUE((it + 1)->starts_with("discs "));
        EXPECT_EQ(*(it + 2), "pause 80");
        EXPECT_EQ(*(it + 3), "status 考え中、、") << "the next turn runs inside this one";
    }
    // Every turn, the nested ones first, ends by offering the take-back.
    EXPECT_EQ((Events{events.end() - 3, events.end()}), (Events{"undo on", "undo on", "undo on"}));
    EXPECT_EQ(s.Turn, kPlayerTurn);
    EXPECT_GT(s.PlayerMoveCount[1], 0);
    EXPECT_FALSE(flow.Busy());
    ExpectConsistent(s);
}

class GameEndTest : public FlowTest {
  protected:
    void ExpectOverWith(const char* message) {
        EXPECT_EQ(view.Lines("message "), (Events{message}));
        EXPECT_EQ(s.Turn, kGameOver);
        EXPECT_TRUE(view.UndoEnabled());
        ExpectConsistent(s);
        const size_t mark = Mark();
        Click(1, 1);
        flow.PB_BanMouseDown(MouseButton::Right, 0, 0);
        EXPECT_EQ(Mark(), mark) << "a finished game ignores the board";
    }
};

TEST_F(GameEndTest, NeitherSideCanMoveWithSquaresLeft) {
    PlayerToMove("--OX-OX--O-OOO--OOOOOOOOOOOOOO--OOOOOOO-OOOO-OO-OOO---OO--------", kBlack, 1);
    const Square first = FirstLegalSquare();
    Click(first.x, first.y);
    ExpectOverWith("私の勝ちです。");
    EXPECT_GT(s.EmptyCount, 0);
}

TEST_F(GameEndTest, PlayerTakesTheLastWhiteDisc) {
    PlayerToMove(
        "--------"
        "--------"
        "--------"
        "---XX---"
        "---OX---"
        "--------"
        "--------"
        "--------",
        kBlack, 2);
    Click(4, 6);
    ExpectOverWith("あなたの勝ちです。");
    EXPECT_EQ(s.PlayerDiscs, 5);
    EXPECT_EQ(s.CpuDiscs, 0);
    // The computer had no move: nothing placed, nothing searched.
    EXPECT_EQ(AfterLastThink(view),
              (Events{"discs 5 0", "status 待機中", "message あなたの勝ちです。", "undo on"}));
    EXPECT_TRUE(view.Lines("memo ").empty());
}

TEST_F(GameEndTest, ComputerFillsTheBoardByWeightForADraw) {
    // Black fills the last square and turns six white discs: 32 to 32.
    ComputerOpensOn(
        "OOOOOOOO"
        "OOOOOOOO"
        "OOOOOOOO"
        "OOOOOOOO"
        "XXXXXXXX"
        "XXXXXXXX"
        "XXXXXXXX"
        "XOOOOOO-",
        3);
    flow.Btn_StartClick();
    EXPECT_EQ(s.GameBoard()[Cell(8, 8)], kBlack);
    EXPECT_EQ(view.Lines("wave Turn").size(), 6u);
    EXPECT_TRUE(view.Lines("memo ").empty()) << "the last square is taken by weight";
    EXPECT_EQ(s.EmptyCount, 0);
    // No snapshot of this game: the take-back stays off even at the end.
    EXPECT_EQ(view.Lines("message "), (Events{"引き分けです。"}));
    EXPECT_EQ(s.Turn, kGameOver);
    EXPECT_FALSE(view.UndoEnabled());
    ExpectConsistent(s);
}

TEST_F(GameEndTest, PlayerFillsTheBoard) {
    PlayerToMove(
        "XXXXXXXX"
        "XXXXXXXX"
        "XXXXXXXX"
        "XXXXXXXX"
        "OOOOOOOO"
        "OOOOOOOO"
        "OOOOOOOO"
        "OXXXXXX-",
        kWhite, 5);
    Click(8, 8);
    ExpectOverWith("引き分けです。");
    EXPECT_EQ(s.EmptyCount, 0);
    EXPECT_EQ(view.Lines("think").size(), 1u);
}

}  // namespace
}  // namespace kurobi
