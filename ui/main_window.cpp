#include "ui/main_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QEventLoop>
#include <QMessageBox>
#include <QScopedValueRollback>
#include <QWindow>
#include <algorithm>
#include <utility>

#include "engine/levels.h"
#include "ui/board_drawing.h"
#include "ui/platform_window.h"

namespace kurobi {
namespace {

constexpr QSize kCreatedSize(403, 433);
// A Wayland compositor that draws the frame itself tells no frame to square the window by once
// shown, and keeps the first size as the window's own: there the window starts square.
constexpr QSize kCreatedOnWayland(403, 403);
constexpr int kMinimisedWidth = 430;
// However the desktop sizes the window: the row of buttons whole, and a board under it.
constexpr QSize kSmallestClient(257, 200);
// A given size is answered once the window system has been quiet this long: a window manager
// tells the window's new state (maximised) just after its new size.
constexpr int kSettleMs = 100;
// A square refused on Wayland is asked for once more after this long.
constexpr int kRetryMs = 500;
// The game flow waits this long between two toggles of the corner flash.
constexpr int kFlashStepMs = 150;

QString FromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

MouseButton FlowButton(Qt::MouseButton button) {
    switch (button) {
        case Qt::LeftButton:
            return MouseButton::Left;
        case Qt::RightButton:
            return MouseButton::Right;
        default:
            return MouseButton::Other;
    }
}

}  // namespace

TForm1::TForm1(QWidget* parent) : QMainWindow(parent), state_(std::make_unique<GameState>()) {
    InitGameState(*state_);
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QString::fromUtf8(kFormCaption));
    setWindowIcon(ProgramIcon());
    // First, so that the controls are laid out in the font they will show.
    setFont(WindowFont());
    client_ = new ClientArea(this);
    setCentralWidget(client_);
    controls_ = BuildFormControls(client_);
    menu_ = BuildMainMenu(this);
    setMenuBar(menu_.MainMenu1);
    setMinimumSize(kSmallestClient);
    // The platform window first: where it knows its frame, the created size includes it.
    create();
    SetOuterSize(OnWayland() ? kCreatedOnWayland : kCreatedSize);
    ConnectHandlers();
    FormCreate();
}

TForm1::~TForm1() = default;

void TForm1::ConnectHandlers() {
    const FormControls& c = controls_;
    connect(c.Btn_Start, &QPushButton::clicked, this, &TForm1::Btn_StartClick);
    connect(c.Btn_Jouhou, &QPushButton::clicked, this, &TForm1::Btn_JouhouClick);
    ConnectUnlessThinking(c.Button1, [this] { Button1Click(); });
    ConnectUnlessThinking(c.Button2, [this] { Button2Click(); });
    ConnectUnlessThinking(c.Button3, [this] { Button3Click(); });
    ConnectUnlessThinking(c.Button5, [this] { Button5Click(); });
    connect(c.Button6, &QPushButton::clicked, this, &TForm1::Button6Click);
    for (int level = 1; level <= kLevelCount; ++level) {
        ConnectUnlessThinking(menu_.levels[level - 1], [this, level] { SelectLevel(level); });
    }
    ConnectUnlessThinking(menu_.K17, [this] { K17Click(); });
    ConnectUnlessThinking(menu_.K18, [this] { K18Click(); });
    ConnectUnlessThinking(menu_.K19, [this] { K19Click(); });
    ConnectUnlessThinking(menu_.K26, [this] { K26Click(); });
    connect(menu_.Undo1, &QAction::triggered, this, &TForm1::Undo1Click);
    c.PB_Ban->OnPaint([this] { PB_BanPaint(); });
    c.PB_Ban->OnMouseDown([this](Qt::MouseButton b, QPoint p) { PB_BanMouseDown(b, p); });
    c.PB_Ban->OnMouseUp([this](Qt::MouseButton b, QPoint p) { PB_BanMouseUp(b, p); });
    client_->OnBareLeftPress([this] { DragWindow(*this); });
    settle_.setSingleShot(true);
    settle_.setInterval(kSettleMs);
    connect(&settle_, &QTimer::timeout, this, &TForm1::FormResize);
    retry_.setSingleShot(true);
    retry_.setInterval(kRetryMs);
    connect(&retry_, &QTimer::timeout, this, &TForm1::RetrySquare);
    // The window is made square with its first frame as soon as it shows, so that it is seen
    // square and centred from the start; later frames are followed once the window system has
    // settled. After the expose: a resize in the middle of it puts the window in the wrong place.
    OnExposed(*this, [this] {
        if (std::exchange(exposed_, true)) return;
        QMetaObject::invokeMethod(this, &TForm1::SquareAtFirstShow, Qt::QueuedConnection);
    });
}

