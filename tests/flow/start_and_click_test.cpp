// The start button's states and captions, and how a click on the board is read.

#include <cstring>
#include <memory>
#include <vector>

#include "flow_fixture.h"

namespace kurobi {
namespace {

using Events = std::vector<std::string>;

bool SameState(const GameState& a, const GameState& b) {
    return std::memcmp(&a, &b, sizeof a) == 0;
}

class StartButtonTest : public FlowTest {};

TEST_F(StartButtonTest, NewGameResetsBoardCountsUndoAndOrder) {
    StartProgram(4);
    EXPECT_EQ(view.events, (Events{"clear", "undo off", "order 0", "counts 2 2"}));
    EXPECT_EQ(s.CellSize, 45);
    EXPECT_EQ(s.PlayerDiscs, 2);
    EXPECT_EQ(s.CpuDiscs, 2);
    EXPECT_EQ(s.SearchDepth, 4);
    EXPECT_EQ(s.EmptyCount, 60);
    EXPECT_EQ(s.Ply, 1);
}

TEST_F(StartButtonTest, StartAsBlackWaitsForThePlayer) {
    StartProgram(1);
    const size_t mark = Mark();
    flow.Btn_StartClick();
    EXPECT_EQ(view.Since(mark), (Events{"order disabled", "caption やり直す", "forecast "}));
    EXPECT_EQ(s.WaitingToStart, 0u);
    EXPECT_EQ(s.Turn, kPlayerTurn);
    EXPECT_EQ(s.PlayerColor, kBlack);
    EXPECT_EQ(s.CpuColor, kWhite);
}

TEST_F(StartButtonTest, StartAsWhiteLetsTheComputerOpenBeforeClearingTheForecast) {
    StartProgram(1);
    view.order = 1;
    const size_t mark = Mark();
    flow.Btn_StartClick();
    const Events events = view.Since(mark);
    ASSERT_GE(events.size(), 6u);
    EXPECT_EQ((Events{events.begin(), events.begin() + 6}),
              (Events{"order disabled", "caption やり直す", "status 考え中、、", "undo off",
                      "events", "think"}));
    EXPECT_EQ(events.back(), "forecast ");
    EXPECT_EQ(events[events.size() - 2], "undo off");  // no move of the player to take back
    EXPECT_EQ(events[events.size() - 3], "status 待機中");
    EXPECT_EQ(s.PlayerColor, kWhite);
    EXPECT_EQ(s.CpuColor, kBlack);
    EXPECT_EQ(s.Turn, kPlayerTurn);
    EXPECT_EQ(s.CpuDiscs, 4);
    EXPECT_EQ(s.PlayerDiscs, 1);
    ExpectConsistent(s);
}

TEST_F(StartButtonTest, RestartAbandonsTheGameAndShowsBlackAgain) {
    StartProgram(1);
    view.order = 1;
    flow.Btn_StartClick();
    PlayToEnd();
    const size_t mark = Mark();
    flow.Btn_StartClick();
    EXPECT_EQ(view.Since(mark), (Events{"order enabled", "caption 開始", "clear", "undo off",
                                        "order 0", "counts 2 2", "forecast "}));
    EXPECT_EQ(s.WaitingToStart, 1u);
    EXPECT_EQ(view.order, 0);
    EXPECT_EQ(s.PlayerDiscs + s.CpuDiscs, 4);
    ExpectConsistent(s);
    // The next press starts a new game as black.
    flow.Btn_StartClick();
    EXPECT_EQ(s.Turn, kPlayerTurn);
    EXPECT_EQ(s.PlayerColor, kBlack);
}

class BoardClickTest : public FlowTest {
  protected:
    void SetUp() override {
        StartProgram(1);
        flow.Btn_StartClick();
    }

