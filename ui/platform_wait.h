#pragma once
// The pause that paces every animation.

namespace kurobi {

// Returns once more than `ms` milliseconds have passed. Window events keep being handled
// meanwhile (painting, menus, other handlers), but the wait itself sleeps in an event loop
// rather than spinning.
void WaitMoreThan(int ms);

}  // namespace kurobi
