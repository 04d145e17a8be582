#include "tests/ui/form_fixture.h"

namespace kurobi::testing {
namespace {

class BoardPixelsTest : public FormTest, public ::testing::WithParamInterface<int> {
  protected:
    void SetUp() override {
        ShowAndSettle();
        form.SetOuterSize({GetParam(), GetParam()});
        Settle();
        c = form.State().CellSize;
    }

    int64_t At(int x, int y) { return PixelAt(Canvas(), x, y); }

    // Checks a disc in square (x, y): its outline on the first and last pixel of the ellipse
    // (c(x-1)+2 .. cx-3) along its middle row, the board just outside them, `fill` inside.
    void ExpectDisc(int x, int y, int64_t fill) {
        const int left = (x - 1) * c + 2;
        const int right = x * c - 3;
        const int middle = (y - 1) * c + c / 2;
        EXPECT_EQ(At(left - 1, middle), kTealPixel);
        EXPECT_EQ(At(left, middle), kBlackPixel);
        EXPECT_EQ(At((left + right) / 2, middle), fill);
        EXPECT_EQ(At(right, middle), kBlackPixel);
        EXPECT_EQ(At(right + 1, middle), kTealPixel);
    }

    int c = 0;
};

TEST_P(BoardPixelsTest, GeometryFollowsTheWindowWidth) {
    const int side = GetParam() * 3 / 4;
    EXPECT_EQ(form.frameGeometry().size(), QSize(GetParam(), GetParam()));
    EXPECT_EQ(form.OuterSize(), form.frameGeometry().size());
    EXPECT_EQ(Board()->size(), QSize(side, side));
    EXPECT_EQ(Canvas().size(), QSize(side, side));
    EXPECT_EQ(c, side / 8);
}

TEST_P(BoardPixelsTest, FrameAndBackground) {
    const int last = 8 * c - 1;
    for (const auto& [x, y] : {std::pair{0, 0}, {last, 0}, {0, last}, {last, last}, {c / 2, 0}}) {
        EXPECT_EQ(At(x, y), kBlackPixel) << x << "," << y;
    }
    EXPECT_EQ(At(1, 1), kTealPixel);
    EXPECT_EQ(At(last - 1, last - 1), kTealPixel);
    EXPECT_EQ(At(c / 2, c / 2), kTealPixel);
    // The strip beyond the board is never painted.
    EXPECT_EQ(At(8 * c, 5), -1);
    EXPECT_EQ(At(5, 8 * c), -1);
    EXPECT_EQ(At(Canvas().width() - 1, Canvas().height() - 1), -1);
}

TEST_P(BoardPixelsTest, GridLines) {
    for (int i = 1; i <= 7; ++i) {
        const int line = i * c;
        EXPECT_EQ(At(line, c / 2), kBlackPixel) << "column line " << i;
        EXPECT_EQ(At(line - 1, c / 2), kTealPixel) << "column line " << i;
        EXPECT_EQ(At(line + 1, c / 2), kTealPixel) << "column line " << i;
        EXPECT_EQ(At(c / 2, line), kBlackPixel) << "row line " << i;
        EXPECT_EQ(At(c / 2, line + 1), kTealPixel) << "row line " << i;
    }
}

TEST_P(BoardPixelsTest, StarPoints) {
    for (const auto& [p, q] : {std::pair{2, 2}, {2, 6}, {6, 2}, {6, 6}}) {
        const int x = p * c;
        const int y = q * c;
        const int row = y - 1;  // off the grid line
        EXPECT_EQ(At(x - 3, row), kTealPixel);
        EXPECT_EQ(At(x - 2, row), kBlackPixel);
        EXPECT_EQ(At(x + 1, row), kBlackPixel);
        EXPECT_EQ(At(x + 2, row), kTealPixel);
        EXPECT_EQ(At(x - 1, y - 3), kTealPixel);
        EXPECT_EQ(At(x - 1, y - 2), kBlackPixel);
        EXPECT_EQ(At(x - 1, y + 1), kBlackPixel);
        EXPECT_EQ(At(x - 1, y + 2), kTealPixel);
    }
}

TEST_P(BoardPixelsTest, StartingDiscs) {
    ExpectDisc(4, 4, kWhitePixel);
    ExpectDisc(5, 5, kWhitePixel);
    ExpectDisc(4, 5, kBlackPixel);
    ExpectDisc(5, 4, kBlackPixel);
    EXPECT_EQ(At(c / 2 + 5, c / 2), kTealPixel);  // square (1, 1) is empty
}

INSTANTIATE_TEST_SUITE_P(Widths, BoardPixelsTest, ::testing::Values(403, 430));

using WorkedExampleTest = FormTest;

// At 403 pixels: squares of 37, the first star point the ellipse (72, 72, 76, 76) and the disc
// of square (1, 1) the ellipse (2, 2, 35, 35).
TEST_F(WorkedExampleTest, At403PixelsWide) {
    EXPECT_EQ(form.State().CellSize, 37);
    EXPECT_EQ(Canvas().size(), QSize(302, 302));
    const QImage& canvas = Canvas();
    EXPECT_EQ(PixelAt(canvas, 71, 73), kTealPixel);
    EXPECT_EQ(PixelAt(canvas, 72, 73), kBlackPixel);
    EXPECT_EQ(PixelAt(canvas, 75, 73), kBlackPixel);
    EXPECT_EQ(PixelAt(canvas, 76, 73), kTealPixel);
    EXPECT_EQ(PixelAt(canvas, 295, 100), kBlackPixel);
    EXPECT_EQ(PixelAt(canvas, 296, 100), -1);

    form.State().GameBoard()[Cell(1, 1)] = kBlack;
    form.DrawDiscs();
    EXPECT_EQ(PixelAt(canvas, 1, 18), kTealPixel);
    EXPECT_EQ(PixelAt(canvas, 2, 18), kBlackPixel);
    EXPECT_EQ(PixelAt(canvas, 34, 18), kBlackPixel);
    EXPECT_EQ(PixelAt(canvas, 35, 18), kTealPixel);
    EXPECT_EQ(PixelAt(canvas, 18, 1), kTealPixel);
    EXPECT_EQ(PixelAt(canvas, 18, 2), kBlackPixel);
    EXPECT_EQ(PixelAt(canvas, 18, 34), kBlackPixel);
    EXPECT_EQ(PixelAt(canvas, 18, 35), kTealPixel);
}

TEST_F(WorkedExampleTest, DiscsAreDrawnOverWithoutClearingEmptySquares) {
    GameState& s = form.State();
    s.GameBoard()[Cell(3, 3)] = kWhite;
    form.DrawDiscs();
    EXPECT_EQ(PixelAt(Canvas(), 2 * 37 + 18, 2 * 37 + 18), kWhitePixel);
    s.GameBoard()[Cell(3, 3)] = kEmpty;
    form.DrawDiscs();
    EXPECT_EQ(PixelAt(Canvas(), 2 * 37 + 18, 2 * 37 + 18), kWhitePixel);
    form.DrawBoard();
    EXPECT_EQ(PixelAt(Canvas(), 2 * 37 + 18, 2 * 37 + 18), kTealPixel);
}

TEST_F(WorkedExampleTest, DrawDiscsShowsTheCounts) {
    form.State().PlayerDiscs = 7;
    form.State().CpuDiscs = 30;
    form.DrawDiscs();
    EXPECT_EQ(Find<QLabel>("Lbl_PlayerPoint")->text(), QString("7"));
    EXPECT_EQ(Find<QLabel>("Lbl_FoePoint")->text(), QString("30"));
}

TEST_F(WorkedExampleTest, TheNewGameDrawingClearsAClippedBoardOfFortyFivePixelSquares) {
    // Not shown yet: the window still has the size it was created with, 403 x 433.
    form.ClearBoardForNewGame();
    EXPECT_EQ(form.State().CellSize, 45);
    EXPECT_EQ(Canvas().size(), QSize(201, 216));
    EXPECT_EQ(PixelAt(Canvas(), 0, 0), kBlackPixel);
    EXPECT_EQ(PixelAt(Canvas(), 200, 0), kBlackPixel);
    EXPECT_EQ(PixelAt(Canvas(), 1, 1), kTealPixel);
    EXPECT_EQ(PixelAt(Canvas(), 200, 215), kTealPixel);
    EXPECT_EQ(PixelAt(Canvas(), 92, 108), kTealPixel);  // no disc, no grid
}

}  // namespace
}  // namespace kurobi::testing