    // Runs `action` and expects neither the state nor the screen to change.
    template <class Action>
    void ExpectIgnored(Action action) {
        const auto before = std::make_unique<GameState>(s);
        const size_t mark = Mark();
        action();
        EXPECT_TRUE(SameState(*before, s));
        EXPECT_EQ(Mark(), mark);
    }
};

TEST_F(BoardClickTest, PixelsMapToSquaresByCellSize) {
    // (4,3) is legal for black; its first pixel column and last pixel row still belong to it.
    flow.PB_BanMouseDown(MouseButton::Left, 3 * 45, 2 * 45 + 44);
    EXPECT_EQ(s.ClickX, 4);
    EXPECT_EQ(s.ClickY, 3);
    EXPECT_EQ(s.GameBoard()[Cell(4, 3)], kBlack);
}

TEST_F(BoardClickTest, IllegalEmptySquareSoundsAndChangesNothingElse) {
    const auto before = std::make_unique<GameState>(s);
    const size_t mark = Mark();
    flow.PB_BanMouseDown(MouseButton::Left, 44, 0);  // (1,1)
    EXPECT_EQ(view.Since(mark), (Events{"wave Bu"}));
    EXPECT_EQ(std::memcmp(before->Boards, s.Boards, sizeof s.Boards), 0);
    EXPECT_EQ(s.Turn, kPlayerTurn);
    EXPECT_EQ(s.PlayerDiscs, 2);
}

TEST_F(BoardClickTest, BeyondTheEighthSquareIsTheBorderAndRefused) {
    const size_t mark = Mark();
    flow.PB_BanMouseDown(MouseButton::Left, 8 * 45 + 5, 3 * 45);
    EXPECT_EQ(s.ClickX, 9);
    EXPECT_EQ(view.Since(mark), (Events{"wave Bu"}));
    flow.PB_BanMouseDown(MouseButton::Left, 20 * 45, 3 * 45);  // far outside the board
    EXPECT_EQ(view.Since(mark), (Events{"wave Bu", "wave Bu"}));
    EXPECT_EQ(s.Turn, kPlayerTurn);
}

TEST_F(BoardClickTest, OccupiedSquareIsIgnoredSilently) {
    const auto before = std::make_unique<GameState>(s);
    const size_t mark = Mark();
    Click(4, 4);
    EXPECT_EQ(Mark(), mark);
    EXPECT_EQ(std::memcmp(before->Boards, s.Boards, sizeof s.Boards), 0);
    EXPECT_EQ(s.Turn, kPlayerTurn);
    EXPECT_EQ(s.PlayerDiscs, 2);
    EXPECT_EQ(s.CpuDiscs, 2);
}

TEST_F(BoardClickTest, OtherButtonsDoNothing) {
    ExpectIgnored([&] { flow.PB_BanMouseDown(MouseButton::Other, 3 * 45, 2 * 45); });
}

TEST_F(BoardClickTest, RightButtonShowsRingsOnThePlayersTurnOnly) {
    const size_t mark = Mark();
    flow.PB_BanMouseDown(MouseButton::Right, 0, 0);
    EXPECT_EQ(view.Since(mark), (Events{"rings"}));
    EXPECT_EQ(s.PlayerMoveCount[1], 4);
    EXPECT_EQ(s.PlayerMoveFlags[1][Cell(4, 3)], 1);
    s.Turn = kComputerTurn;
    ExpectIgnored([&] { flow.PB_BanMouseDown(MouseButton::Right, 0, 0); });
    s.Turn = kGameOver;
    ExpectIgnored([&] { flow.PB_BanMouseDown(MouseButton::Right, 0, 0); });
}

TEST_F(BoardClickTest, ClicksAreIgnoredUntilAGameRuns) {
    flow.Btn_StartClick();  // "やり直す": no game running
    ExpectIgnored([&] { Click(4, 3); });
    ExpectIgnored([&] { flow.PB_BanMouseDown(MouseButton::Right, 0, 0); });
}

TEST_F(BoardClickTest, ClicksAreIgnoredOnTheComputersTurnAndAfterTheEnd) {
    s.Turn = kComputerTurn;
    ExpectIgnored([&] { Click(4, 3); });
    s.Turn = kGameOver;
    ExpectIgnored([&] { Click(4, 3); });
}

}  // namespace
}  // namespace kurobi
