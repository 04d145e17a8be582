#include <gtest/gtest.h>

#include <array>
#include <random>
#include <string>
#include <string_view>

#include "settings/settings_reader.h"

namespace kurobi {
namespace {

// Random bytes, weighted towards the ones the reader cares about so that lines with keys,
// separators and numbers turn up often.
std::string RandomText(std::mt19937& random) {
    static constexpr std::array<std::string_view, 14> kFragments = {
        "turnspeed", "boardcolor", "level", "=", "\r", "\n",         "[",
        " ",         "0x",         "-",     "9", "f",  "4294967296", std::string_view("\0", 1)};
    std::uniform_int_distribution<int> length(0, 80);
    std::uniform_int_distribution<int> pick(0, 2 * static_cast<int>(kFragments.size()) - 1);
    std::uniform_int_distribution<int> byte(0, 255);
    std::string text;
    for (int i = length(random); i > 0; --i) {
        const int p = pick(random);
        if (p < static_cast<int>(kFragments.size())) {
            text += kFragments[p];
        } else {
            text += static_cast<char>(byte(random));
        }
    }
    return text;
}

TEST(Robustness, AnyBytesLeaveTheValuesInTheirRanges) {
    std::mt19937 random(20240601);
    for (int round = 0; round < 20000; ++round) {
        const std::string text = RandomText(random);
        Settings s{.boardColor = 0x123456, .level = 3};
        const ReadResult result = ApplySettingsText(text, s);
        const bool delayIsASpeed = s.flipDelay == 10 || s.flipDelay == 80 || s.flipDelay == 300;
        const bool levelInRange =
            result.levelRestored ? s.level >= 1 && s.level <= 11 : s.level == 3;
        ASSERT_TRUE(delayIsASpeed && s.boardColor <= 0xFFFFFF && levelInRange)
            << testing::PrintToString(text);
    }
}

TEST(Robustness, BinaryDataWithoutLineEndsChangesNothingButTheSnap) {
    std::string bytes;
    for (int i = 0; i < 100'000; ++i) {
        const char c = static_cast<char>(i % 256);
        bytes += c == '\r' || c == '\n' ? '=' : c;
    }
    Settings s{.flipDelay = 150, .boardColor = 0x123456, .level = 3};
    EXPECT_FALSE(ApplySettingsText(bytes, s).levelRestored);
    EXPECT_EQ(s.flipDelay, 80);
    EXPECT_EQ(s.boardColor, 0x123456u);
    EXPECT_EQ(s.level, 3);
}

}  // namespace
}  // namespace kurobi
