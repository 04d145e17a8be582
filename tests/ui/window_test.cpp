#include <QElapsedTimer>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>
#include <QWindow>

#include "tests/ui/form_fixture.h"

namespace kurobi::testing {
namespace {

using WindowTest = FormTest;

TEST_F(WindowTest, StartUpState) {
    const GameState& s = form.State();
    EXPECT_EQ(s.WaitingToStart, 1u);
    EXPECT_EQ(s.Turn, kPlayerTurn);
    EXPECT_EQ(s.BoardColor, 0x808000u);
    EXPECT_EQ(s.FlipDelay, 80);
    EXPECT_EQ(s.BaseDepth, 6);
    EXPECT_EQ(s.SearchDepth, 6);
    EXPECT_EQ(s.EndgameStart, 51);
    EXPECT_EQ(s.Ply, 1);
    EXPECT_EQ(s.PlayerDiscs, 2);
    EXPECT_EQ(s.CpuDiscs, 2);
    EXPECT_EQ(s.EmptyCount, 60);
    EXPECT_EQ(s.GameBoard()[Cell(4, 4)], kWhite);
    EXPECT_EQ(s.GameBoard()[Cell(5, 4)], kBlack);
    EXPECT_EQ(s.CellSize, 37);  // drawn in full at 403 pixels
    EXPECT_EQ(PixelAt(Canvas(), 1, 1), kTealPixel);
}

// A size that the window system gives is answered with the square of its width; one that the
// program asks for itself is taken as it is.
TEST_F(WindowTest, ResizingKeepsTheWindowSquareAndTheBoardAtThreeQuarters) {
    ShowAndSettle();
    const QMargins frame = form.windowHandle()->frameMargins();
    form.resize(QSize(500, 300).shrunkBy(frame));
    ASSERT_TRUE(SettleUntil([&] { return form.frameGeometry().size() == QSize(500, 500); }))
        << form.frameGeometry().height();
    EXPECT_EQ(Board()->size(), QSize(375, 375));
    EXPECT_EQ(form.State().CellSize, 46);
    form.resize(QSize(350, 600).shrunkBy(frame));
    ASSERT_TRUE(SettleUntil([&] { return form.frameGeometry().size() == QSize(350, 350); }))
        << form.frameGeometry().height();
    EXPECT_EQ(form.State().CellSize, 262 / 8);
}

// A wide, low window (a tile, a maximised window) keeps the board within it, under the buttons.
TEST_F(WindowTest, ABoardInAWideWindowFitsUnderTheButtons) {
    ShowAndSettle();
    form.SetOuterSize({1020, 400});
    Settle();
    QWidget* client = form.centralWidget();
    EXPECT_EQ(Board()->geometry().bottom(), client->height() - 1);
    EXPECT_EQ(Board()->width(), Board()->height());
    EXPECT_LT(Board()->height(), 1020 * 3 / 4);
    EXPECT_EQ(form.State().CellSize, Board()->width() / 8);
}

TEST_F(WindowTest, PaintingAtAnUnchangedSizeCausesNoFurtherPaint) {
    ShowAndSettle();
    EventCounter paints(Board(), QEvent::Paint);
    Board()->update();
    Settle();
    EXPECT_EQ(paints.count, 1);
    Settle();
    EXPECT_EQ(paints.count, 1);
}

TEST_F(WindowTest, AfterTheNewGameDrawingTheNextPaintRestoresTheBoard) {
    ShowAndSettle();
    EventCounter paints(Board(), QEvent::Paint);
    form.ClearBoardForNewGame();
    EXPECT_EQ(form.State().CellSize, 45);
    Settle();
    EXPECT_EQ(paints.count, 2);  // the one that resizes the surface, and the one it causes
    EXPECT_EQ(form.State().CellSize, 37);
    EXPECT_EQ(Board()->size(), QSize(302, 302));
    EXPECT_EQ(PixelAt(Canvas(), 37, 10), kBlackPixel);  // the grid is back
    EXPECT_EQ(PixelAt(Canvas(), 3 * 37 + 18, 3 * 37 + 18), kWhitePixel);
}

TEST_F(WindowTest, PauseWaitsLongerThanAskedAndKeepsHandlingEvents) {
    bool handled = false;
    QTimer::singleShot(0, [&] { handled = true; });
    QElapsedTimer clock;
    clock.start();
    form.Pause(30);
    EXPECT_GT(clock.elapsed(), 30);
    EXPECT_TRUE(handled);
}

TEST_F(WindowTest, TheVersionPanelShowsForTwoDisplayPauses) {
    ShowAndSettle();
    form.K17Click();
    QWidget* panel = Find("Panel1");
    bool shownDuringPause = false;
    QTimer::singleShot(0, [&] { shownDuringPause = panel->isVisible(); });
    QElapsedTimer clock;
    clock.start();
    Find<QPushButton>("Btn_Jouhou")->click();
    EXPECT_GT(clock.elapsed(), 20);
    EXPECT_TRUE(shownDuringPause);
    EXPECT_FALSE(panel->isVisible());
}

TEST_F(WindowTest, TheMemoButtonClearsTheMemo) {
    form.AppendMemo("last spart");
    auto* memo = Find<QPlainTextEdit>("Memo1");
    EXPECT_EQ(memo->toPlainText(), QString("Memo1\nlast spart"));
    Find<QPushButton>("Button2")->click();
    EXPECT_TRUE(memo->toPlainText().isEmpty());
}

TEST_F(WindowTest, TheQuitButtonClosesTheWindow) {
    ShowAndSettle();
    EXPECT_FALSE(form.Closing());
    Find<QPushButton>("Button6")->click();
    EXPECT_FALSE(form.isVisible());
    EXPECT_TRUE(form.Closing());
}

TEST_F(WindowTest, ClosingByTheWindowSystemMarksTheWindowClosing) {
    ShowAndSettle();
    form.close();
    EXPECT_TRUE(form.Closing());
}

TEST_F(WindowTest, TheHiddenMinimiseButtonShrinksToFourThirtyAndHides) {
    ShowAndSettle();
    Find<QPushButton>("Button1")->click();
    Settle();
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(form.frameGeometry().size(), QSize(430, 430));
    EXPECT_EQ(form.State().CellSize, 40);
}

TEST_F(WindowTest, AMessageWaitsForItsOneButton) {
    ShowAndSettle();
    QString text;
    QString title;
    int buttons = 0;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        text = box->text();
        title = box->windowTitle();
        buttons = static_cast<int>(box->buttons().size());
        box->button(QMessageBox::Ok)->click();
    });
    form.ShowMessage("あなたはパスです");
    EXPECT_EQ(text, QString("あなたはパスです"));
    EXPECT_EQ(title, QApplication::applicationDisplayName());
    EXPECT_EQ(buttons, 1);
}

TEST_F(WindowTest, StartCaptionAndOrderChoice) {
    form.SetStartCaption("やり直す");
    EXPECT_EQ(Find<QPushButton>("Btn_Start")->text(), QString("やり直す"));
    form.SetOrderChoiceEnabled(false);
    EXPECT_FALSE(Find("RG_Tejun")->isEnabled());
    form.SetOrderChoiceEnabled(true);
    EXPECT_TRUE(Find("RG_Tejun")->isEnabled());
}

}  // namespace
}  // namespace kurobi::testing
