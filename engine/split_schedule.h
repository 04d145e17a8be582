#pragma once
// How a search shared out between two threads (split_read.h) schedules its reads. The game and
// the tools keep the default; the split's tests choose a schedule that takes each of its paths
// on every run, rather than when the threads' timing happens to lead there.

namespace kurobi {

struct SplitSchedule {
    // Whether the helper thread takes part; without it the calling thread reads every move
    // through the same bookkeeping, as when another search holds the helper.
    bool helperJoins = true;
    // Whether a thread that starts a read which counts whatever else is read, with no other
    // move left for the other thread, asks it at once to share (ShareRest), as the other
    // thread does when it finds itself idle while that read goes on.
    bool shareAtOnce = false;
};

// Set before a search, never during one.
void SetSplitSchedule(const SplitSchedule& schedule);
const SplitSchedule& CurrentSplitSchedule();

// How many reads have shared their node out since the program started.
int SplitSharesSoFar();
void CountSplitShare();

}  // namespace kurobi
