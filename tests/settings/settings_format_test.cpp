#include "settings/settings_format.h"

#include <gtest/gtest.h>

namespace kurobi {
namespace {

TEST(Format, DefaultsGiveTheSixtyByteFile) {
    const std::string text = FormatSettings(Settings{});
    EXPECT_EQ(text,
              "[Kurobi]\r\n"
              "BoardColor = 808000\r\n"
              "TurnSpeed = 80\r\n"
              "\r\n"
              "Level = 6\r\n");
    EXPECT_EQ(text.size(), 60u);
}

TEST(Format, ColourIsUpperCaseHexadecimalWithoutLeadingZeros) {
    EXPECT_EQ(FormatSettings({.boardColor = 0}),
              "[Kurobi]\r\nBoardColor = 0\r\nTurnSpeed = 80\r\n\r\nLevel = 6\r\n");
    EXPECT_EQ(FormatSettings({.boardColor = 0xFF}),
              "[Kurobi]\r\nBoardColor = FF\r\nTurnSpeed = 80\r\n\r\nLevel = 6\r\n");
    EXPECT_EQ(FormatSettings({.boardColor = 0xABCDEF}),
              "[Kurobi]\r\nBoardColor = ABCDEF\r\nTurnSpeed = 80\r\n\r\nLevel = 6\r\n");
}

TEST(Format, DelayAndLevelInDecimal) {
    EXPECT_EQ(FormatSettings({.flipDelay = 300, .level = 11}),
              "[Kurobi]\r\nBoardColor = 808000\r\nTurnSpeed = 300\r\n\r\nLevel = 11\r\n");
    EXPECT_EQ(FormatSettings({.flipDelay = 10, .level = 1}),
              "[Kurobi]\r\nBoardColor = 808000\r\nTurnSpeed = 10\r\n\r\nLevel = 1\r\n");
}

}  // namespace
}  // namespace kurobi
