#pragma once
// Window-level calls: the program icon, centring, moving the window by its body and the
// attention signal of the corner effect.

#include <QIcon>

class QWidget;

namespace kurobi {

// "MAINICON": the program's own 32x32 icon.
QIcon ProgramIcon();

// Shows the window and puts it in the middle of its screen's free area.
void ShowCentred(QWidget& window);

// Lets the window system move the window with the mouse, as if its caption had been grabbed.
// Does nothing where the platform cannot (the offscreen platform, for one).
void DragWindow(QWidget& window);

// Asks the window system to draw attention to the window for `ms` milliseconds (the taskbar
// entry or the caption flashes). The active window is left as it is.
void RequestAttention(QWidget& window, int ms);

}  // namespace kurobi
