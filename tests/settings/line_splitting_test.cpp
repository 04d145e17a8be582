#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "settings/line_splitter.h"
#include "settings/settings_reader.h"

namespace kurobi {
namespace {

Settings Applied(std::string_view text) {
    Settings s;
    ApplySettingsText(text, s);
    return s;
}

std::vector<std::string> LinesOf(std::string_view text) {
    std::vector<std::string> lines;
    LineSplitter splitter([&](std::string_view line) { lines.emplace_back(line); });
    splitter.Feed(text);
    splitter.Finish();
    return lines;
}

TEST(LineEnds, CrLfAndCrLfReadAlike) {
    for (const char* end : {"\r\n", "\n", "\r"}) {
        SCOPED_TRACE(testing::PrintToString(std::string(end)));
        const std::string text = std::string("[Kurobi]") + end + "BoardColor = FF" + end +
                                 "TurnSpeed = 300" + end + end + "Level = 2" + end;
        const Settings s = Applied(text);
        EXPECT_EQ(s.boardColor, 0xFFu);
        EXPECT_EQ(s.flipDelay, 300);
        EXPECT_EQ(s.level, 2);
    }
}

TEST(LineEnds, LoneCrEndsALine) {
    const Settings s = Applied("turnspeed=5\rboardcolor=ff");
    EXPECT_EQ(s.flipDelay, 10);
    EXPECT_EQ(s.boardColor, 0xFFu);
}

TEST(LineEnds, LastLineNeedsNoLineEnd) {
    EXPECT_EQ(LinesOf("a\nb"), (std::vector<std::string>{"a", "b"}));
    EXPECT_EQ(LinesOf("a\n"), (std::vector<std::string>{"a"}));
    EXPECT_TRUE(LinesOf("").empty());
}

TEST(LineEnds, EveryCrAndLfEndsALine) {
    EXPECT_EQ(LinesOf("a\r\nb\n\rc\r"), (std::vector<std::string>{"a", "", "b", "", "c"}));
}

TEST(LongLines, AreCutInto255BytePieces) {
    const std::string line(600, 'x');
    EXPECT_EQ(LinesOf(line + "\ny"),
              (std::vector<std::string>{std::string(255, 'x'), std::string(255, 'x'),
                                        std::string(90, 'x'), "y"}));
}

TEST(LongLines, TextAfter255BytesIsALineOfItsOwn) {
    // The blank first piece is skipped and the second is a line of its own.
    EXPECT_EQ(Applied(std::string(255, ' ') + "turnspeed=10").flipDelay, 10);
    // The first piece has no "=", the second begins with the key.
    EXPECT_EQ(Applied(std::string(255, 'x') + "turnspeed=10").flipDelay, 10);
    // One byte less, and the cut falls inside the key.
    EXPECT_EQ(Applied(std::string(254, 'x') + "turnspeed=10").flipDelay, 80);
}

TEST(LongLines, AValueCutAt255BytesIsReadShort) {
    const std::string key = "boardcolor=";
    const Settings s = Applied(key + std::string(kMaxLineBytes - key.size(), '0') + "ff");
    EXPECT_EQ(s.boardColor, 0u);
}

TEST(LongLines, ALineOf255BytesIsWhole) {
    const std::string line = "turnspeed=5";
    const Settings s =
        Applied(std::string(kMaxLineBytes - line.size(), ' ') + line + "\nboardcolor=ff");
    EXPECT_EQ(s.flipDelay, 10);
    EXPECT_EQ(s.boardColor, 0xFFu);
}

TEST(LongLines, MegabytesWithoutALineEndAreReadThrough) {
    std::string text(3'000'000, 'z');
    text += "\nturnspeed=5";
    EXPECT_EQ(Applied(text).flipDelay, 10);
}

TEST(Chunks, FeedingInPiecesReadsLikeFeedingAtOnce) {
    const std::string text = "[Kurobi]\r\nturnspeed=5\r" + std::string(254, 'x') +
                             "boardcolor=ff\r\nlevel=4\n" + std::string(250, ' ') + "level=5";
    Settings whole;
    const ReadResult wholeResult = ApplySettingsText(text, whole);
    // Both long lines are cut inside their keys, so only the whole-text piece count gives this.
    ASSERT_EQ(whole.flipDelay, 10);
    ASSERT_EQ(whole.boardColor, kDefaultBoardColor);
    ASSERT_EQ(whole.level, 4);
    for (std::size_t size = 1; size <= 300; ++size) {
        SCOPED_TRACE(size);
        Settings s;
        SettingsReader reader(s);
        for (std::size_t at = 0; at < text.size(); at += size) {
            reader.Feed(std::string_view(text).substr(at, size));
        }
        EXPECT_EQ(reader.Finish().levelRestored, wholeResult.levelRestored);
        EXPECT_EQ(s.flipDelay, whole.flipDelay);
        EXPECT_EQ(s.boardColor, whole.boardColor);
        EXPECT_EQ(s.level, whole.level);
    }
}

}  // namespace
}  // namespace kurobi