// While the computer thinks, the search works on the game state: the items and hidden buttons
// that would change it or the settings do nothing then. (The game flow's own handlers wait for
// the whole move anyway.)
void TForm1::ConnectUnlessThinking(QPushButton* button, std::function<void()> handler) {
    connect(button, &QPushButton::clicked, this, [this, handler] {
        if (!thinking_) handler();
    });
}

void TForm1::ConnectUnlessThinking(QAction* item, std::function<void()> handler) {
    connect(item, &QAction::triggered, this, [this, item, handler] {
        if (!thinking_) {
            handler();
        } else if (item->isCheckable()) {
            // The press has already toggled the mark; the handler that sets the marks did not run.
            item->setChecked(!item->isChecked());
        }
    });
}

void TForm1::FormCreate() {
    flow_.NewGame();
    state_->WaitingToStart = 1;
    state_->BoardColor = kDefaultBoardColor;
    state_->FlipDelay = kNormalFlipDelay;
    ApplyLevel(*state_, kDefaultLevel);
    AddTrayIcon();
    ReadSettingsFile();
    DrawBoard();
}

// GameView.

void TForm1::SetStatusText(std::string_view text) {
    controls_.Label1->SetCaption(FromUtf8(text));
}

void TForm1::SetForecastText(std::string_view text) {
    controls_.Label2->SetCaption(FromUtf8(text));
}

void TForm1::ShowCounts(int playerDiscs, int cpuDiscs) {
    controls_.Lbl_PlayerPoint->SetCaption(QString::number(playerDiscs));
    controls_.Lbl_FoePoint->SetCaption(QString::number(cpuDiscs));
}

void TForm1::DrawDiscs() {
    PaintDiscs(controls_.PB_Ban->Canvas(), *state_);
    controls_.PB_Ban->ShowCanvas();
    ShowCounts(state_->PlayerDiscs, state_->CpuDiscs);
}

void TForm1::DrawBoard() {
    BoardSurface* surface = controls_.PB_Ban;
    // Three quarters of the outer width, as long as the window leaves that much height under the
    // buttons: a size that the desktop imposes may not. (A window not yet shown has no client
    // area laid out.)
    int side = BoardSurfaceSide(OuterSize().width());
    if (isVisible()) side = std::min(side, client_->height() - surface->y());
    surface->SetSurfaceSize({side, side});
    state_->CellSize = surface->width() / 8;
    PaintBoard(surface->Canvas(), *state_);
    surface->ShowCanvas();
}

void TForm1::ClearBoardForNewGame() {
    BoardSurface* surface = controls_.PB_Ban;
    const QSize outer = OuterSize();
    surface->SetSurfaceSize({outer.width() / 2, outer.height() / 2});
    PaintNewGameBoard(surface->Canvas(), *state_);
    state_->CellSize = kNewGameCellSize;
}

void TForm1::DrawMoveRings() {
    PaintMoveRings(controls_.PB_Ban->Canvas(), *state_);
    controls_.PB_Ban->ShowCanvas();
}

void TForm1::PlayWave(Sound sound) {
    waves_.Play(SoundName(sound));
}

void TForm1::Pause(int ms) {
    pauses_.WaitMoreThan(ms);
}

