#pragma once
// What the test sound server plays, recorded from the monitor of its null sink "nul" (see
// tests/support/with-sound-server).

#include <sys/types.h>

#include <QTemporaryDir>
#include <cstdint>
#include <vector>

namespace kurobi::testing {

class Recording {
  public:
    static constexpr int kRate = 44100;

    ~Recording();

    // Starts recording and returns once the monitor delivers sound; false if it never does.
    // An idle null sink's monitor delivers nothing until something plays, so a moment of
    // silence is played first.
    bool Start();
    // Returns once `ms` more milliseconds have been recorded; false if they never are.
    bool Wait(int ms);
    // Stops and gives what was recorded: interleaved stereo at kRate.
    std::vector<int16_t> Stop();

  private:
    qint64 RecordedBytes() const;

    QTemporaryDir folder_;
    pid_t recorder_ = -1;
};

}  // namespace kurobi::testing
