#include "engine/split_read.h"

#include <algorithm>
#include <array>
#include <mutex>

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
class LineSplit final : public NodeSharing<decltype(Read::FirstLineBounds(1))> {
    using Bounds = decltype(Read::FirstLineBounds(1));

  public:
    LineSplit(const GameState& s, const std::atomic<bool>* stop)
        : root_(s, stop),
          stop_(stop),
          readers_{{Read(s, stop, &abandon_[0]), Read(s, stop, &abandon_[1])}} {
        // Below the root, every ancestor of a node on the first line must be at its sentinel
        // while the node is read, as the readers take it to be.
        const int32_t rootValue = root_.frame().value(1);
        LineNode node = root_.Root();
        for (;;) {
            Level& level = levels_[levelCount_++];
            const bool root = levelCount_ == 1;
            SetUp(level, node, Read::FirstLineBounds(node.ply),
                  root ? rootValue : SentinelForPly(node.ply));
            level.independent = root && Read::kRootMovesIndependent;
            LineNode child;
            if (level.independent || rootValue != SentinelForPly(1) || levelCount_ == kMaxLevels ||
                level.count == 0 || !root_.LineChild(node, level.squares[0], child))
                break;
            node = child;
        }
        current_ = levelCount_ - 1;
    }

    bool Run(GameState& s) {
        if (root_.frame().Poll()) return false;
        // Without the helper the caller reads every move itself.
        const bool helped =
            RunOnHelperThread([](void* split) { static_cast<LineSplit*>(split)->Work(1); }, this);
        Work(0);
        if (helped) WaitForHelperThread();
        if (!finished_) return false;
        // The root's loop, on its frame: the node count, its value and best move.
        const Loop loop = Replay(levels_[0]);
        SearchFrame& frame = root_.frame();
        frame.setNodes(frame.nodes() + loop.nodes);
        if (loop.best >= 0) {
            frame.setRootMove(levels_[0].squares[loop.best]);
            frame.Fold(2, loop.value);
        }
        root_.FinishRoot(s);
        return true;
    }

  private:
    // A node whose moves the threads read one at a time: a node of the first line, or the
    // node a read shares out.
    struct Level {
        LineNode node;
        Bounds bounds;    // what the node's ancestors allow
        int32_t initial;  // the node's value before the moves listed
        // Whether each move is read as if it were the first, whatever the ones before it gave
        // (the win-loss root); then a move that raises the node may end its loop.
        bool independent = false;
        int floor = 0;  // the moves the threads may take: floor to limit
        int limit = 0;
        // SetUp fills the first `count` squares and clears their `done`; a read is looked at
        // only once it is done. Left unset otherwise: clearing every level took a measurable
        // share of a short search.
        std::array<int, 64> squares;
        int count = 0;
        std::array<MoveRead, 64> reads;
        std::array<bool, 64> done;
    };
    using Readers = std::array<int, kWorkers>;  // the move each thread reads, -1 for none

    void SetUp(Level& level, const LineNode& node, const Bounds& bounds, int32_t initial) {
        level.node = node;
        level.bounds = bounds;
        level.initial = initial;
        level.independent = false;
        level.count = 0;
        root_.frame().ForEachInListOrder(node.moves, [&](int square) {
            level.squares[level.count] = square;
            level.done[level.count++] = false;
            return false;
        });
        level.floor = 0;
        level.limit = level.count - 1;
    }

    static bool Raises(const Level& level, int32_t running, int32_t value) {
        return level.node.ply & 1 ? value > running : value < running;
    }

    // The value a move is read from when its node's running value is `running`: the win-loss
    // read reads every root move as if it were the first.
    static int32_t StartOf(const Level& level, int32_t running) {
        return level.independent ? SentinelForPly(level.node.ply) : running;
    }

    // Whether the node's moves after the first wait for it: they would be read from the
    // node's sentinel, which the first always changes.
    static bool WaitsForFirst(const Level& level) {
        return !level.independent && level.initial == SentinelForPly(level.node.ply);
    }

