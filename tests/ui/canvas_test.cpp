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

// On a screen of twice the density: the same shapes in the same logical bounds, each logical
// pixel two device pixels wide, with the pen one logical pixel wide.
class CanvasAtRatio2Test : public ::testing::Test {
  protected:
    void SetUp() override { canvas.Resize({40, 40}, 2); }

    // In device pixels.
    int64_t At(int x, int y) { return PixelAt(canvas.Image(), x, y); }

    GdiCanvas canvas;
};

TEST_F(CanvasAtRatio2Test, HasTheDevicePixels) {
    EXPECT_EQ(canvas.Size(), QSize(40, 40));
    EXPECT_EQ(canvas.Image().size(), QSize(80, 80));
    EXPECT_FALSE(canvas.Resize({40, 40}, 2));
    EXPECT_TRUE(canvas.Resize({40, 40}, 1));
    EXPECT_EQ(canvas.Image().size(), QSize(40, 40));
}

TEST_F(CanvasAtRatio2Test, RectangleKeepsItsBoundsWithATwoPixelOutline) {
    canvas.SetBrushColor(kRed);
    canvas.Rectangle(2, 3, 10, 12);  // device pixels 4..19 by 6..23
    const int middle = 10;
    EXPECT_EQ(At(3, middle), -1);
    EXPECT_EQ(At(4, middle), kBlackPixel);
    EXPECT_EQ(At(5, middle), kBlackPixel);
    EXPECT_EQ(At(6, middle), 0xFF0000);
    EXPECT_EQ(At(17, middle), 0xFF0000);
    EXPECT_EQ(At(18, middle), kBlackPixel);
    EXPECT_EQ(At(19, middle), kBlackPixel);
    EXPECT_EQ(At(20, middle), -1);
    EXPECT_EQ(At(8, 5), -1);
    EXPECT_EQ(At(8, 6), kBlackPixel);
    EXPECT_EQ(At(8, 8), 0xFF0000);
    EXPECT_EQ(At(8, 23), kBlackPixel);
    EXPECT_EQ(At(8, 24), -1);
}

TEST_F(CanvasAtRatio2Test, LinesLeaveOutTheirEndPoint) {
    canvas.MoveTo(0, 5);
    canvas.LineTo(20, 5);
    for (const int y : {10, 11}) {
        EXPECT_EQ(At(0, y), kBlackPixel);
        EXPECT_EQ(At(39, y), kBlackPixel);
        EXPECT_EQ(At(40, y), -1);
    }
    EXPECT_EQ(At(20, 9), -1);
    EXPECT_EQ(At(20, 12), -1);
}

// The outline of an ellipse, unlike that of an enlarged one, steps by single device pixels:
// some 2x2 blocks on it are not of one colour.
TEST_F(CanvasAtRatio2Test, EllipseStaysInsideItsBoundsAtFullResolution) {
    canvas.SetBrushColor(0xFFFFFF);
    canvas.Ellipse(2, 2, 35, 35);  // device pixels 4..69
    const int middle = 37;
    EXPECT_EQ(At(3, middle), -1);
    EXPECT_EQ(At(4, middle), kBlackPixel);
    EXPECT_EQ(At(37, middle), kWhitePixel);
    EXPECT_EQ(At(69, middle), kBlackPixel);
    EXPECT_EQ(At(70, middle), -1);
    EXPECT_EQ(At(middle, 3), -1);
    EXPECT_EQ(At(middle, 4), kBlackPixel);
    EXPECT_EQ(At(middle, 69), kBlackPixel);
    EXPECT_EQ(At(middle, 70), -1);
    int mixedBlocks = 0;
    for (int y = 0; y < 80; y += 2) {
        for (int x = 0; x < 80; x += 2) {
            const int64_t corner = At(x, y);
            if (At(x + 1, y) != corner || At(x, y + 1) != corner || At(x + 1, y + 1) != corner) {
                ++mixedBlocks;
            }
        }
    }
    EXPECT_GT(mixedBlocks, 20);
}

}  // namespace
}  // namespace kurobi::testing
