#include "ui/main_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QMessageBox>
#include <QWindow>

#include "core/rules.h"
#include "engine/levels.h"
#include "engine/position_setup.h"
#include "ui/board_drawing.h"
#include "ui/platform_wait.h"
#include "ui/platform_window.h"

namespace kurobi {
namespace {

constexpr QSize kCreatedSize(403, 433);
constexpr ColorRef kDefaultBoardColor = 0x808000;
constexpr int kDefaultFlipDelay = 80;
constexpr int kMinimisedWidth = 430;
// The game flow waits this long between two toggles of the corner flash.
constexpr int kFlashStepMs = 150;

QString FromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
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
    // The platform window first: where it knows its frame, the created size includes it.
    create();
    SetOuterSize(kCreatedSize);
    ConnectHandlers();
    FormCreate();
}

TForm1::~TForm1() = default;

void TForm1::ConnectHandlers() {
    const FormControls& c = controls_;
    connect(c.Btn_Start, &QPushButton::clicked, this, &TForm1::Btn_StartClick);
    connect(c.Btn_Jouhou, &QPushButton::clicked, this, &TForm1::Btn_JouhouClick);
    connect(c.Button1, &QPushButton::clicked, this, &TForm1::Button1Click);
    connect(c.Button2, &QPushButton::clicked, this, &TForm1::Button2Click);
    connect(c.Button3, &QPushButton::clicked, this, &TForm1::Button3Click);
    connect(c.Button5, &QPushButton::clicked, this, &TForm1::Button5Click);
    connect(c.Button6, &QPushButton::clicked, this, &TForm1::Button6Click);
    for (int level = 1; level <= kLevelCount; ++level) {
        connect(menu_.levels[level - 1], &QAction::triggered, this,
                [this, level] { SelectLevel(level); });
    }
    connect(menu_.K17, &QAction::triggered, this, &TForm1::K17Click);
    connect(menu_.K18, &QAction::triggered, this, &TForm1::K18Click);
    connect(menu_.K19, &QAction::triggered, this, &TForm1::K19Click);
    connect(menu_.K26, &QAction::triggered, this, &TForm1::K26Click);
    connect(menu_.Undo1, &QAction::triggered, this, &TForm1::Undo1Click);
    c.PB_Ban->OnPaint([this] { PB_BanPaint(); });
    c.PB_Ban->OnMouseDown([this](Qt::MouseButton b, QPoint p) { PB_BanMouseDown(b, p); });
    c.PB_Ban->OnMouseUp([this](Qt::MouseButton b, QPoint p) { PB_BanMouseUp(b, p); });
    client_->OnBareLeftPress([this] { DragWindow(*this); });
}

void TForm1::FormCreate() {
    NewGame();
    state_->WaitingToStart = 1;
    state_->BoardColor = kDefaultBoardColor;
    state_->FlipDelay = kDefaultFlipDelay;
    ApplyLevel(*state_, kDefaultLevel);
    AddTrayIcon();
    ReadSettingsFile();
    DrawBoard();
}

// Seam: the game flow's NewGame replaces this; until then only the position and the screen are
// reset.
void TForm1::NewGame() {
    ResetPosition(*state_);
    ClearBoardForNewGame();
    SetUndoEnabled(false);
    SetOrderChoice(0);
    ShowCounts(state_->PlayerDiscs, state_->CpuDiscs);
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
    const int side = BoardSurfaceSide(OuterSize().width());
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
    WaitMoreThan(ms);
}

void TForm1::ProcessEvents() {
    QCoreApplication::processEvents();
}

void TForm1::FlashWindow() {
    flashed_ = !flashed_;
    if (flashed_) RequestAttention(*this, kFlashStepMs);
}

void TForm1::ShowMessage(std::string_view text) {
    QMessageBox box(QMessageBox::NoIcon, QGuiApplication::applicationDisplayName(), FromUtf8(text),
                    QMessageBox::Ok, this);
    box.exec();
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

// Seam: starts or abandons a game in the game flow, which connects here.
void TForm1::Btn_StartClick() {}

void TForm1::Btn_JouhouClick() {
    controls_.Panel1->show();
    DisplayPause();
    DisplayPause();
    controls_.Panel1->hide();
}

void TForm1::Button1Click() {
    SetOuterSize({kMinimisedWidth, OuterSize().height()});
    hide();
    AddTrayIcon();
}

void TForm1::Button2Click() {
    controls_.Memo1->clear();
}

void TForm1::Button3Click() {
    ReadSettingsFile();
}

// Seam: sets up the game flow's endgame test position.
void TForm1::Button5Click() {}

void TForm1::Button6Click() {
    WriteSettingsFile();
    close();
}

// Seam: the game flow's take-back.
void TForm1::Undo1Click() {}

void TForm1::K26Click() {
    if (const std::optional<ColorRef> chosen = ColorDialog1.Choose(this)) {
        state_->BoardColor = *chosen;
    }
    DrawBoard();
}

void TForm1::PB_BanMouseDown(Qt::MouseButton button, QPoint) {
    GameState& s = *state_;
    if (s.Turn != kPlayerTurn || s.WaitingToStart != 0) return;
    // The left button, the player's move, belongs to the game flow, which connects here.
    if (button == Qt::RightButton) {
        s.Ply = 1;
        FindLegalMoves(s);
        DrawMoveRings();
    }
}

void TForm1::PB_BanMouseUp(Qt::MouseButton button, QPoint position) {
    // The right button does not hold on to the mouse: released off the board, the rings stay.
    if (button != Qt::RightButton || !controls_.PB_Ban->rect().contains(position)) return;
    EraseMoveRings(controls_.PB_Ban->Canvas(), *state_);
    controls_.PB_Ban->ShowCanvas();
}

void TForm1::FormResize() {
    const QSize outer = OuterSize();
    if (outer.height() != outer.width()) SetOuterSize({outer.width(), outer.width()});
    DrawBoard();
}

void TForm1::SelectLevel(int level) {
    for (int i = 1; i <= kLevelCount; ++i) menu_.levels[i - 1]->setChecked(i == level);
    ApplyLevel(*state_, level);
}

void TForm1::SetDisplaySpeed(int flipDelay) {
    state_->FlipDelay = flipDelay;
    menu_.K17->setChecked(flipDelay == 10);
    menu_.K18->setChecked(flipDelay == 80);
    menu_.K19->setChecked(flipDelay == 300);
}

void TForm1::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    FormResize();
}

void TForm1::closeEvent(QCloseEvent* event) {
    WriteSettingsFile();
    closing_ = true;
    event->accept();
}

QMargins TForm1::FrameMargins() const {
    return windowHandle() ? windowHandle()->frameMargins() : QMargins();
}

QSize TForm1::OuterSize() const {
    return size().grownBy(FrameMargins());
}

void TForm1::SetOuterSize(QSize outer) {
    resize(outer.shrunkBy(FrameMargins()));
}

}  // namespace kurobi
