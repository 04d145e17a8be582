#include "engine/split_read.h"

#include <algorithm>
#include <array>
#include <mutex>
#include <optional>

#include "engine/brief_spin.h"
#include "engine/endgame_read.h"
#include "engine/helper_thread.h"
#include "engine/midgame_search.h"

namespace kurobi {
KUROBI_ISA_BEGIN
namespace {

constexpr int kWorkers = 2;

// The nodes of the first line shared out, the root included.
constexpr int kMaxLevels = 8;

template <class Read>
class LineSplit {
  public:
    // Whether each root move is read from the root's first value, whatever the ones before it
    // gave; then a root move that raises the root may end its loop, and only the root is shared.
    static constexpr bool kIndependent = Read::kRootMovesIndependent;

    LineSplit(const GameState& s, const std::atomic<bool>* stop) : root_(s, stop), stop_(stop) {
        for (int w = 0; w < kWorkers; ++w) readers_[w].emplace(s, stop, &abandon_[w]);
        // Below the root, every ancestor of a node on the first line must be at its sentinel
        // while the node is read, as the readers take it to be.
        const int32_t rootValue = root_.frame().value(1);
        LineNode node = root_.Root();
        for (;;) {
            Level& level = levels_[levelCount_++];
            level.node = node;
            level.initial = levelCount_ == 1 ? rootValue : SentinelForPly(node.ply);
            root_.frame().ForEachInListOrder(node.moves, [&](int square) {
                level.squares[level.count++] = square;
                return false;
            });
            LineNode child;
            if (kIndependent || rootValue != SentinelForPly(1) || levelCount_ == kMaxLevels ||
                level.count == 0 || !root_.LineChild(node, level.squares[0], child))
                break;
            node = child;
        }
        StartLevel(levelCount_ - 1);
    }

    bool Run(GameState& s) {
        if (root_.frame().Poll()) return false;
        // Without the helper the caller reads every move itself.
        const bool helped = RunOnHelperThread(
            [](void* split) { static_cast<LineSplit*>(split)->Work(1); }, this);
        Work(0);
        if (helped) WaitForHelperThread();
        if (!finished_) return false;
        // The root's loop, on its frame: the node count, its value and best move.
        int unread, best;
        int32_t value;
        uint32_t nodes;
        Replay(levels_[0], unread, value, nodes, best);
        SearchFrame& frame = root_.frame();
        frame.setNodes(frame.nodes() + nodes);
        if (best >= 0) {
            frame.setRootMove(levels_[0].squares[best]);
            frame.Fold(2, value);
        }
        root_.FinishRoot(s);
        return true;
    }

  private:
    struct Level {
        LineNode node;
        int32_t initial;  // the node's value before its first move
        std::array<int, 64> squares{};
        int count = 0;
        std::array<MoveRead, 64> reads{};
        std::array<bool, 64> done{};
    };

    static bool Raises(const Level& level, int32_t running, int32_t value) {
        return level.node.ply & 1 ? value > running : value < running;
    }

    // The value a move is read from when its node's running value is `running`: the win-loss
    // read reads every root move as if it were the first.
    static int32_t StartOf(int32_t running) { return kIndependent ? SentinelForPly(1) : running; }

    // The node's loop over the moves read, in list order, as one thread runs it. Returns
    // whether the loop ran to its end (stopped, or past its last move); otherwise `unread` is
    // the first move not read from the value the loop reaches. `value` and `nodes` are the
    // node's, `best` the last move that raised its value (-1 for none).
    bool Replay(const Level& level, int& unread, int32_t& value, uint32_t& nodes,
                int& best) const {
        value = level.initial;
        nodes = 0;
        best = -1;
        for (int i = 0; i < level.count; ++i) {
            const MoveRead& read = level.reads[i];
            if (!level.done[i] || read.from != StartOf(value)) {
                unread = i;
                return false;
            }
            nodes += read.nodes;
            const bool raised = Raises(level, value, read.value);
            if (raised) {
                value = read.value;
                best = i;
            }
            if (read.stopsNode && (raised || !kIndependent)) return true;
        }
        return true;
    }

