#pragma once
// The pause that paces every animation.

#include <vector>

class QEventLoop;

namespace kurobi {

class Pauses {
public:
    // Returns once more than `ms` milliseconds have passed, or at once after Cancel. Window
    // events keep being handled meanwhile (painting, menus, other handlers, a pause of their
    // own), but the wait itself sleeps in an event loop rather than spinning.
    void WaitMoreThan(int ms);
    // Ends every running pause, and makes every later one return at once: the window is closing.
    void Cancel();

private:
    std::vector<QEventLoop*> running_;  // innermost last
    bool cancelled_ = false;
};

}  // namespace kurobi
