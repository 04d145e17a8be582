#include "settings/ini_text.h"

#include <gtest/gtest.h>

namespace kurobi {
namespace {

TEST(ParseDecimal, TakesTheWholeThirtyTwoBitRange) {
    EXPECT_EQ(ParseDecimal("2147483647"), 2147483647);
    EXPECT_EQ(ParseDecimal("-2147483648"), INT32_MIN);
    EXPECT_EQ(ParseDecimal("+0"), 0);
    EXPECT_EQ(ParseDecimal("-07"), -7);
}

TEST(ParseDecimal, RejectsAnythingButASignAndDigits) {
    for (const char* text : {"", "+", "-", "2147483648", "-2147483649", "99999999999999999999",
                             "--1", "+-1", " 1", "1 ", "1e3", "0x1", "١"}) {
        SCOPED_TRACE(text);
        EXPECT_FALSE(ParseDecimal(text).has_value());
    }
}

TEST(ParseHex, TakesDigitsInEitherCaseUpTo32Bits) {
    EXPECT_EQ(ParseHex("0"), 0u);
    EXPECT_EQ(ParseHex("aBcDeF"), 0xABCDEFu);
    EXPECT_EQ(ParseHex("FFFFFFFF"), 0xFFFFFFFFu);
    EXPECT_EQ(ParseHex("000000000001"), 1u);
}

TEST(ParseHex, RejectsPrefixesSignsAndOverflow) {
    for (const char* text : {"", "0x1", "x1", "-1", "+1", "g", "100000000", " 1"}) {
        SCOPED_TRACE(text);
        EXPECT_FALSE(ParseHex(text).has_value());
    }
}

TEST(TrimControlBytes, RemovesBytesUpTo32AtBothEndsOnly) {
    EXPECT_EQ(TrimControlBytes(std::string_view("\0 \t a b \r\n\x1f", 11)), "a b");
    EXPECT_EQ(TrimControlBytes(" \x01 "), "");
    EXPECT_EQ(TrimControlBytes("\x80x\xff"), "\x80x\xff");
}

TEST(LowerAscii, LowersOnlyLatinCapitals) {
    EXPECT_EQ(LowerAscii("TurnSpeed=ABC@[`{\xc3\x84"), "turnspeed=abc@[`{\xc3\x84");
}

}  // namespace
}  // namespace kurobi
