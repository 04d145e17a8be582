// The endgame reads as the computer's turn reports them: the line naming the read before it
// runs, the forecast in the memo and the label, and the diagnostics, which must give the move,
// value and node count the analysis path computes for the same position.

#include <ostream>
#include <sstream>
#include <string>
#include <vector>

#include "flow_fixture.h"
#include "tools/analysis.h"

namespace kurobi {
namespace {

using Events = std::vector<std::string>;

struct Analysis {
    std::string move;
    int32_t value;
    int32_t nodes;
    std::string kind;
};

Analysis Analyze(const std::string& squares, int level) {
    std::string result, error;
    EXPECT_TRUE(AnalyzeLine(squares + " X " + std::to_string(level), result, error)) << error;
    std::istringstream in(result);
    Analysis a{};
    in >> a.move >> a.value >> a.nodes >> a.kind;
    return a;
}

struct ReadCase {
    const char* name;
    const char* squares;  // the computer black to move, level 2
    const char* header;
    const char* memo;
    const char* label;
    const char* kind;
};

void PrintTo(const ReadCase& c, std::ostream* os) {
    *os << c.name;
}

class EndgameReadTest : public FlowTest, public ::testing::WithParamInterface<ReadCase> {};

TEST_P(EndgameReadTest, ReportsTheReadAsTheAnalysisComputesIt) {
    const ReadCase& c = GetParam();
    const Analysis a = Analyze(c.squares, 2);
    ASSERT_EQ(a.kind, c.kind);
    ComputerOpensOn(c.squares, 2);
    const size_t mark = Mark();
    flow.Btn_StartClick();

    const Events events = view.Since(mark);
    const std::string x(1, static_cast<char>('0' + (a.move[0] - 'a' + 1)));
    const std::string y(1, a.move[1]);
    const Events expected = {"order disabled",
                             "caption やり直す",
                             "status 考え中、、",
                             "undo off",
                             "events",
                             std::string("memo ") + c.header,
                             "think",
                             std::string("memo ") + c.memo,
                             std::string("forecast ") + c.label,
                             "memo " + std::to_string(a.nodes),
                             "memo 思考時間＝1.5",
                             "memo 秒間＝" + std::to_string(int64_t{a.nodes} * 1000 / 1500),
                             "memo 得点＝" + std::to_string(a.value),
                             "memo ",
                             "memo " + x,
                             "memo " + y};
    ASSERT_GE(events.size(), expected.size());
    EXPECT_EQ((Events{events.begin(), events.begin() + static_cast<long>(expected.size())}),
              expected);
    EXPECT_EQ(s.GameBoard()[Cell(x[0] - '0', y[0] - '0')], kBlack);
    // The start button clears the forecast once the computer's first turn is over.
    EXPECT_EQ(events.back(), "forecast ");
    EXPECT_EQ(view.Lines("memo ", mark).size(), 9u) << "one block of diagnostics";
}

// Positions found by random play; the analysis path confirms the read and its outcome.
const ReadCase kReads[] = {
    {"ExactLoss", "O-XXOOX-OOXXOO--OOOOOO-O-OOOXOXXOOXOOOXXOOXXXOXXOOXXOXXXOXXOOOOO", "last spart",
     "負けました。", "負けたかも、。", "exact"},
    {"ExactDraw", "OOXXXXXXOOXXXXXXOOXXXOXXOOXOXOXXOOOOOXXXXOXOXXXX-OOXX----OOOOOO-", "last spart",
     "引き分けかな？", "引き分けかな？", "exact"},
    {"ExactWin", "OOOOOOOO--XXOO-OOXXXXOOO-XXXXOOXOXOXOOXXXXXOXOX-OXXXXXXX-OXXXXXO", "last spart",
     "勝ちました。", "勝ちました。", "exact"},
    {"WinLossWin", "XX-OXXO--XOOOXO--OXOOXO-OXOOOXOXXOOOXXOX-OOOXXOXOOOOOOXX--XOOOX-",
     "last spart2", "勝ちました。", "勝ちました。", "winloss"},
    // A predicted loss sends the computer on to the midgame search; the forecast stays, and the
    // diagnostics come once, after both searches.
    {"WinLossLossThenMidgame", "O-X-O-X-XOXXOX---OOXOX-O-OXOXXXXOOOOOXXXOOOXOOXXOOOOOXXXOX-OOOOO",
     "last spart2", "負けました。", "負けたかも、。", "winloss+midgame"},
};

INSTANTIATE_TEST_SUITE_P(Reads, EndgameReadTest, ::testing::ValuesIn(kReads),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(FlowTest, MidgameSearchWritesDiagnosticsWithoutForecast) {
    const Analysis a =
        Analyze("---------------------------OX------XO---------------------------", 3);
    ASSERT_EQ(a.kind, "midgame");
    StartProgram(3);
    view.order = 1;
    flow.Btn_StartClick();
    const Events memo = view.Lines("memo ");
    const Events expected = {std::to_string(a.nodes),
                             "思考時間＝1.5",
                             "秒間＝" + std::to_string(int64_t{a.nodes} * 1000 / 1500),
                             "得点＝" + std::to_string(a.value),
                             "",
                             std::to_string(a.move[0] - 'a' + 1),
                             std::string(1, a.move[1])};
    EXPECT_EQ(memo, expected);
    EXPECT_EQ(view.Lines("forecast "), (Events{""}));
}

}  // namespace
}  // namespace kurobi
