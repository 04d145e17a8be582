#include "engine/helper_thread.h"

#include <condition_variable>
#include <mutex>
#include <system_error>
#include <thread>

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
        wake_.notify_one();
        return true;
    }

    void Wait() {
        std::unique_lock lock(mutex_);
        done_.wait(lock, [this] { return task_ == nullptr; });
        held_ = false;
    }

  private:
    [[noreturn]] void Loop() {
        std::unique_lock lock(mutex_);
        for (;;) {
            wake_.wait(lock, [this] { return task_ != nullptr; });
            void (*const task)(void*) = task_;
            void* const arg = arg_;
            lock.unlock();
            task(arg);
            lock.lock();
            task_ = nullptr;
            done_.notify_all();
        }
    }

    std::mutex mutex_;
    std::condition_variable wake_;
    std::condition_variable done_;
    bool started_ = false;
    bool held_ = false;
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
