#pragma once
// TForm1, the program's one window. It owns the game state and every control, receives every
// user action through its handlers, and is the screen the game flow draws on (GameView).

#include <QMainWindow>
#include <QTimer>
#include <atomic>
#include <memory>
#include <thread>

#include "core/game_flow.h"
#include "core/game_state.h"
#include "core/game_view.h"
#include "settings/settings.h"
#include "ui/client_area.h"
#include "ui/form_controls.h"
#include "ui/main_menu.h"
#include "ui/platform_color_dialog.h"
#include "ui/platform_sound.h"
#include "ui/platform_wait.h"
#include "ui/square_rule.h"
#include "ui/tray_icon.h"

class QMessageBox;

namespace kurobi {

// The window caption and the application title differ by the point after "ver".
inline constexpr char kFormCaption[] = "Kurobiver1.17";
inline constexpr char kApplicationTitle[] = "Kurobiver.1.17";
// The caption in the flashing steps of the corner effect, where only the caption can flash.
inline constexpr char kFlashingCaption[] = "◆ Kurobiver1.17 ◆";

class TForm1 : public QMainWindow, public GameView {
    Q_OBJECT

  public:
    explicit TForm1(QWidget* parent = nullptr);
    ~TForm1() override;

    GameState& State() { return *state_; }
    // The notification icon; null until it is first added.
    TrayIcon* Tray() { return tray_.get(); }

    // The window's size including the frame that the window system puts around it, where it
    // tells; the board's geometry follows the outer width.
    QSize OuterSize() const;
    // Asks the window system for this outer size. The square rule leaves the program's own
    // sizes alone: it answers the sizes the window system gives.
    void SetOuterSize(QSize outer);

    // GameView.
    void SetStatusText(std::string_view text) override;
    void SetForecastText(std::string_view text) override;
    void ShowCounts(int playerDiscs, int cpuDiscs) override;
    void DrawDiscs() override;
    void DrawBoard() override;
    void ClearBoardForNewGame() override;
    void DrawMoveRings() override;
    void PlayWave(Sound sound) override;
    void Pause(int ms) override;
    void ProcessEvents() override;
    void FlashWindow() override;
    void ShowMessage(std::string_view text) override;
    void AppendMemo(std::string_view line) override;
    void SetUndoEnabled(bool enabled) override;
    void SetOrderChoiceEnabled(bool enabled) override;
    void SetOrderChoice(int item) override;
    int OrderChoice() const override;
    void SetStartCaption(std::string_view text) override;
    // Runs the search on a thread of its own while the window keeps handling events; input
    // that would change the game or its settings is ignored until the search is over.
    void Think(const std::function<void()>& search) override;
    bool Closing() const override { return closing_; }
    const std::atomic<bool>* StopRequest() const override { return &stopRequest_; }

    // Handlers of the controls and menu items.
    void Btn_StartClick();
    void Btn_JouhouClick();
    void Button1Click();
    void Button2Click();
    void Button3Click();
    void Button5Click();
    void Button6Click();
    void Exit2Click() { close(); }
    void Undo1Click();
    void K17Click() { SetDisplaySpeed(kFastFlipDelay); }
    void K18Click() { SetDisplaySpeed(kNormalFlipDelay); }
    void K19Click() { SetDisplaySpeed(kSlowFlipDelay); }
    void K26Click();
    void PB_BanMouseDown(Qt::MouseButton button, QPoint position);
    void PB_BanMouseUp(Qt::MouseButton button, QPoint position);
    void PB_BanPaint() { DrawBoard(); }
    void FormResize();

    // The handler of the level items K6..K15 and K25 (levels 1..11): the level's search
    // fields and its check mark.
    void SelectLevel(int level);
    // FlipDelay and the display-speed check marks ("どぱっ", "ぱらぱら", "だらだら").
    void SetDisplaySpeed(int flipDelay);
    // One pause of FlipDelay milliseconds: the beat of every animation.
    void DisplayPause() { Pause(state_->FlipDelay); }

  protected:
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    void ConnectHandlers();
    void ConnectUnlessThinking(QPushButton* button, std::function<void()> handler);
    void ConnectUnlessThinking(QAction* item, std::function<void()> handler);
    void WaitForSearch();
    void FormCreate();
    // The frame the window system puts around the window, where it tells.
    QMargins FrameMargins() const;
    // A window manager frames the window only once it is shown; the frame is known from the
    // window's first expose on. When the frame has changed, the window is squared with it.
    void FollowFrame();
    // Asks for the square outer size of the outer width the window was last set to with its
    // frame, the client area giving way to the frame; a window that had no frame before is
    // centred anew.
    void SquareWithFrame();
    // Shown for the first time: square with the frame it now has, unless the window system has
    // given it a size of its own meanwhile (a tiling compositor's).
    void SquareAtFirstShow();
    void RetrySquare();
    // Asks for the client size the square rule answered with, if it answered; returns whether.
    bool AskForSquare(const std::optional<QSize>& client);

    // "Kurobi.ini": read into the speed, colour and level as their menu items set them;
    // written from them. Neither reports anything.
    void ReadSettingsFile();
    void WriteSettingsFile();
    // The notification icon, made on the first add; a second add changes nothing.
    void AddTrayIcon();

    std::unique_ptr<GameState> state_;
    GameFlow flow_{*state_, *this};
    ClientArea* client_ = nullptr;
    FormControls controls_{};
    MainMenuItems menu_{};
    WavePlayer waves_;
    ColorChooser ColorDialog1;
    bool closing_ = false;
    // Closing sets it; a search that sees it ends at once.
    std::atomic<bool> stopRequest_{false};
    // The computer's search, while it runs.
    bool thinking_ = false;
    std::thread thinker_;
    // The message box that is open, for closing to take it down.
    QMessageBox* openMessage_ = nullptr;
    std::unique_ptr<TrayIcon> tray_;
    Pauses pauses_;
    // The frame that the window's size was last set for.
    QMargins sizedFrame_;
    SquareRule squareRule_;
    // Runs from a size the window system gives until the square rule answers it.
    QTimer settle_;
    QTimer retry_;
    // While the program sets the window's size itself.
    bool settingSize_ = false;
    bool exposed_ = false;
    // The client size that the program last set.
    QSize setClient_;
};

}  // namespace kurobi
