#pragma once
// Window-level calls: the program icon, centring, the window's exposes, the window manager's
// hint that keeps the window square, moving the window by its body and the attention signal of
// the corner effect.

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

// Asks the window manager to keep the window square with its frame `frame` while the user
// resizes it, the height following the width, rather than having each new size corrected
// afterwards. Needs asking again after each size the program sets. Does nothing where the
// window system has no such request.
void KeepSquareWithFrame(QWidget& window, QMargins frame);

// Lets the window system move the window with the mouse, as if its caption had been grabbed.
// Does nothing where the platform cannot (the offscreen platform, for one).
void DragWindow(QWidget& window);

// Asks the window system to draw attention to the window for `ms` milliseconds (the taskbar
// entry or the caption flashes). The active window is left as it is.
void RequestAttention(QWidget& window, int ms);

}  // namespace kurobi
