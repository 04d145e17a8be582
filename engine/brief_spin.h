#pragma once
// A condition variable whose waiters spin for a short while before they sleep. On a virtual
// machine a sleeping thread can take tens of microseconds to wake, as long as the whole share of
// a short search; the two threads of a search hand each other work far more often than that.

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <thread>

namespace kurobi {

class BriefSpinCondition {
  public:
    // How long a waiter spins before it sleeps: longer than a wake-up takes, and short enough
    // that the helper thread's spin after each search costs the game nothing it would notice.
    // With it a level-6 midgame turn on two threads took 15.3-16.8 ms instead of 21.5 ms (one
    // thread: 20.0 ms); 200 µs measured the same as 50 µs (to measure: other spans, the
    // "bitboard x2" rows and the table of two threads against one, `kurobi-analyze bench`).
    static constexpr std::chrono::microseconds kSpin{50};

    // Waits, with `lock` held on entry and on return, until `ready()` holds. Whatever
    // `ready()` reads is changed only under the mutex, followed by NotifyAll().
    template <class Ready>
    void Wait(std::unique_lock<std::mutex>& lock, Ready&& ready) {
        while (!ready()) WaitForChange(lock);
    }

    // Waits, with `lock` held on entry and on return, for the next NotifyAll().
    void WaitForChange(std::unique_lock<std::mutex>& lock) {
        const uint32_t seen = changes_.load(std::memory_order_relaxed);
        lock.unlock();
        const auto changed = [&] { return changes_.load(std::memory_order_acquire) != seen; };
        const auto end = std::chrono::steady_clock::now() + kSpin;
        while (!changed() && std::chrono::steady_clock::now() < end) {
            for (int i = 0; i < 64 && !changed(); ++i) Pause();
            std::this_thread::yield();
        }
        lock.lock();
        condition_.wait(lock, changed);
    }

    // Wakes every waiter; called with the mutex held, after the change.
    void NotifyAll() {
        changes_.fetch_add(1, std::memory_order_release);
        condition_.notify_all();
    }

  private:
    static void Pause() {
#if defined(__x86_64__) || defined(__i386__)
        __builtin_ia32_pause();
#else
        std::this_thread::yield();
#endif
    }

    std::condition_variable condition_;
    std::atomic<uint32_t> changes_{0};
};

}  // namespace kurobi
