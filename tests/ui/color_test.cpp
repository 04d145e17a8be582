#include <QColorDialog>
#include <QTimer>
#include <functional>

#include "tests/ui/form_fixture.h"

namespace kurobi::testing {
namespace {

class BoardColorTest : public FormTest {
  protected:
    // Opens the colour chooser through its menu item and lets `answer` handle it once it is up.
    void ChooseWith(std::function<void(QColorDialog*)> answer) {
        QTimer::singleShot(0, [answer] {
            auto* dialog = qobject_cast<QColorDialog*>(QApplication::activeModalWidget());
            ASSERT_NE(dialog, nullptr);
            answer(dialog);
        });
        Find<QAction>("K26")->trigger();
    }
};

TEST_F(BoardColorTest, TheChooserFirstShowsBlackAndAConfirmedColourPaintsTheBoard) {
    ShowAndSettle();
    QColor shown;
    ChooseWith([&](QColorDialog* dialog) {
        shown = dialog->currentColor();
        dialog->setCurrentColor(QColor(200, 10, 20));
        dialog->accept();
    });
    EXPECT_EQ(shown, QColor(Qt::black));
    EXPECT_EQ(form.State().BoardColor, 0x140AC8u);  // 0x00BBGGRR
    EXPECT_EQ(PixelAt(Canvas(), 1, 1), 0xC80A14);
}

TEST_F(BoardColorTest, TheChooserStartsFromItsOwnLastColour) {
    ShowAndSettle();
    ChooseWith([](QColorDialog* dialog) {
        dialog->setCurrentColor(QColor(0, 0, 255));
        dialog->accept();
    });
    form.State().BoardColor = 0x808000;
    QColor shown;
    ChooseWith([&](QColorDialog* dialog) {
        shown = dialog->currentColor();
        dialog->reject();
    });
    EXPECT_EQ(shown, QColor(0, 0, 255));
}

TEST_F(BoardColorTest, CancellingStillRedrawsInTheSameColour) {
    ShowAndSettle();
    GameState& s = form.State();
    s.WaitingToStart = 0;
    s.PlayerColor = kBlack;
    s.CpuColor = kWhite;
    SendMouse(Board(), QEvent::MouseButtonPress, Qt::RightButton, {10, 10});
    const int c = s.CellSize;
    ASSERT_EQ(PixelAt(Canvas(), 3 * c + 2, 2 * c + c / 2), kBlackPixel);  // ring on (4, 3)

    ChooseWith([](QColorDialog* dialog) {
        dialog->setCurrentColor(QColor(255, 0, 0));
        dialog->reject();
    });
    EXPECT_EQ(s.BoardColor, 0x808000u);
    EXPECT_EQ(PixelAt(Canvas(), 3 * c + 2, 2 * c + c / 2), kTealPixel);  // redrawn, ring gone
}

}  // namespace
}  // namespace kurobi::testing
