#pragma once
// Window-level calls: the program icon, centring, moving the window by its body and the
// attention signal of the corner effect.

#include <QIcon>
#include <functional>

class QWidget;

namespace kurobi {

// "MAINICON": the program's own 32x32 icon.
QIcon ProgramIcon();

// Puts the window, with its frame, in the middle of its screen's free area.
void Centre(QWidget& window);
// Shows the window and centres it.
void ShowCentred(QWidget& window);

// Calls `handler` whenever the window system shows the window's contents anew (an expose),
// from its first showing on: by then a window manager has put its frame around it.
void OnExposed(QWidget& window, std::function<void()> handler);

// Lets the window system move the window with the mouse, as if its caption had been grabbed.
// Does nothing where the platform cannot (the offscreen platform, for one).
void DragWindow(QWidget& window);

// Asks the window system to draw attention to the window for `ms` milliseconds (the taskbar
// entry or the caption flashes). The active window is left as it is.
void RequestAttention(QWidget& window, int ms);

}  // namespace kurobi
