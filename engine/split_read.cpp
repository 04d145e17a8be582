#include "engine/split_read.h"

#include <algorithm>
#include <array>
#include <condition_variable>
#include <mutex>
#include <optional>
#include <system_error>
#include <thread>

#include "engine/endgame_read.h"

namespace kurobi {
KUROBI_ISA_BEGIN
namespace {

constexpr int kWorkers = 2;

template <bool kWinLoss>
class RootSplit {
  public:
    using Read = EndgameRead<kWinLoss>;

    RootSplit(const GameState& s, const std::atomic<bool>* stop)
        : root_(s, stop), stop_(stop), rootValue_(root_.frame().value(1)) {
        root_.frame().ForEachInListOrder(root_.frame().rootMoves(), [&](int square) {
            squares_[count_++] = square;
            return false;
        });
        limit_ = count_ - 1;
        for (int w = 0; w < kWorkers; ++w) readers_[w].emplace(s, stop, &abandon_[w]);
    }

    bool Run(GameState& s) {
        if (root_.frame().Poll()) return false;
        for (;;) {
            ReadRound();
            SearchFrame scratch = root_.frame();
            int unread;
            if (Replay(scratch, unread) != Outcome::kUnread) break;
            if (StopRequested()) return false;
            // The win the round stopped at did not end the root's loop (an earlier finished
            // game had raised the root as far): read on past it.
            floor_ = unread;
            limit_ = count_ - 1;
            for (int i = floor_; i < count_; ++i)
                if (done_[i] && reads_[i].stopsRoot) limit_ = std::min(limit_, i);
        }
        int unread;
        Replay(root_.frame(), unread);
        root_.FinishRoot(s);
        return true;
    }

  private:
    enum class Outcome { kStopped, kAllRead, kUnread };

    // The root's loop over the moves read, in list order, on `frame`: stops where the one-thread
    // read stops, or at the first move not read from the value the loop reaches, which `unread`
    // then gives.
    Outcome Replay(SearchFrame& frame, int& unread) const {
        for (int i = 0; i < count_; ++i) {
            const typename Read::RootMoveRead& read = reads_[i];
            if (!done_[i] || read.from != StartOf(frame.value(1))) {
                unread = i;
                return Outcome::kUnread;
            }
            frame.setNodes(frame.nodes() + read.nodes);
            frame.setRootMove(squares_[i]);
            if (frame.Fold(2, read.value) && read.stopsRoot) return Outcome::kStopped;
        }
        return Outcome::kAllRead;
    }

    // The value a root move is read from when the root's running value is `running`: the
    // win-loss read reads every move as if it were the first.
    static int32_t StartOf(int32_t running) { return kWinLoss ? SentinelForPly(1) : running; }

    // The value root move j is to be read from, as far as the reads done tell: the root's loop
    // replayed up to j, taking a move not read yet (or read from another value) not to raise the
    // root. False while the first move, which every later one depends on, is not read yet.
    bool StartingValue(int j, int32_t& from) const {
        int32_t running = rootValue_;
        for (int i = 0; i < j; ++i) {
            if (done_[i] && reads_[i].from == StartOf(running)) {
                running = std::max(running, reads_[i].value);
            } else if (i == 0 && !kWinLoss) {
                return false;
            }
        }
        from = StartOf(running);
        return true;
    }

    // The first root move (past `floor_`, up to `limit_`) that no thread reads and that is not
    // read yet from the value it is to be read from; -1 when there is none for now.
    int NextMove(int32_t& from) const {
        for (int j = floor_; j <= limit_; ++j) {
            if (current_[0] == j || current_[1] == j) continue;
            if (!StartingValue(j, from)) return -1;
            if (!done_[j] || reads_[j].from != from) return j;
        }
        return -1;
    }

    bool StopRequested() const {
        return stop_ != nullptr && stop_->load(std::memory_order_relaxed);
    }

    void ReadRound() {
        std::thread helper;
        try {
            helper = std::thread([this] { Work(1); });
        } catch (const std::system_error&) {
            // Without a second thread the first one reads every move itself.
        }
        Work(0);
        if (helper.joinable()) helper.join();
    }

    void Work(int w) {
        Read& reader = *readers_[w];
        for (;;) {
            int i = -1;
            int32_t from = 0;
            {
                std::unique_lock lock(mutex_);
                for (;;) {
                    if (StopRequested()) return;
                    i = NextMove(from);
                    // The exact read waits for the other thread: what it finds may leave a move
                    // to be read again.
                    if (i >= 0 || kWinLoss || current_[1 - w] < 0) break;
                    readDone_.wait(lock);
                }
                if (i < 0) return;
                current_[w] = i;
                abandon_[w].store(false, std::memory_order_relaxed);
            }
            const typename Read::RootMoveRead read = reader.ReadRootMove(squares_[i], from);
            const bool dropped = reader.frame().stopped();
            reader.frame().Resume();
            const std::lock_guard lock(mutex_);
            current_[w] = -1;
            readDone_.notify_all();
            if (dropped) continue;
            reads_[i] = read;
            done_[i] = true;
            // The reads after a move that raised the root's value started from less, or a
            // win-loss move past the first one that stops the root may not count.
            const bool raised = read.value != read.from;
            if (kWinLoss ? !read.stopsRoot || i > limit_ : !raised) continue;
            if (kWinLoss) limit_ = i;
            for (int other = 0; other < kWorkers; ++other)
                if (current_[other] > i) abandon_[other].store(true, std::memory_order_relaxed);
        }
    }

    Read root_;
    const std::atomic<bool>* stop_;
    const int32_t rootValue_;  // the root's value before its first move
    std::array<int, 64> squares_{};
    int count_ = 0;

    std::mutex mutex_;  // guards everything below but the readers' own work
    std::condition_variable readDone_;
    std::array<typename Read::RootMoveRead, 64> reads_{};
    std::array<bool, 64> done_{};
    int floor_ = 0;  // the moves the threads may read: floor_ to limit_
    int limit_;
    std::array<int, kWorkers> current_{-1, -1};
    std::array<std::atomic<bool>, kWorkers> abandon_{};
    std::array<std::optional<Read>, kWorkers> readers_;
};

}  // namespace

bool SplitExactRead(GameState& s, const std::atomic<bool>* stop) {
    return RootSplit<false>(s, stop).Run(s);
}

bool SplitWinLossRead(GameState& s, const std::atomic<bool>* stop) {
    return RootSplit<true>(s, stop).Run(s);
}

KUROBI_ISA_END
}  // namespace kurobi
