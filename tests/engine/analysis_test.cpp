#include <gtest/gtest.h>

#include "core/rules.h"
#include "tools/analysis.h"

namespace kurobi {
namespace {

const std::string kStart = std::string(27, '-') + "OX------XO" + std::string(27, '-');

std::string WithSquare(int k, char c) {
    std::string squares = kStart;
    squares[k] = c;
    return squares;
}

TEST(AnalysisLine, MalformedLinesAreRejectedWithAReason) {
    const std::pair<std::string, std::string> cases[] = {
        {kStart.substr(1) + " X 6", "64 squares"},
        {kStart + "- X 6", "64 squares"},
        {WithSquare(0, 'x') + " X 6", "X, O or -"},
        {kStart + " B 6", "side"},
        {kStart + " X", "level"},
        {kStart + " X 0", "level"},
        {kStart + " X 12", "level"},
        {kStart + " X 6x", "level"},
        {kStart + " X 6 1", "search depth"},
        {kStart + " X 6 99999999999", "search depth"},
        {kStart + " X 6 7 8", "too many"},
        {WithSquare(27, '-') + " X 6", "centre"},
        {"", "64 squares"},
    };
    for (const auto& [line, reason] : cases) {
        PositionLine parsed;
        std::string error;
        EXPECT_FALSE(ParsePositionLine(line, parsed, error)) << line;
        EXPECT_NE(error.find(reason), std::string::npos) << line << " -> " << error;
    }
}

TEST(AnalysisLine, PositionIsSetUpAsATakeBackRebuildsIt) {
    // Black on (1,1) and (8,1); white to move as the computer; an explicit search depth.
    std::string squares = WithSquare(0, 'X');
    squares[7] = 'X';
    PositionLine parsed;
    std::string error;
    ASSERT_TRUE(ParsePositionLine(squares + " O 4 9", parsed, error)) << error;
    GameState s;
    SetUpPosition(s, parsed);
    EXPECT_EQ(s.CpuColor, kWhite);
    EXPECT_EQ(s.PlayerDiscs, 4);
    EXPECT_EQ(s.CpuDiscs, 2);
    EXPECT_EQ(s.EmptyCount, 58);
    EXPECT_EQ(s.EmptyX[0], 1);  // (1,8) is now first: (1,1) and (8,1) are gone
    EXPECT_EQ(s.EmptyY[0], 8);
    EXPECT_EQ(s.SquareWeights()[Cell(3, 1)], 45 + 60 + 30);  // raised from both top corners
    EXPECT_EQ(s.BaseDepth, 4);
    EXPECT_EQ(s.EndgameStart, 54);
    EXPECT_EQ(s.SearchDepth, 9);
}

TEST(AnalysisLine, ResultNamesMoveValueNodesKindAndDepth) {
    std::string result, error;
    ASSERT_TRUE(AnalyzeLine(kStart + " X 1", result, error)) << error;
    // Level 1 takes the legal square of greatest weight, the first in column order on a tie.
    EXPECT_EQ(result, "c4 0 0 weight 1");
    // One empty square left: every level takes it by weight if it can, and passes otherwise.
    std::string full(64, 'O');
    full[63] = '-';
    full[27] = 'X';  // (4,4): closes the diagonal to (8,8)
    ASSERT_TRUE(AnalyzeLine(full + " X 6", result, error)) << error;
    EXPECT_EQ(result, "h8 500 0 weight 9");
    full[27] = 'O';
    full[17] = 'X';  // (2,3): no line to (8,8)
    ASSERT_TRUE(AnalyzeLine(full + " X 6", result, error)) << error;
    EXPECT_EQ(result, "pass -30000 0 pass 9");
}

}  // namespace
}  // namespace kurobi
