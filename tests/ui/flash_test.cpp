// The corner effect's flashes: each toggles a visible highlight, and six leave the window as it
// was.

#include "tests/ui/form_fixture.h"

namespace kurobi::testing {
namespace {

using FlashTest = FormTest;

TEST_F(FlashTest, EachFlashTogglesTheHighlightAndSixLeaveTheWindowAsItWas) {
    ShowAndSettle();
    QWidget* client = form.centralWidget();
    const QPoint bare(380, 340);  // right of the board, below the counts: no control there
    ASSERT_EQ(client->childAt(bare), nullptr);
    const QRgb before = client->grab().toImage().pixel(bare);
    form.FlashWindow();
    const QRgb flashed = client->grab().toImage().pixel(bare);
    EXPECT_NE(flashed, before);
    EXPECT_EQ(flashed, client->palette().color(QPalette::Highlight).rgb());
    for (int i = 1; i < 6; ++i) form.FlashWindow();
    EXPECT_EQ(client->grab().toImage().pixel(bare), before);
}

}  // namespace
}  // namespace kurobi::testing