    // The node's loop over the moves read, in list order, as one thread runs it: whether it
    // ran to its end (stopped, or past its last move); otherwise `unread` is the first move not
    // read from the value the loop reaches. `value` and `nodes` are the node's so far, `best`
    // the last move that raised its value (-1 for none).
    struct Loop {
        bool ended;
        int unread;
        int32_t value;
        uint32_t nodes;
        int best;
    };
    static Loop Replay(const Level& level) {
        Loop loop{true, -1, level.initial, 0, -1};
        for (int i = 0; i < level.count; ++i) {
            const MoveRead& read = level.reads[i];
            if (!level.done[i] || read.from != StartOf(level, loop.value)) {
                loop.ended = false;
                loop.unread = i;
                return loop;
            }
            loop.nodes += read.nodes;
            const bool raised = Raises(level, loop.value, read.value);
            if (raised) {
                loop.value = read.value;
                loop.best = i;
            }
            if (read.stopsNode && (raised || !level.independent)) return loop;
        }
        return loop;
    }

    // The first move of `level` (past its floor, up to its limit) that no thread reads and
    // that is not read yet from the value it is to be read from, with that value; -1 when
    // there is none for now. A move not read yet is taken not to raise the node's value.
    static int NextMove(const Level& level, const Readers& reading, int32_t& from) {
        int32_t running = level.initial;
        for (int j = 0; j <= level.limit; ++j) {
            const MoveRead& read = level.reads[j];
            const bool counts = level.done[j] && read.from == StartOf(level, running);
            if (j >= level.floor && !counts && reading[0] != j && reading[1] != j) {
                from = StartOf(level, running);
                return j;
            }
            if (counts) {
                if (!level.independent && read.stopsNode) return -1;  // the node's loop ends here
                if (Raises(level, running, read.value)) running = read.value;
            } else if (j == 0 && WaitsForFirst(level)) {
                return -1;
            }
        }
        return -1;
    }

    // Keeps the read of move i of `level`. The reads after a move that raised the node's value
    // started from less, or a win-loss move past the first one that stops the root may not
    // count; those after a move that ends its node's loop do not: they are abandoned.
    void Keep(Level& level, const Readers& reading, int i, const MoveRead& read) {
        level.reads[i] = read;
        level.done[i] = true;
        const bool raised = read.value != read.from;
        if (level.independent ? !read.stopsNode || i > level.limit : !raised && !read.stopsNode)
            return;
        if (level.independent) level.limit = i;
        for (int other = 0; other < kWorkers; ++other)
            if (reading[other] > i) abandon_[other].store(true, std::memory_order_relaxed);
    }

    // Called when no move of the current level is left to read and no thread reads one: the
    // level's node is done, or (the win-loss root) the win the threads stopped at did not end
    // the root's loop, and they read on past it.
    void FinishLevel() {
        Level& level = levels_[current_];
        const Loop loop = Replay(level);
        if (!loop.ended) {
            level.floor = loop.unread;
            level.limit = level.count - 1;
            for (int i = level.floor; i < level.count; ++i)
                if (level.done[i] && level.reads[i].stopsNode)
                    level.limit = std::min(level.limit, i);
            return;
        }
        if (current_ == 0) {
            finished_ = true;
            return;
        }
        Level& parent = levels_[--current_];
        parent.reads[0] =
            root_.FoldLineChild(parent.node, parent.bounds, parent.initial, loop.value, loop.nodes);
        parent.done[0] = true;
    }

    // Whether the read of thread `reader`, the only one left at the current level, is worth
    // sharing out: it counts whatever else is read, and its move leads to a large node.
    bool WorthSharing(int reader) const {
        const Level& level = levels_[current_];
        const int move = reading_[reader];
        const Loop loop = Replay(level);
        LineNode child;
        return !loop.ended && loop.unread == move &&
               StartOf(level, loop.value) == readingFrom_[reader] &&
               root_.LineChild(level.node, level.squares[move], child);
    }

    bool StopRequested() const {
        return stop_ != nullptr && stop_->load(std::memory_order_relaxed);
    }

    // Reads move i of `level` from `from` on thread w with `readOne(square, from)`, marked in
    // `reading` meanwhile, and keeps the read unless it was abandoned. Called with `lock` held,
    // and returns with it held.
    template <class ReadOne>
    void ReadOneMove(int w, std::unique_lock<std::mutex>& lock, Level& level, Readers& reading,
                     int i, int32_t from, ReadOne&& readOne) {
        reading[w] = i;
        abandon_[w].store(false, std::memory_order_relaxed);
        lock.unlock();
        SearchFrame& frame = readers_[w].frame();
        const MoveRead read = readOne(level.squares[i], from);
        const bool dropped = frame.stopped();
        frame.Resume();
        lock.lock();
        reading[w] = -1;
        changed_.NotifyAll();
        if (!dropped) Keep(level, reading, i, read);
    }

