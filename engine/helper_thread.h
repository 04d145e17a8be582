#pragma once
// A thread kept for the life of the program to run one task of a search beside the caller, so
// that a short search shared out between two threads does not pay for starting a thread each
// time. One search holds it at a time.

namespace kurobi {

// Runs task(arg) on the helper thread, started on first use; false, having done nothing, when
// another search holds the helper or no thread could be started.
bool RunOnHelperThread(void (*task)(void*), void* arg);

// Frees the helper for the next search once the task the last successful RunOnHelperThread
// handed over has returned; a task the helper has not started by then is taken back, never to
// run. A helper that is slow to wake so never holds up a search that finished without it.
void WaitForHelperThread();

}  // namespace kurobi
