#include "tests/ui/form_fixture.h"

namespace kurobi::testing {
namespace {

// The squares where black may move in the starting position.
const std::pair<int, int> kOpeningMoves[] = {{4, 3}, {3, 4}, {6, 5}, {5, 6}};

class RingsTest : public FormTest {
  protected:
    void SetUp() override {
        ShowAndSettle();
        GameState& s = form.State();
        s.PlayerColor = kBlack;
        s.CpuColor = kWhite;
        s.WaitingToStart = 0;
        s.Turn = kPlayerTurn;
    }

    void Press(Qt::MouseButton button) {
        SendMouse(Board(), QEvent::MouseButtonPress, button, {100, 100});
    }
    void Release(Qt::MouseButton button, QPoint at = {100, 100}) {
        SendMouse(Board(), QEvent::MouseButtonRelease, button, at);
    }

    // The pixel on a ring's outline at the left of square (x, y), and the one at its middle.
    int64_t Outline(int x, int y) {
        const int c = form.State().CellSize;
        return PixelAt(Canvas(), (x - 1) * c + 2, (y - 1) * c + c / 2);
    }
    int64_t Middle(int x, int y) {
        const int c = form.State().CellSize;
        return PixelAt(Canvas(), (x - 1) * c + c / 2, (y - 1) * c + c / 2);
    }

    bool AnyRing() {
        for (const auto& [x, y] : kOpeningMoves) {
            if (Outline(x, y) != kTealPixel) return true;
        }
        return false;
    }
};

TEST_F(RingsTest, RightPressDrawsARingOnEveryLegalSquare) {
    Press(Qt::RightButton);
    for (const auto& [x, y] : kOpeningMoves) {
        EXPECT_EQ(Outline(x, y), kBlackPixel) << x << "," << y;
        EXPECT_EQ(Middle(x, y), kTealPixel) << x << "," << y;
    }
    EXPECT_EQ(Outline(3, 3), kTealPixel);
    EXPECT_EQ(form.State().PlayerMoveCount[1], 4);
}

TEST_F(RingsTest, RightReleaseOverTheBoardErasesThem) {
    Press(Qt::RightButton);
    Release(Qt::RightButton);
    EXPECT_FALSE(AnyRing());
    EXPECT_EQ(Middle(4, 4), kWhitePixel);  // discs stay
    EXPECT_EQ(Outline(4, 4), kBlackPixel);
}

TEST_F(RingsTest, RingsStayWhenReleasedOffTheBoardOrByAnotherButton) {
    Press(Qt::RightButton);
    Release(Qt::LeftButton);
    Release(Qt::RightButton, {Board()->width() + 20, 10});
    EXPECT_TRUE(AnyRing());
}

TEST_F(RingsTest, RingsSurviveDrawDiscsButNotDrawBoard) {
    Press(Qt::RightButton);
    form.DrawDiscs();
    EXPECT_TRUE(AnyRing());
    form.DrawBoard();
    EXPECT_FALSE(AnyRing());
}

TEST_F(RingsTest, NoRingsBeforeTheGameStartsOrOnTheComputersTurn) {
    form.State().WaitingToStart = 1;
    Press(Qt::RightButton);
    EXPECT_FALSE(AnyRing());
    form.State().WaitingToStart = 0;
    form.State().Turn = kComputerTurn;
    Press(Qt::RightButton);
    EXPECT_FALSE(AnyRing());
}

TEST_F(RingsTest, TheLeftButtonDrawsNoRings) {
    Press(Qt::LeftButton);
    EXPECT_FALSE(AnyRing());
}

TEST_F(RingsTest, ReleaseWithoutRingsLeavesThePictureAsItWas) {
    const QImage before = Canvas().copy();
    Release(Qt::RightButton);
    EXPECT_EQ(Canvas(), before);
}

}  // namespace
}  // namespace kurobi::testing
