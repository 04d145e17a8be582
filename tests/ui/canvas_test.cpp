#include <gtest/gtest.h>

#include "tests/ui/form_fixture.h"
#include "ui/platform_canvas.h"

namespace kurobi::testing {
namespace {

constexpr ColorRef kRed = 0x0000FF;

class CanvasTest : public ::testing::Test {
  protected:
    void SetUp() override { canvas.Resize({40, 40}); }

    int64_t At(int x, int y) { return PixelAt(canvas.Image(), x, y); }

    GdiCanvas canvas;
};

TEST(ColorRefTest, RedIsTheLowByte) {
    EXPECT_EQ(ToQColor(0x808000), QColor(0, 128, 128));
    EXPECT_EQ(ToQColor(kRed), QColor(255, 0, 0));
    EXPECT_EQ(ToColorRef(QColor(1, 2, 3)), 0x030201u);
    EXPECT_EQ(ToColorRef(ToQColor(0x123456)), 0x123456u);
}

TEST_F(CanvasTest, StartsTransparent) {
    EXPECT_EQ(canvas.Size(), QSize(40, 40));
    EXPECT_EQ(At(0, 0), -1);
    EXPECT_EQ(At(39, 39), -1);
}

TEST_F(CanvasTest, RectangleLeavesOutItsRightAndBottomEdges) {
    canvas.SetPenColor(0x000000);
    canvas.SetBrushColor(kRed);
    canvas.Rectangle(2, 3, 10, 12);
    EXPECT_EQ(At(1, 5), -1);
    EXPECT_EQ(At(2, 5), kBlackPixel);
    EXPECT_EQ(At(3, 5), 0xFF0000);
    EXPECT_EQ(At(8, 5), 0xFF0000);
    EXPECT_EQ(At(9, 5), kBlackPixel);
    EXPECT_EQ(At(10, 5), -1);
    EXPECT_EQ(At(5, 2), -1);
    EXPECT_EQ(At(5, 3), kBlackPixel);
    EXPECT_EQ(At(5, 11), kBlackPixel);
    EXPECT_EQ(At(5, 12), -1);
}

TEST_F(CanvasTest, EllipseStaysInsideTheSameBounds) {
    canvas.SetBrushColor(0xFFFFFF);
    canvas.Ellipse(2, 2, 35, 35);
    EXPECT_EQ(At(1, 18), -1);
    EXPECT_EQ(At(2, 18), kBlackPixel);
    EXPECT_EQ(At(18, 18), kWhitePixel);
    EXPECT_EQ(At(34, 18), kBlackPixel);
    EXPECT_EQ(At(35, 18), -1);
    EXPECT_EQ(At(18, 2), kBlackPixel);
    EXPECT_EQ(At(18, 34), kBlackPixel);
    EXPECT_EQ(At(18, 35), -1);
    EXPECT_EQ(At(2, 2), -1);  // corners of the bounds stay outside
}

TEST_F(CanvasTest, LinesLeaveOutTheirEndPoint) {
    canvas.MoveTo(0, 5);
    canvas.LineTo(20, 5);
    EXPECT_EQ(At(0, 5), kBlackPixel);
    EXPECT_EQ(At(19, 5), kBlackPixel);
    EXPECT_EQ(At(20, 5), -1);
    canvas.LineTo(20, 15);  // on from the end of the last line
    EXPECT_EQ(At(20, 5), kBlackPixel);
    EXPECT_EQ(At(20, 14), kBlackPixel);
    EXPECT_EQ(At(20, 15), -1);
}

TEST_F(CanvasTest, ThePenAndBrushStayUntilChanged) {
    canvas.SetPenColor(kRed);
    canvas.SetBrushColor(kRed);
    canvas.Rectangle(0, 0, 5, 5);
    canvas.Ellipse(10, 10, 20, 20);
    EXPECT_EQ(At(0, 0), 0xFF0000);
    EXPECT_EQ(At(10, 15), 0xFF0000);
}

TEST_F(CanvasTest, ResizingWipesOnlyWhenTheSizeChanges) {
    canvas.Rectangle(0, 0, 10, 10);
    EXPECT_FALSE(canvas.Resize({40, 40}));
    EXPECT_EQ(At(0, 0), kBlackPixel);
    EXPECT_TRUE(canvas.Resize({30, 20}));
    EXPECT_EQ(canvas.Size(), QSize(30, 20));
    EXPECT_EQ(At(0, 0), -1);
}

}  // namespace
}  // namespace kurobi::testing
