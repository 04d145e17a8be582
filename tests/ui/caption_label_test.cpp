#include "ui/caption_label.h"

#include <gtest/gtest.h>

#include <QFontMetrics>

namespace kurobi {
namespace {

TEST(CaptionLabelTest, ARightAlignedLabelKeepsItsRightEdge) {
    CaptionLabel label(nullptr, CaptionLabel::Anchor::Right);
    label.setGeometry(376, 160, 13, 21);
    label.SetCaption("64");
    const QFontMetrics metrics(label.font());
    EXPECT_EQ(label.geometry().right(), 388);
    EXPECT_EQ(label.width(), metrics.horizontalAdvance("64"));
    EXPECT_EQ(label.height(), metrics.height());
    EXPECT_EQ(label.y(), 160);
}

TEST(CaptionLabelTest, ALeftAlignedLabelKeepsItsLeftEdge) {
    CaptionLabel label(nullptr, CaptionLabel::Anchor::Left);
    label.setGeometry(304, 8, 8, 19);
    label.SetCaption("待機中");
    EXPECT_EQ(label.x(), 304);
    EXPECT_EQ(label.width(), QFontMetrics(label.font()).horizontalAdvance("待機中"));
}

TEST(CaptionLabelTest, TheSameTextKeepsTheStoredSize) {
    CaptionLabel label(nullptr, CaptionLabel::Anchor::Right);
    label.setText("2");
    label.setGeometry(377, 208, 13, 19);
    label.SetCaption("2");
    EXPECT_EQ(label.geometry(), QRect(377, 208, 13, 19));
}

// A stored size too small for the text in the font it is drawn in grows, from its anchored edge;
// one large enough stays.
TEST(CaptionLabelTest, AStoredSizeGrowsToItsTextInItsOwnFont) {
    CaptionLabel label(nullptr, CaptionLabel::Anchor::Right);
    label.setText("YOU");
    QFont big = label.font();
    big.setPixelSize(40);
    label.setFont(big);
    label.setGeometry(312, 160, 44, 21);
    label.GrowToFit();
    const QFontMetrics metrics(big);
    ASSERT_GT(metrics.horizontalAdvance("YOU"), 44);
    EXPECT_EQ(label.width(), metrics.horizontalAdvance("YOU"));
    EXPECT_EQ(label.geometry().right(), 312 + 44 - 1);
    EXPECT_EQ(label.height(), metrics.height());
    label.setGeometry(312, 160, 400, 100);
    label.GrowToFit();
    EXPECT_EQ(label.geometry(), QRect(312, 160, 400, 100));
}

}  // namespace
}  // namespace kurobi
