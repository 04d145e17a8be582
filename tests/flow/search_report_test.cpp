#include "core/search_report.h"

#include <gtest/gtest.h>

namespace kurobi {
namespace {

TEST(ThinkSeconds, PlainDecimalsWithoutTrailingZeros) {
    EXPECT_EQ(ThinkSeconds(1500), "1.5");
    EXPECT_EQ(ThinkSeconds(32), "0.032");
    EXPECT_EQ(ThinkSeconds(2000), "2");
    EXPECT_EQ(ThinkSeconds(1), "0.001");
    EXPECT_EQ(ThinkSeconds(1230), "1.23");
    EXPECT_EQ(ThinkSeconds(61010), "61.01");
}

TEST(ThinkSeconds, NoTimePassedIsZero) {
    EXPECT_EQ(ThinkSeconds(0), "0");
    EXPECT_EQ(ThinkSeconds(-5), "0");
}

TEST(NodesPerSecond, TruncatedToWholeNodes) {
    EXPECT_EQ(NodesPerSecond(3000, 1500), "2000");
    EXPECT_EQ(NodesPerSecond(1000, 3), "333333");
    EXPECT_EQ(NodesPerSecond(2, 1000), "2");
    EXPECT_EQ(NodesPerSecond(1, 1001), "0");
    EXPECT_EQ(NodesPerSecond(2000000000, 1), "2000000000000");
}

TEST(NodesPerSecond, NothingWhenNoTimePassed) {
    EXPECT_EQ(NodesPerSecond(7, 0), "");
    EXPECT_EQ(NodesPerSecond(7, -1), "");
}

TEST(ForecastFor, SignOfTheReadDecides) {
    EXPECT_EQ(ForecastFor(-1).memo, "負けました。");
    EXPECT_EQ(ForecastFor(-64).label, "負けたかも、。");
    EXPECT_EQ(ForecastFor(0).memo, "引き分けかな？");
    EXPECT_EQ(ForecastFor(0).label, "引き分けかな？");
    EXPECT_EQ(ForecastFor(1).memo, "勝ちました。");
    EXPECT_EQ(ForecastFor(64).label, "勝ちました。");
}

TEST(DiagnosticLines, NodesTimeRateValueBlankAndMove) {
    ComputerChoice choice{.kind = SearchKind::Midgame,
                          .x = 7,
                          .y = 2,
                          .value = -12,
                          .forecast = -12,
                          .nodes = 4321,
                          .elapsedMs = 250,
                          .stopped = false};
    const std::vector<std::string> expected = {
        "4321", "思考時間＝0.25", "秒間＝17284", "得点＝-12", "", "7", "2"};
    EXPECT_EQ(DiagnosticLines(choice), expected);
    choice.elapsedMs = 0;
    const std::vector<std::string> instant = {"4321", "思考時間＝0", "秒間＝", "得点＝-12",
                                              "",     "7",           "2"};
    EXPECT_EQ(DiagnosticLines(choice), instant);
}

}  // namespace
}  // namespace kurobi
