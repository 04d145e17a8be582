#include "ui/client_area.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>

#include "tests/ui/form_fixture.h"

namespace kurobi::testing {
namespace {

class ClientAreaTest : public ::testing::Test {
  protected:
    void SetUp() override {
        area.resize(200, 200);
        label->setGeometry(10, 10, 50, 20);
        button->setGeometry(10, 50, 50, 20);
        area.OnBareLeftPress([this] { ++drags; });
        area.show();
    }

    ClientArea area{nullptr};
    QLabel* label = new QLabel("YOU", &area);
    QPushButton* button = new QPushButton("開始", &area);
    int drags = 0;
};

TEST_F(ClientAreaTest, ALeftPressOnTheBareAreaDragsTheWindow) {
    SendMouse(&area, QEvent::MouseButtonPress, Qt::LeftButton, {150, 150});
    EXPECT_EQ(drags, 1);
}

TEST_F(ClientAreaTest, OtherButtonsDoNot) {
    SendMouse(&area, QEvent::MouseButtonPress, Qt::RightButton, {150, 150});
    SendMouse(&area, QEvent::MouseButtonPress, Qt::MiddleButton, {150, 150});
    EXPECT_EQ(drags, 0);
}

TEST_F(ClientAreaTest, PressesOnControlsStayWithThem) {
    SendMouse(label, QEvent::MouseButtonPress, Qt::LeftButton, {5, 5});
    SendMouse(button, QEvent::MouseButtonPress, Qt::LeftButton, {5, 5});
    EXPECT_EQ(drags, 0);
}

TEST_F(ClientAreaTest, AHiddenControlLeavesItsPlaceBare) {
    button->hide();
    SendMouse(&area, QEvent::MouseButtonPress, Qt::LeftButton, {15, 55});
    EXPECT_EQ(drags, 1);
}

}  // namespace
}  // namespace kurobi::testing
