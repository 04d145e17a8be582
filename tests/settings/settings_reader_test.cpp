#include "settings/settings_reader.h"

#include <gtest/gtest.h>

#include <string>

namespace kurobi {
namespace {

Settings Applied(std::string_view text, Settings start = {}) {
    ApplySettingsText(text, start);
    return start;
}

int32_t DelayAfter(std::string_view text, int32_t startDelay = kNormalFlipDelay) {
    return Applied(text, {.flipDelay = startDelay}).flipDelay;
}

uint32_t ColorAfter(std::string_view text) {
    return Applied(text).boardColor;
}

// A board colour unlike the default and unlike anything the tests store.
constexpr uint32_t kStartColor = 0x123456;

uint32_t ColorAfterFrom(std::string_view text) {
    return Applied(text, {.boardColor = kStartColor}).boardColor;
}

TEST(TurnSpeed, StoredDelaySnapsToTheNearestDisplaySpeed) {
    const struct {
        const char* text;
        int32_t delay;
    } cases[] = {
        {"turnspeed=0", 10},    {"turnspeed=5", 10},    {"turnspeed=19", 10},
        {"turnspeed=20", 80},   {"turnspeed=150", 80},  {"turnspeed=200", 80},
        {"turnspeed=201", 300}, {"turnspeed=250", 300}, {"turnspeed=300", 300},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(DelayAfter(c.text), c.delay);
    }
}

TEST(TurnSpeed, OutOfRangeKeepsTheEarlierValueWhichIsThenSnapped) {
    EXPECT_EQ(DelayAfter("turnspeed=250\nturnspeed=301"), 300);
    EXPECT_EQ(DelayAfter("turnspeed=5\nturnspeed=-1"), 10);
    EXPECT_EQ(DelayAfter("turnspeed=301", 250), 300);
    EXPECT_EQ(DelayAfter("turnspeed=-1", 150), 80);
}

TEST(TurnSpeed, ValueThatIsNotANumberIsPassedOverAndTheRestIsRead) {
    const Settings s = Applied("turnspeed=fast\nboardcolor=ff\nlevel=2", {.flipDelay = 250});
    EXPECT_EQ(s.flipDelay, 300);
    EXPECT_EQ(s.boardColor, 0x0000FFu);
    EXPECT_EQ(s.level, 2);
}

TEST(TurnSpeed, OnlyAWholeDecimalNumberCounts) {
    EXPECT_EQ(DelayAfter("turnspeed=+5"), 10);
    EXPECT_EQ(DelayAfter("turnspeed=-0"), 10);
    EXPECT_EQ(DelayAfter("turnspeed=0005"), 10);
    for (const char* text : {"turnspeed=", "turnspeed=+", "turnspeed=5ms", "turnspeed=1 0",
                             "turnspeed=0x5", "turnspeed=5.0", "turnspeed=+-5", "turnspeed==5"}) {
        SCOPED_TRACE(text);
        EXPECT_EQ(DelayAfter(text), 80);
    }
}

TEST(TurnSpeed, NumbersThatOverflowChangeNothing) {
    // 2^32 + 5 and 2^64 + 5 would read as 5 if the conversion wrapped around.
    EXPECT_EQ(DelayAfter("turnspeed=4294967301"), 80);
    EXPECT_EQ(DelayAfter("turnspeed=18446744073709551621"), 80);
    EXPECT_EQ(DelayAfter("turnspeed=-4294967291"), 80);
}

TEST(BoardColor, BareHexadecimalInAnyCaseAndSpacing) {
    EXPECT_EQ(ColorAfter("boardcolor=ff"), 0x0000FFu);
    EXPECT_EQ(ColorAfter("BOARDCOLOR=FF"), 0x0000FFu);
    EXPECT_EQ(ColorAfter("  BoardColor   =   fF  "), 0x0000FFu);
    EXPECT_EQ(ColorAfter("boardcolor=0"), 0u);
    EXPECT_EQ(ColorAfter("boardcolor=FFFFFF"), 0xFFFFFFu);
    EXPECT_EQ(ColorAfter("boardcolor=00aBcDeF"), 0xABCDEFu);
}

TEST(BoardColor, RejectedValuesChangeNothing) {
    for (const char* text :
         {"boardcolor=1000000", "boardcolor=7FFFFFFF", "boardcolor=80000000", "boardcolor=FFFFFFFF",
          "boardcolor=0xff", "boardcolor=0XFF", "boardcolor=$ff", "boardcolor=", "boardcolor=fg",
          "boardcolor=-1", "boardcolor=f f", "boardcolor=100000080"}) {
        SCOPED_TRACE(text);
        EXPECT_EQ(ColorAfterFrom(text), kStartColor);
    }
}

TEST(Level, AWholeNumberFromOneToElevenIsRestored) {
    for (int32_t level = 1; level <= 11; ++level) {
        Settings s{.level = 3};
        const ReadResult result = ApplySettingsText("Level = " + std::to_string(level), s);
        EXPECT_TRUE(result.levelRestored);
        EXPECT_EQ(s.level, level);
    }
}

TEST(Level, AnyOtherValueIsPassedOver) {
    for (const char* text : {"level=0", "level=12", "level=abc", "level=6x", "level=", "level=-1",
                             "level=1.5", "level=99999999999"}) {
        SCOPED_TRACE(text);
        Settings s{.level = 3};
        EXPECT_FALSE(ApplySettingsText(text, s).levelRestored);
        EXPECT_EQ(s.level, 3);
    }
}

TEST(Level, LaterValidLineWinsAndInvalidLaterLineKeepsTheEarlierOne) {
    Settings s;
    EXPECT_TRUE(ApplySettingsText("level=3\nlevel=4", s).levelRestored);
    EXPECT_EQ(s.level, 4);
    EXPECT_TRUE(ApplySettingsText("level=9\nlevel=12", s).levelRestored);
    EXPECT_EQ(s.level, 9);
}

TEST(Level, NotReportedWithoutALevelLine) {
    Settings s;
    EXPECT_FALSE(ApplySettingsText("[Kurobi]\nTurnSpeed = 80", s).levelRestored);
}

TEST(Lines, LaterLinesWin) {
    const Settings s = Applied("boardcolor=ff\nturnspeed=5\nboardcolor=ff00\nturnspeed=250");
    EXPECT_EQ(s.boardColor, 0x00FF00u);
    EXPECT_EQ(s.flipDelay, 300);
}

TEST(Lines, SectionNamesAreNotChecked) {
    EXPECT_EQ(ColorAfter("boardcolor=ff"), 0xFFu);
    EXPECT_EQ(ColorAfter("[Other]\nboardcolor=ff"), 0xFFu);
    EXPECT_EQ(ColorAfter("[Kurobi]\n[\nboardcolor=ff"), 0xFFu);
}

TEST(Lines, SectionLinesAreSkippedWhole) {
    EXPECT_EQ(ColorAfterFrom("[x]boardcolor=ff"), kStartColor);
    EXPECT_EQ(ColorAfterFrom(" \t[boardcolor=ff"), kStartColor);
}

TEST(Lines, KeyAndValueSplitAtTheFirstEquals) {
    EXPECT_EQ(ColorAfterFrom("boardcolor=ff=00"), kStartColor);
    EXPECT_EQ(ColorAfterFrom("boardcolor ff = 00"), kStartColor);
    EXPECT_EQ(ColorAfterFrom("=boardcolor=ff"), kStartColor);
}

TEST(Lines, UnknownKeysAndLinesWithoutEqualsChangeNothing) {
    const Settings s = Applied(
        "version = 1.17\nboard color = ff\nturnspeed 5\nturnspeed\n=5\n"
        "speed = 5\nbackground = ff",
        {.boardColor = kStartColor});
    EXPECT_EQ(s.flipDelay, 80);
    EXPECT_EQ(s.boardColor, kStartColor);
}

TEST(Lines, OnlyBytesUpTo32AreTrimmed) {
    EXPECT_EQ(DelayAfter("\x01\x1f turnspeed\t=\v5\x7f"), 80);  // DEL is no blank
    EXPECT_EQ(DelayAfter("\x01\x1f turnspeed\t=\v5\x1f"), 10);
    // A byte above 127 is no blank either, however char is signed.
    EXPECT_EQ(DelayAfter("turnspeed=5\xa0"), 80);
    EXPECT_EQ(DelayAfter("\xffturnspeed=5"), 80);
}

TEST(Lines, EmbeddedNulBytesAreOrdinaryBytes) {
    using namespace std::string_literals;
    EXPECT_EQ(DelayAfter("turnspeed=5\0"s), 10);  // trimmed at the end
    EXPECT_EQ(DelayAfter("turn\0speed=5"s), 80);  // not the key
    EXPECT_EQ(DelayAfter("turnspeed=1\0"s
                         "0"),
              80);  // not a number
}

TEST(Rounding, RunsEvenWhenTheTextHoldsNothing) {
    for (const char* text : {"", "[Kurobi]", "[Kurobi]\r\n", "\r\n\r\n", "garbage"}) {
        SCOPED_TRACE(text);
        Settings s{.flipDelay = 150, .boardColor = kStartColor, .level = 3};
        const ReadResult result = ApplySettingsText(text, s);
        EXPECT_TRUE(result.opened);
        EXPECT_FALSE(result.levelRestored);
        EXPECT_EQ(s.flipDelay, 80);
        EXPECT_EQ(s.boardColor, kStartColor);
        EXPECT_EQ(s.level, 3);
    }
    EXPECT_EQ(DelayAfter("[Kurobi]", 19), 10);
    EXPECT_EQ(DelayAfter("[Kurobi]", 201), 300);
}

}  // namespace
}  // namespace kurobi
