#include "engine/split_winloss.h"

#include <array>
#include <mutex>
#include <optional>
#include <system_error>
#include <thread>

#include "engine/endgame_read.h"

namespace kurobi {
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
        for (int w = 0; w < kWorkers; ++w) readers_[w].emplace(s, stop, &abandon_[w]);
    }

    bool Run(GameState& s) {
        if (root_.frame().Poll()) return false;
        std::thread helper;
        try {
            helper = std::thread([this] { Work(1); });
        } catch (const std::system_error&) {
            // Without a second thread the first one reads every move itself.
        }
        Work(0);
        if (helper.joinable()) helper.join();
        // A move the root needed and nobody finished: the read was stopped.
        if (Replay(root_.frame()) == Outcome::kUnread) return false;
        root_.FinishRoot(s);
        return true;
    }

  private:
    enum class Outcome { kStopped, kAllRead, kUnread };

    // The root's loop over the moves read so far, in list order, on `frame`: stops where the
    // one-thread read stops, or at the first move not read yet. `stopAt` gets the move where the
    // root stops.
    Outcome Replay(SearchFrame& frame, int* stopAt = nullptr) const {
        for (int i = 0; i < count_; ++i) {
            if (!done_[i]) return Outcome::kUnread;
            const WinLossRead::RootMoveRead& read = reads_[i];
            frame.setNodes(frame.nodes() + read.nodes);
            frame.setRootMove(squares_[i]);
            if (frame.Fold(2, read.value) && read.stopsRoot) {
                if (stopAt != nullptr) *stopAt = i;
                return Outcome::kStopped;
            }
        }
        return Outcome::kAllRead;
    }

    void Work(int w) {
        WinLossRead& reader = *readers_[w];
        for (;;) {
            int i;
            {
                const std::lock_guard lock(mutex_);
                if (next_ >= count_ || next_ > stopAt_) return;
                if (stop_ != nullptr && stop_->load(std::memory_order_relaxed)) return;
                i = next_++;
                current_[w] = i;
            }
            const WinLossRead::RootMoveRead read = reader.ReadRootMove(squares_[i]);
            const std::lock_guard lock(mutex_);
            current_[w] = -1;
            if (reader.frame().stopped()) return;
            reads_[i] = read;
            done_[i] = true;
            SearchFrame scratch = root_.frame();
            Replay(scratch, &stopAt_);
            // A move after the root's stop cannot count: the other thread drops it.
            for (int other = 0; other < kWorkers; ++other)
                if (current_[other] > stopAt_)
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
    int next_ = 0;
    int stopAt_ = 64;  // the move where the root stops, once the moves before it are read
    std::array<int, kWorkers> current_{-1, -1};
    std::array<std::atomic<bool>, kWorkers> abandon_{};
    std::array<std::optional<WinLossRead>, kWorkers> readers_;
};

}  // namespace

bool SplitWinLossRead(GameState& s, const std::atomic<bool>* stop) {
    return RootSplit(s, stop).Run(s);
}

}  // namespace kurobi
