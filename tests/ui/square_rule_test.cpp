#include "ui/square_rule.h"

#include <gtest/gtest.h>

namespace kurobi {
namespace {

const QMargins kFrame(5, 29, 5, 5);  // a title bar higher than the borders are wide

TEST(SquareRuleTest, AsksForTheSquareOfTheGivenWidthWithItsFrame) {
    SquareRule rule;
    EXPECT_EQ(rule.Given({490, 300}, kFrame, true), QSize(490, 466));
    EXPECT_EQ(rule.Given({490, 466}, kFrame, true), std::nullopt);
    EXPECT_EQ(rule.Given({490, 300}, kFrame, false), std::nullopt);  // maximised: kept
}

// A desktop that answers the request with a size of its own keeps it: giving that size again
// asks nothing, so there is no resize loop; another size is asked for anew.
TEST(SquareRuleTest, DoesNotAskAgainForTheSquareItWasJustRefused) {
    SquareRule rule;
    ASSERT_TRUE(rule.Given({1020, 741}, {}, true));
    EXPECT_EQ(rule.Given({1020, 741}, {}, true), std::nullopt);
    EXPECT_EQ(rule.Given({1020, 741}, {}, true), std::nullopt);
    EXPECT_EQ(rule.Given({800, 741}, {}, true), QSize(800, 800));
    // Asked once more, at most, while the refused size stays.
    EXPECT_EQ(rule.Given({800, 700}, {}, true), std::nullopt);
    EXPECT_EQ(rule.Retry({800, 741}), std::nullopt);
    EXPECT_EQ(rule.Retry({800, 700}), QSize(800, 800));
    EXPECT_EQ(rule.Given({800, 700}, {}, true), std::nullopt);
    EXPECT_EQ(rule.Retry({800, 700}), std::nullopt);
    // A request granted without a word, then the user's resize to the same width.
    rule.UserResizing();
    EXPECT_EQ(rule.Given({800, 900}, {}, true), QSize(800, 800));
}

}  // namespace
}  // namespace kurobi
