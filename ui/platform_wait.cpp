#include "ui/platform_wait.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>

namespace kurobi {

void Pauses::WaitMoreThan(int ms) {
    QElapsedTimer clock;
    clock.start();
    // Timers may fire early, so the clock, not the timer, decides when the wait is over.
    for (qint64 passed = clock.elapsed(); passed <= ms && !cancelled_; passed = clock.elapsed()) {
        QEventLoop loop;
        QTimer::singleShot(static_cast<int>(ms - passed + 1), Qt::PreciseTimer, &loop,
                           &QEventLoop::quit);
        running_.push_back(&loop);
        loop.exec();
        running_.pop_back();
    }
}

void Pauses::Cancel() {
    cancelled_ = true;
    for (QEventLoop* loop : running_) loop->quit();
}

}  // namespace kurobi