void TForm1::ProcessEvents() {
    QCoreApplication::processEvents();
}

void TForm1::FlashWindow() {
    // The caption cannot be inverted from here: the window's background flashes instead, and
    // the window system is asked to draw attention to the window as well. Where it cannot be
    // asked, the caption's text flashes, which the title bar and the taskbar show.
    const bool on = !client_->Highlighted();
    client_->SetHighlighted(on);
    if (OnWayland()) {
        setWindowTitle(QString::fromUtf8(on ? kFlashingCaption : kFormCaption));
    } else if (on) {
        RequestAttention(*this, kFlashStepMs);
    }
}

void TForm1::ShowMessage(std::string_view text) {
    QMessageBox box(QMessageBox::NoIcon, QGuiApplication::applicationDisplayName(), FromUtf8(text),
                    QMessageBox::Ok, this);
    openMessage_ = &box;
    box.exec();
    openMessage_ = nullptr;
}

// Painting goes on meanwhile: it reads the game position (board 2), the square size and the
// board colour, none of which a search writes. The flow itself draws nothing until Think returns.
void TForm1::Think(const std::function<void()>& search) {
    QEventLoop loop;
    thinking_ = true;
    thinker_ = std::thread([&search, &loop] {
        search();
        QMetaObject::invokeMethod(&loop, &QEventLoop::quit, Qt::QueuedConnection);
    });
    loop.exec();
    WaitForSearch();
    thinking_ = false;
}

// Once a stop is requested the search ends within a few thousand nodes.
void TForm1::WaitForSearch() {
    if (thinker_.joinable()) thinker_.join();
}

void TForm1::AppendMemo(std::string_view line) {
    controls_.Memo1->appendPlainText(FromUtf8(line));
}

void TForm1::SetUndoEnabled(bool enabled) {
    menu_.Undo1->setEnabled(enabled);
}

void TForm1::SetOrderChoiceEnabled(bool enabled) {
    controls_.RG_Tejun->setEnabled(enabled);
}

void TForm1::SetOrderChoice(int item) {
    controls_.RG_TejunItems.at(item)->setChecked(true);
}

int TForm1::OrderChoice() const {
    return controls_.RG_TejunItems[1]->isChecked() ? 1 : 0;
}

void TForm1::SetStartCaption(std::string_view text) {
    controls_.Btn_Start->setText(FromUtf8(text));
}

// Handlers.

void TForm1::Btn_StartClick() {
    flow_.Btn_StartClick();
}

void TForm1::Btn_JouhouClick() {
    controls_.Panel1->show();
    DisplayPause();
    DisplayPause();
    controls_.Panel1->hide();
}

void TForm1::Button1Click() {
    SetOuterSize({kMinimisedWidth, kMinimisedWidth});
    hide();
    AddTrayIcon();
}

void TForm1::Button2Click() {
    controls_.Memo1->clear();
}

void TForm1::Button3Click() {
    ReadSettingsFile();
}

void TForm1::Button5Click() {
    flow_.Button5Click();
}

void TForm1::Button6Click() {
    WriteSettingsFile();
    close();
}

void TForm1::Undo1Click() {
    flow_.Undo1Click();
}

void TForm1::K26Click() {
    if (const std::optional<ColorRef> chosen = ColorDialog1.Choose(this)) {
        state_->BoardColor = *chosen;
    }
    DrawBoard();
}

void TForm1::PB_BanMouseDown(Qt::MouseButton button, QPoint position) {
    flow_.PB_BanMouseDown(FlowButton(button), position.x(), position.y());
}

void TForm1::PB_BanMouseUp(Qt::MouseButton button, QPoint position) {
    // The right button does not hold on to the mouse: released off the board, the rings stay.
    if (button != Qt::RightButton || !controls_.PB_Ban->rect().contains(position)) return;
    EraseMoveRings(controls_.PB_Ban->Canvas(), *state_);
    controls_.PB_Ban->ShowCanvas();
}

