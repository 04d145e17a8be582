#pragma once
// Window-level calls: the program icon, centring, the window's exposes, the state of the mouse
// buttons, moving the window by its body and the attention signal of the corner effect.

#include <QIcon>
#include <QMargins>
#include <QRect>
#include <functional>

class QWidget;

namespace kurobi {

// "MAINICON": the program's own 32x32 icon.
QIcon ProgramIcon();

// Shows the window and puts it, with its frame, in the middle of its screen's free area.
void ShowCentred(QWidget& window);
// Where a window of the outer size `outer` stands, frame and all, in the middle of the free
// area of the window's screen.
QRect CentredFrame(const QWidget& window, QSize outer);

// Calls `handler` whenever the window system shows the window's contents anew (an expose),
// from its first showing on: by then a window manager has put its frame around it.
void OnExposed(QWidget& window, std::function<void()> handler);

// Whether a mouse button is held anywhere on the screen, as during a move or resize of a window
// that the window manager runs with the mouse. False where the window system does not tell.
bool PointerButtonsHeld();

// Lets the window system move the window with the mouse, as if its caption had been grabbed.
// Does nothing where the platform cannot (the offscreen platform, for one).
void DragWindow(QWidget& window);

// Whether the program runs as a Wayland client, where a compositor decides much that an X window
// manager leaves to the window: Qt's Wayland plugin (6.4) has no request for attention, and a
// compositor keeps a window's first size as its own (sway floats a window at it).
bool OnWayland();
// Asks the window system to draw attention to the window for `ms` milliseconds (the taskbar
// entry or the caption flashes). The active window is left as it is.
void RequestAttention(QWidget& window, int ms);

}  // namespace kurobi
