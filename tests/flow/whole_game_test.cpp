// Whole games from the start button to the final message, the player taking its first legal
// square in list order every time.

#include <algorithm>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "flow_fixture.h"

namespace kurobi {
namespace {

struct Rise {
    int total;
    bool searches;  // the computer has a move and more than the last square is left
    int32_t depthBefore;
    int32_t depthAfter;
};

class WholeGameTest : public FlowTest, public ::testing::WithParamInterface<std::tuple<int, bool>> {
  protected:
    int Level() const { return std::get<0>(GetParam()); }
    bool PlayerWhite() const { return std::get<1>(GetParam()); }

    void PlayWholeGame() {
        StartProgram(Level());
        view.order = PlayerWhite() ? 1 : 0;
        view.beforeSearch = [&] {
            const int total = s.PlayerDiscs + s.CpuDiscs;
            rises.push_back({total, s.CpuMoveCount[1] > 0 && total < 63, s.SearchDepth, 0});
        };
        view.afterSearch = [&] { rises.back().depthAfter = s.SearchDepth; };
        flow.Btn_StartClick();
        PlayToEnd();
    }

    std::vector<Rise> rises;
};

TEST_P(WholeGameTest, EndsWithTheMessageForTheFinalCounts) {
    PlayWholeGame();
    ASSERT_EQ(s.Turn, kGameOver);
    ExpectConsistent(s);
    const std::vector<std::string> messages = view.Lines("message ");
    ASSERT_FALSE(messages.empty());
    const int lead = s.PlayerDiscs - s.CpuDiscs;
    EXPECT_EQ(messages.back(), lead > 0    ? "あなたの勝ちです。"
                               : lead == 0 ? "引き分けです。"
                                           : "私の勝ちです。");
    const std::set<std::string> passes = {"私はパスです", "あなたはパスです"};
    for (size_t i = 0; i + 1 < messages.size(); ++i)
        EXPECT_TRUE(passes.count(messages[i])) << messages[i];
    // The last redraw shows the final counts, and every computer turn ended waiting.
    const std::vector<std::string> discs = view.Lines("discs ");
    EXPECT_EQ(discs.back(), std::to_string(s.PlayerDiscs) + " " + std::to_string(s.CpuDiscs));
    EXPECT_EQ(view.Lines("status 考え中").size(), view.Lines("status 待機中").size());
    EXPECT_TRUE(view.UndoEnabled());
    EXPECT_FALSE(flow.Busy());
    // A finished game ignores clicks.
    const size_t mark = Mark();
    flow.PB_BanMouseDown(MouseButton::Left, 0, 0);
    EXPECT_EQ(Mark(), mark);
}

TEST_P(WholeGameTest, SearchDepthRisesAtTheFixedTotalsOnly) {
    PlayWholeGame();
    ASSERT_FALSE(rises.empty());
    int risen = 0;
    for (const Rise& r : rises) {
        const bool riseTotal = r.total == 41 || r.total == 42 || (r.total >= 45 && r.total <= 48);
        const int expected = Level() > 1 && r.searches && riseTotal ? 1 : 0;
        EXPECT_EQ(r.depthAfter - r.depthBefore, expected) << "total " << r.total;
        risen += expected;
    }
    EXPECT_EQ(s.SearchDepth, s.BaseDepth + risen);
    if (Level() > 1) {
        EXPECT_GE(risen, 1);
    }
}

TEST_P(WholeGameTest, MemoIsWrittenBySearchesOnly) {
    PlayWholeGame();
    const std::vector<std::string> memo = view.Lines("memo ");
    if (Level() == 1) {
        EXPECT_TRUE(memo.empty());
        EXPECT_TRUE(view.Lines("forecast 勝").empty());
        return;
    }
    // Every search ends with seven lines, the fourth its value and the fifth empty.
    int searches = 0;
    for (size_t i = 0; i < memo.size(); ++i) {
        if (!memo[i].starts_with("思考時間＝")) continue;
        ++searches;
        ASSERT_LT(i + 5, memo.size());
        EXPECT_EQ(memo[i], "思考時間＝1.5");
        EXPECT_TRUE(memo[i + 1].starts_with("秒間＝"));
        EXPECT_TRUE(memo[i + 2].starts_with("得点＝"));
        EXPECT_EQ(memo[i + 3], "");
    }
    EXPECT_GT(searches, 20);
    // Both endgame reads come into a game at a searching level.
    EXPECT_GE(std::count(memo.begin(), memo.end(), "last spart2"), 1);
    EXPECT_GE(std::count(memo.begin(), memo.end(), "last spart"), 1);
}

std::string GameName(const ::testing::TestParamInfo<std::tuple<int, bool>>& info) {
    return "Level" + std::to_string(std::get<0>(info.param)) +
           (std::get<1>(info.param) ? "PlayerWhite" : "PlayerBlack");
}

INSTANTIATE_TEST_SUITE_P(LevelsAndSides, WholeGameTest,
                         ::testing::Combine(::testing::Values(1, 2, 3), ::testing::Bool()),
                         GameName);

}  // namespace
}  // namespace kurobi