    // Reads a move of the shared node if one is left to read; returns whether it did.
    template <class ReadOne>
    bool ReadSharedMove(int w, std::unique_lock<std::mutex>& lock, ReadOne&& readOne) {
        int32_t from = 0;
        const int i = NextMove(shared_, sharedReading_, from);
        if (i < 0) return false;
        ReadOneMove(w, lock, shared_, sharedReading_, i, from, readOne);
        return true;
    }

    // Called by the read of thread w, which the other thread asked to share, at the node it
    // shares out.
    void ShareRest(int w, const LineNode& node, const Bounds& b, int32_t& best) override {
        Read& reader = readers_[w];
        SearchFrame& frame = reader.frame();
        const uint32_t before = frame.nodes();
        std::unique_lock lock(mutex_);
        this->wanted.store(false, std::memory_order_relaxed);
        SetUp(shared_, node, b, best);
        sharing_ = true;
        changed_.NotifyAll();
        for (;;) {
            if (StopRequested()) {
                frame.Poll();
                break;
            }
            if (ReadSharedMove(w, lock, [&](int square, int32_t from) {
                    return reader.ReadMoveWithin(shared_.node, shared_.bounds, square, from);
                }))
                continue;
            if (sharedReading_[1 - w] >= 0) {
                changed_.WaitForChange(lock);
                continue;
            }
            const Loop loop = Replay(shared_);
            best = loop.value;
            frame.setNodes(before + loop.nodes);
            break;
        }
        sharing_ = false;
        // What abandoned a read of the shared node does not concern the read it came from.
        abandon_[w].store(false, std::memory_order_relaxed);
        changed_.NotifyAll();
    }

    void Work(int w) {
        Read& reader = readers_[w];
        std::unique_lock lock(mutex_);
        for (;;) {
            if (finished_ || StopRequested()) {
                changed_.NotifyAll();
                return;
            }
            int32_t from = 0;
            const int i = NextMove(levels_[current_], reading_, from);
            if (i < 0) {
                // What the other thread finds may leave a move to read.
                if (reading_[1 - w] >= 0) {
                    if (sharing_) {
                        if (ReadSharedMove(w, lock, [&](int square, int32_t from) {
                                reader.ShareAt(nullptr, w, 0);
                                return reader.ReadMove(shared_.node, shared_.bounds, square, from);
                            }))
                            continue;
                    } else if (WorthSharing(1 - w)) {
                        // Rather than wait for that read alone, ask it to share.
                        this->wanted.store(true, std::memory_order_relaxed);
                    }
                    changed_.WaitForChange(lock);
                } else {
                    FinishLevel();
                    changed_.NotifyAll();
                }
                continue;
            }
            readingFrom_[w] = from;
            this->wanted.store(false, std::memory_order_relaxed);
            Level& level = levels_[current_];
            ReadOneMove(w, lock, level, reading_, i, from, [&](int square, int32_t from) {
                reader.ShareAt(this, w, level.node.ply + 1);
                return reader.ReadMove(level.node, level.bounds, square, from);
            });
            this->wanted.store(false, std::memory_order_relaxed);
        }
    }

    Read root_;  // gathers the results; reads nothing itself
    const std::atomic<bool>* stop_;
    std::array<Level, kMaxLevels> levels_;  // the first line's nodes, the root first
    int levelCount_ = 0;

    std::mutex mutex_;  // guards everything below but the readers' own work
    BriefSpinCondition changed_;
    int current_ = 0;  // the level whose moves the threads read
    bool finished_ = false;
    Readers reading_{-1, -1};
    std::array<int32_t, kWorkers> readingFrom_{};
    // The node a read shares out, while `sharing_`: both threads read its moves, the one that
    // shares it on the frame of its read, which takes the node's result.
    Level shared_;
    bool sharing_ = false;
    Readers sharedReading_{-1, -1};
    std::array<std::atomic<bool>, kWorkers> abandon_{};
    // Built with the split: optionals emplaced later cost several microseconds to set up,
    // a few per cent of a short search.
    std::array<Read, kWorkers> readers_;
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
