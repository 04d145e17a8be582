#pragma once
// A desktop session that logs out, or a user who ends the game from a terminal, sends SIGTERM,
// SIGHUP or SIGINT: the window then closes as if its close button had been pressed, so the
// settings file is written as on every other close.

class QWidget;

namespace kurobi {

// Routes SIGTERM, SIGHUP and SIGINT into a close of `window` on the GUI thread. Call once,
// with a window that lives until the application ends.
void CloseOnTerminationSignals(QWidget& window);

}  // namespace kurobi
