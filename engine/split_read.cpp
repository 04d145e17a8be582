#include "engine/split_winloss.h"

#include <algorithm>
#include <array>
#include <mutex>
#include <optional>
#include <system_error>
#include <thread>

#include "engine/endgame_read.h"

namespace kurobi {
KUROBI_ISA_BEGIN
namespace {

using WinLossRead = EndgameRead<true>;

constexpr int kWorkers = 2;

class RootSplit {
  public:
    RootSplit(const GameState& s, const std::atomic<bool>* stop) : root_(s, stop), stop_(stop) {
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
    // read stops, or at the first move not read yet, which `unread` then gives.
    Outcome Replay(SearchFrame& frame, int& unread) const {
        for (int i = 0; i < count_; ++i) {
            if (!done_[i]) {
                unread = i;
                return Outcome::kUnread;
            }
            const WinLossRead::RootMoveRead& read = reads_[i];
            frame.setNodes(frame.nodes() + read.nodes);
            frame.setRootMove(squares_[i]);
            if (frame.Fold(2, read.value) && read.stopsRoot) return Outcome::kStopped;
        }
        return Outcome::kAllRead;
    }

    bool StopRequested() const {
        return stop_ != nullptr && stop_->load(std::memory_order_relaxed);
    }

    // Both threads read root moves up to the first one known to win (past `floor_`): a move
    // after it counts only if that win does not stop the root, which is rare.
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
        WinLossRead& reader = *readers_[w];
        for (;;) {
            int i = -1;
            {
                const std::lock_guard lock(mutex_);
                if (StopRequested()) return;
                for (int j = floor_; j <= limit_ && i < 0; ++j)
                    if (!done_[j] && current_[0] != j && current_[1] != j) i = j;
                if (i < 0) return;
                current_[w] = i;
                abandon_[w].store(false, std::memory_order_relaxed);
            }
            const WinLossRead::RootMoveRead read = reader.ReadRootMove(squares_[i]);
            const bool dropped = reader.frame().stopped();
            reader.frame().Resume();
            const std::lock_guard lock(mutex_);
            current_[w] = -1;
            if (dropped) continue;
            reads_[i] = read;
            done_[i] = true;
            if (!read.stopsRoot || i > limit_) continue;
            limit_ = i;
            for (int other = 0; other < kWorkers; ++other)
                if (current_[other] > limit_)
                    abandon_[other].store(true, std::memory_order_relaxed);
        }
    }

    WinLossRead root_;
    const std::atomic<bool>* stop_;
    std::array<int, 64> squares_{};
    int count_ = 0;

    std::mutex mutex_;  // guards everything below but the readers' own work
    std::array<WinLossRead::RootMoveRead, 64> reads_{};
    std::array<bool, 64> done_{};
    int floor_ = 0;  // the moves the threads may read: floor_ to limit_
    int limit_;
    std::array<int, kWorkers> current_{-1, -1};
    std::array<std::atomic<bool>, kWorkers> abandon_{};
    std::array<std::optional<WinLossRead>, kWorkers> readers_;
};

}  // namespace

bool SplitWinLossRead(GameState& s, const std::atomic<bool>* stop) {
    return RootSplit(s, stop).Run(s);
}

KUROBI_ISA_END
}  // namespace kurobi
