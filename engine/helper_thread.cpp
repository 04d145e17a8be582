#include "engine/helper_thread.h"

#include <mutex>
#include <system_error>
#include <thread>

#include "engine/brief_spin.h"

namespace kurobi {
namespace {

class HelperThread {
  public:
    bool Run(void (*task)(void*), void* arg) {
        const std::lock_guard lock(mutex_);
        if (held_) return false;
        if (!started_) {
            try {
                std::thread([this] { Loop(); }).detach();
            } catch (const std::system_error&) {
                return false;
            }
            started_ = true;
        }
        held_ = true;
        task_ = task;
        arg_ = arg;
        wake_.NotifyAll();
        return true;
    }

    void Wait() {
        std::unique_lock lock(mutex_);
        if (!taken_) task_ = nullptr;
        done_.Wait(lock, [this] { return task_ == nullptr; });
        held_ = false;
    }

  private:
    [[noreturn]] void Loop() {
        std::unique_lock lock(mutex_);
        for (;;) {
            wake_.Wait(lock, [this] { return task_ != nullptr; });
            void (*const task)(void*) = task_;
            void* const arg = arg_;
            taken_ = true;
            lock.unlock();
            task(arg);
            lock.lock();
            task_ = nullptr;
            taken_ = false;
            done_.NotifyAll();
        }
    }

    std::mutex mutex_;
    BriefSpinCondition wake_;
    BriefSpinCondition done_;
    bool started_ = false;
    bool held_ = false;
    bool taken_ = false;  // the helper has started the task
    void (*task_)(void*) = nullptr;
    void* arg_ = nullptr;
};

// Never destroyed: its thread waits on it until the program ends.
HelperThread& Helper() {
    static HelperThread* const helper = new HelperThread;
    return *helper;
}

}  // namespace

bool RunOnHelperThread(void (*task)(void*), void* arg) {
    return Helper().Run(task, arg);
}

void WaitForHelperThread() {
    Helper().Wait();
}

}  // namespace kurobi