void TForm1::FormResize() {
    // Window managers ignore a window's own size requests while they run a resize with the mouse:
    // the square is asked for once the button is released.
    if (PointerButtonsHeld()) {
        squareRule_.UserResizing();
        settle_.start();
        return;
    }
    constexpr Qt::WindowStates kImposed =
        Qt::WindowMaximized | Qt::WindowFullScreen | Qt::WindowMinimized;
    const bool normal = !(windowState() & kImposed);
    // Maximised, a window manager frames the window otherwise; the frame is followed only in the
    // normal state.
    if (normal) FollowFrame();
    // Where the window system does not tell the frame (a Wayland compositor that draws its own,
    // sway's), a size it gives cannot be told from a tile, and Qt takes a size asked for in a
    // tile as granted while the compositor shows only the tile: such sizes are kept as given.
    const bool own = normal && !FrameMargins().isNull();
    // A compositor's resize with the mouse overrides the window's request until its end, which
    // no event tells; on Wayland a square refused is asked for once more a moment later.
    if (!AskForSquare(squareRule_.Given(size(), FrameMargins(), own)) && OnWayland())
        retry_.start();
}

void TForm1::RetrySquare() { AskForSquare(squareRule_.Retry(size())); }

bool TForm1::AskForSquare(const std::optional<QSize>& client) {
    if (!client) return false;
    SetOuterSize(client->grownBy(FrameMargins()));
    return true;
}

void TForm1::SelectLevel(int level) {
    for (int i = 1; i <= kLevelCount; ++i) menu_.levels[i - 1]->setChecked(i == level);
    ApplyLevel(*state_, level);
}

void TForm1::SetDisplaySpeed(int flipDelay) {
    state_->FlipDelay = flipDelay;
    menu_.K17->setChecked(flipDelay == kFastFlipDelay);
    menu_.K18->setChecked(flipDelay == kNormalFlipDelay);
    menu_.K19->setChecked(flipDelay == kSlowFlipDelay);
}

// The board fits the window at once; the square is asked for when the window system has settled.
void TForm1::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    if (!settingSize_) settle_.start();
    DrawBoard();
}

void TForm1::FollowFrame() {
    if (FrameMargins() != sizedFrame_) SquareWithFrame();
}

void TForm1::SquareWithFrame() {
    const int outerWidth = width() + sizedFrame_.left() + sizedFrame_.right();
    const QSize outer(outerWidth, outerWidth);
    // A window that had no frame was centred without it. Size and place go in one request, as
    // two the window manager may meet half-done.
    const QRect placed =
        sizedFrame_.isNull() ? CentredFrame(*this, outer) : QRect(frameGeometry().topLeft(), outer);
    sizedFrame_ = FrameMargins();
    const QScopedValueRollback setting(settingSize_, true);
    setGeometry(placed.marginsRemoved(sizedFrame_));
    setClient_ = size();
}

void TForm1::SquareAtFirstShow() {
    if (size() == setClient_) SquareWithFrame();
}

// The handler that is waiting underneath (a pause, the search, a message) returns, sees the
// window closing and unwinds; the window object outlives it. A stopped search ends its own
// wait.
void TForm1::closeEvent(QCloseEvent* event) {
    closing_ = true;
    stopRequest_ = true;
    pauses_.Cancel();
    if (openMessage_) openMessage_->reject();
    // The settings are taken from the game state, which no search may be writing meanwhile.
    WaitForSearch();
    WriteSettingsFile();
    event->accept();
}

QMargins TForm1::FrameMargins() const {
    return windowHandle() ? windowHandle()->frameMargins() : QMargins();
}

QSize TForm1::OuterSize() const {
    return size().grownBy(FrameMargins());
}

void TForm1::SetOuterSize(QSize outer) {
    sizedFrame_ = FrameMargins();
    const QScopedValueRollback setting(settingSize_, true);
    resize(outer.shrunkBy(sizedFrame_));
    setClient_ = size();
}

}  // namespace kurobi