    // The first move of the current level (past `floor_`, up to `limit_`) that no thread reads
    // and that is not read yet from the value it is to be read from, with that value; -1 when
    // there is none for now. A move not read yet is taken not to raise the node's value.
    int NextMove(int32_t& from) const {
        const Level& level = levels_[current_];
        int32_t running = level.initial;
        for (int j = 0; j <= limit_; ++j) {
            const MoveRead& read = level.reads[j];
            const bool counts = level.done[j] && read.from == StartOf(running);
            if (j >= floor_ && !counts && reading_[0] != j && reading_[1] != j) {
                from = StartOf(running);
                return j;
            }
            if (counts) {
                if (!kIndependent && read.stopsNode) return -1;  // the node's loop ends here
                if (Raises(level, running, read.value)) running = read.value;
            } else if (j == 0 && !kIndependent) {
                return -1;  // every later move depends on the first
            }
        }
        return -1;
    }

    void StartLevel(int d) {
        current_ = d;
        floor_ = 0;
        limit_ = levels_[d].count - 1;
    }

    // Called when no move of the current level is left to read and no thread reads one: the
    // level's node is done, or (the win-loss root) the win the threads stopped at did not end
    // the root's loop, and they read on past it.
    void FinishLevel() {
        Level& level = levels_[current_];
        int unread, best;
        int32_t value;
        uint32_t nodes;
        if (!Replay(level, unread, value, nodes, best)) {
            floor_ = unread;
            limit_ = level.count - 1;
            for (int i = floor_; i < level.count; ++i)
                if (level.done[i] && level.reads[i].stopsNode) limit_ = std::min(limit_, i);
            return;
        }
        if (current_ == 0) {
            finished_ = true;
            return;
        }
        Level& parent = levels_[current_ - 1];
        parent.reads[0] = root_.FoldLineChild(parent.node, parent.initial, value, nodes);
        parent.done[0] = true;
        StartLevel(current_ - 1);
    }

    bool StopRequested() const {
        return stop_ != nullptr && stop_->load(std::memory_order_relaxed);
    }

    void Work(int w) {
        Read& reader = *readers_[w];
        std::unique_lock lock(mutex_);
        for (;;) {
            if (finished_ || StopRequested()) {
                changed_.NotifyAll();
                return;
            }
            int32_t from = 0;
            const int i = NextMove(from);
            if (i < 0) {
                // What the other thread finds may leave a move to read.
                if (reading_[1 - w] >= 0) {
                    changed_.WaitForChange(lock);
                } else {
                    FinishLevel();
                    changed_.NotifyAll();
                }
                continue;
            }
            reading_[w] = i;
            abandon_[w].store(false, std::memory_order_relaxed);
            Level& level = levels_[current_];
            lock.unlock();
            const MoveRead read = reader.ReadMove(level.node, level.squares[i], from);
            const bool dropped = reader.frame().stopped();
            reader.frame().Resume();
            lock.lock();
            reading_[w] = -1;
            changed_.NotifyAll();
            if (dropped) continue;
            level.reads[i] = read;
            level.done[i] = true;
            // The reads after a move that raised the node's value started from less, or a
            // win-loss move past the first one that stops the root may not count; those after
            // a move that ends its node's loop do not.
            const bool raised = read.value != read.from;
            if (kIndependent ? !read.stopsNode || i > limit_ : !raised && !read.stopsNode) continue;
            if (kIndependent) limit_ = i;
            for (int other = 0; other < kWorkers; ++other)
                if (reading_[other] > i) abandon_[other].store(true, std::memory_order_relaxed);
        }
    }

    Read root_;  // gathers the results; reads nothing itself
    const std::atomic<bool>* stop_;
    std::array<Level, kMaxLevels> levels_;  // the first line's nodes, the root first
    int levelCount_ = 0;

    std::mutex mutex_;  // guards everything below but the readers' own work
    BriefSpinCondition changed_;
    int current_ = 0;  // the level whose moves the threads read: floor_ to limit_
    int floor_ = 0;
    int limit_ = 0;
    bool finished_ = false;
    std::array<int, kWorkers> reading_{-1, -1};
    std::array<std::atomic<bool>, kWorkers> abandon_{};
    std::array<std::optional<Read>, kWorkers> readers_;
};

}  // namespace

bool SplitMidgameSearch(GameState& s, const std::atomic<bool>* stop) {
    return LineSplit<MidgameSearch>(s, stop).Run(s);
}

bool SplitExactRead(GameState& s, const std::atomic<bool>* stop) {
    return LineSplit<EndgameRead<false>>(s, stop).Run(s);
}

bool SplitWinLossRead(GameState& s, const std::atomic<bool>* stop) {
    return LineSplit<EndgameRead<true>>(s, stop).Run(s);
}

KUROBI_ISA_END
}  // namespace kurobi
