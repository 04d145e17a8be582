#include "ui/platform_wait.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>

namespace kurobi {

void WaitMoreThan(int ms) {
    QElapsedTimer clock;
    clock.start();
    // Timers may fire early and a quitting application ends event loops at once, so the clock,
    // not the timer, decides when the wait is over.
    for (qint64 passed = clock.elapsed(); passed <= ms; passed = clock.elapsed()) {
        QEventLoop loop;
        QTimer::singleShot(static_cast<int>(ms - passed + 1), Qt::PreciseTimer, &loop,
                           &QEventLoop::quit);
        loop.exec();
    }
}

}  // namespace kurobi
