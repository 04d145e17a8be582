#pragma once
// Playing the real window as a user would: pressing its buttons and menu items, clicking squares
// of the board with mouse events, answering its message boxes, and acting in the middle of its
// waits, where a user's input arrives while a move is played out.

#include <QDialog>
#include <QGroupBox>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <functional>
#include <vector>

#include "tests/flow/game_positions.h"
#include "tests/ui/form_fixture.h"

namespace kurobi::testing {

inline const QString kThinking = QStringLiteral("考え中、、");
inline const QString kWaiting = QStringLiteral("待機中");

// A midgame position for the computer (black) to open on: at level 9 its search takes millions of
// nodes, long enough for the window to handle events before it ends.
inline constexpr char kLongThink[] =
    "--------"
    "---O-X--"
    "--OOXX--"
    "-XXOXOX-"
    "-OXXOX--"
    "--OXO---"
    "--X-----"
    "--------";

// The window, with a hook into each of its waits. A hook is queued as the wait begins, so it
// runs inside the wait's own event loop, as a click or a key press would.
class ObservedForm : public TForm1 {
  public:
    std::function<void()> inPause;
    std::function<void()> inThink;
    bool insideThink = false;

    void Pause(int ms) override {
        Queue(inPause);
        TForm1::Pause(ms);
    }
    void Think(const std::function<void()>& search) override {
        Queue(inThink);
        insideThink = true;
        TForm1::Think(search);
        insideThink = false;
    }

  private:
    static void Queue(const std::function<void()>& hook) {
        if (hook) QTimer::singleShot(0, hook);
    }
};

// Answers each message box once it is open, after `whileOpen` has had its turn inside it, and
// keeps the texts. Any other dialog is refused at once and counted: the game opens none.
class DialogAnswerer : public QObject {
  public:
    DialogAnswerer() { QApplication::instance()->installEventFilter(this); }
    ~DialogAnswerer() override { QApplication::instance()->removeEventFilter(this); }

    std::vector<QString> texts;
    int otherDialogs = 0;
    std::function<void(const QString& text)> whileOpen;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::Show || event->spontaneous()) return false;
        if (auto* box = qobject_cast<QMessageBox*>(watched)) {
            texts.push_back(box->text());
            QTimer::singleShot(0, box, [this, box] { Answer(box); });
        } else if (auto* dialog = qobject_cast<QDialog*>(watched)) {
            ++otherDialogs;
            QTimer::singleShot(0, dialog, &QDialog::reject);
        }
        return false;
    }

  private:
    void Answer(QMessageBox* box) {
        if (whileOpen) whileOpen(box->text());
        // Closing the window from inside takes the box down already.
        if (box->isVisible()) box->button(QMessageBox::Ok)->click();
    }
};

class GameTest : public FormTestOf<ObservedForm> {
  protected:
    void SetUp() override { ShowAndSettle(); }

    GameState& State() { return form.State(); }

    QAction* Item(const char* name) { return Find<QAction>(name); }
    void Trigger(const char* name) { Item(name)->trigger(); }
    void Press(const char* name) { Find<QPushButton>(name)->click(); }
    QString Text(const char* label) { return Find<QLabel>(label)->text(); }

    // RG_Tejun: 0 "先手(黒)", 1 "後手(白)".
    void ChooseOrder(int item) {
        Find<QGroupBox>("RG_Tejun")->findChildren<QRadioButton*>().at(item)->click();
    }

    // A press and release of `button` in the middle of square (x, y) of the board.
    void ClickSquare(int x, int y, Qt::MouseButton button = Qt::LeftButton) {
        const int c = State().CellSize;
        const QPoint at((x - 1) * c + c / 2, (y - 1) * c + c / 2);
        SendMouse(Board(), QEvent::MouseButtonPress, button, at);
        SendMouse(Board(), QEvent::MouseButtonRelease, button, at);
    }

    // A running game on `squares` (see PlacePosition), shown on the board, with the player to
    // move. The level and speed come from the menu before.
    void PlayerToMove(std::string_view squares, int32_t playerColor) {
        PlacePosition(State(), squares, playerColor);
        form.ShowCounts(State().PlayerDiscs, State().CpuDiscs);
        form.DrawBoard();
    }

    // `squares` with the computer black and to move, before the start: "開始" with "後手(白)"
    // chosen lets the computer open on it.
    void ComputerOpensOn(std::string_view squares) {
        PlayerToMove(squares, kWhite);
        State().WaitingToStart = 1;
        ChooseOrder(1);
    }

    // The board on screen shows the discs of `board` (the default board colour elsewhere).
    void ExpectBoardShown(const int32_t* board) {
        const int c = State().CellSize;
        for (int x = 1; x <= 8; ++x) {
            for (int y = 1; y <= 8; ++y) {
                const int32_t cell = board[Cell(x, y)];
                const int64_t expected = cell == kBlack   ? kBlackPixel
                                         : cell == kWhite ? kWhitePixel
                                                          : kTealPixel;
                EXPECT_EQ(PixelAt(Canvas(), (x - 1) * c + c / 2, (y - 1) * c + c / 2), expected)
                    << "square " << x << "," << y;
            }
        }
    }

    // Clicks the first legal square as long as it is the player's turn and the window is open,
    // checking the position after every move.
    void PlayToEnd() {
        for (int moves = 0; State().Turn == kPlayerTurn && !form.Closing() && moves < 64; ++moves) {
            const Square sq = FirstLegalSquare(State());
            ClickSquare(sq.x, sq.y);
            ExpectConsistent(State());
            ExpectCountsShown();
        }
    }

    // The count labels show the discs of the game position.
    void ExpectCountsShown() {
        EXPECT_EQ(Text("Lbl_PlayerPoint"), QString::number(State().PlayerDiscs));
        EXPECT_EQ(Text("Lbl_FoePoint"), QString::number(State().CpuDiscs));
    }

    // The message the game ends with, for the final counts.
    QString FinalMessage() {
        const int lead = State().PlayerDiscs - State().CpuDiscs;
        return QString(lead > 0    ? "あなたの勝ちです。"
                       : lead == 0 ? "引き分けです。"
                                   : "私の勝ちです。");
    }

    // The game is over, with its message last and the counts on show.
    void ExpectGameOver() {
        EXPECT_EQ(State().Turn, kGameOver);
        ASSERT_FALSE(answerer.texts.empty());
        EXPECT_EQ(answerer.texts.back(), FinalMessage());
        ExpectConsistent(State());
        ExpectCountsShown();
        EXPECT_EQ(Text("Label1"), kWaiting);
    }

    DialogAnswerer answerer;
};

}  // namespace kurobi::testing
