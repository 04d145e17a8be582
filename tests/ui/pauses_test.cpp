// A pause ends when its time is up or when the window closes, whichever comes first. A pause that
// ignored the close would hold the closing window for up to a minute here, and the test would
// run into its time limit.

#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QTimer>

#include "ui/platform_wait.h"

namespace kurobi {
namespace {

TEST(PausesTest, LastsLongerThanAskedWhileEventsRun) {
    Pauses pauses;
    bool timerRan = false;
    QTimer::singleShot(0, [&] { timerRan = true; });
    QElapsedTimer clock;
    clock.start();
    pauses.WaitMoreThan(20);
    EXPECT_GT(clock.elapsed(), 20);
    EXPECT_TRUE(timerRan);
}

TEST(PausesTest, CancelEndsEveryRunningPauseAndEveryLaterOne) {
    Pauses pauses;
    bool innerEnded = false;
    // A pause within a pause, as when the version panel is shown during an animation.
    QTimer::singleShot(0, [&] {
        QTimer::singleShot(0, [&] { pauses.Cancel(); });
        pauses.WaitMoreThan(60000);
        innerEnded = true;
    });
    pauses.WaitMoreThan(60000);
    EXPECT_TRUE(innerEnded);
    pauses.WaitMoreThan(60000);  // returns at once
}

}  // namespace
}  // namespace kurobi
