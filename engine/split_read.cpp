#include "engine/split_read.h"

#include <algorithm>
#include <array>
#include <mutex>

#include "engine/brief_spin.h"
#include "engine/endgame_read.h"
#include "engine/helper_thread.h"
#include "engine/midgame_search.h"
#include "engine/split_schedule.h"

namespace kurobi {
KUROBI_ISA_BEGIN
namespace {

constexpr int kWorkers = 2;

// The nodes of the first line shared out, the root included.
constexpr int kMaxLineNodes = 8;

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
            SplitNode& split = line_[lineLength_++];
            const bool root = lineLength_ == 1;
            SetUp(split, node, Read::FirstLineBounds(node.ply),
                  root ? rootValue : SentinelForPly(node.ply));
            split.independent = root && Read::kRootMovesIndependent;
            LineNode child;
            if (split.independent || rootValue != SentinelForPly(1) ||
                lineLength_ == kMaxLineNodes || split.count == 0 ||
                !root_.LineChild(node, split.squares[0], child))
                break;
            node = child;
        }
        current_ = lineLength_ - 1;
    }

    bool Run(GameState& s) {
        if (root_.frame().Poll()) return false;
        const SplitSchedule& schedule = CurrentSplitSchedule();
        shareAtOnce_ = schedule.shareAtOnce;
        // Without the helper the caller reads every move itself.
        const bool helped =
            schedule.helperJoins &&
            RunOnHelperThread([](void* split) { static_cast<LineSplit*>(split)->Work(1); }, this);
        Work(0);
        if (helped) WaitForHelperThread();
        if (!finished_) return false;
        // The root's loop, on its frame: the node count, its value and best move.
        const Loop loop = Replay(line_[0]);
        SearchFrame& frame = root_.frame();
        frame.setNodes(frame.nodes() + loop.nodes);
        if (loop.best >= 0) {
            frame.setRootMove(line_[0].squares[loop.best]);
            frame.Fold(2, loop.value);
        }
        root_.FinishRoot(s);
        return true;
    }

  private:
    // A node whose moves the threads read one at a time: a node of the first line, or the
    // node a read shares out.
    struct SplitNode {
        LineNode position;
        Bounds bounds;    // what the node's ancestors allow
        int32_t initial;  // the node's value before the moves listed
        // Whether each move is read as if it were the first, whatever the ones before it gave
        // (the win-loss root); then a move that raises the node may end its loop.
        bool independent = false;
        int floor = 0;  // the moves the threads may take: floor to limit
        int limit = 0;
        // SetUp fills the first `count` squares and clears their `done`; a read is looked at
        // only once it is done.
        std::array<int, 64> squares{};
        int count = 0;
        std::array<MoveRead, 64> reads{};
        std::array<bool, 64> done{};
    };
    using Readers = std::array<int, kWorkers>;  // the move each thread reads, -1 for none

    void SetUp(SplitNode& split, const LineNode& node, const Bounds& bounds, int32_t initial) {
        split.position = node;
        split.bounds = bounds;
        split.initial = initial;
        split.independent = false;
        split.count = 0;
        root_.frame().ForEachInListOrder(node.moves, [&](int square) {
            split.squares[split.count] = square;
            split.done[split.count++] = false;
            return false;
        });
        split.floor = 0;
        split.limit = split.count - 1;
    }

    static bool Raises(const SplitNode& split, int32_t running, int32_t value) {
        return split.position.ply & 1 ? value > running : value < running;
    }

    // The value a move is read from when its node's running value is `running`: the win-loss
    // read reads every root move as if it were the first.
    static int32_t StartOf(const SplitNode& split, int32_t running) {
        return split.independent ? SentinelForPly(split.position.ply) : running;
    }

    // Whether the node's moves after the first wait for it: they would be read from the
    // node's sentinel, which the first always changes.
    static bool WaitsForFirst(const SplitNode& split) {
        return !split.independent && split.initial == SentinelForPly(split.position.ply);
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
    static Loop Replay(const SplitNode& split) {
        Loop loop{true, -1, split.initial, 0, -1};
        for (int i = 0; i < split.count; ++i) {
            const MoveRead& read = split.reads[i];
            if (!split.done[i] || read.from != StartOf(split, loop.value)) {
                loop.ended = false;
                loop.unread = i;
                return loop;
            }
            loop.nodes += read.nodes;
            const bool raised = Raises(split, loop.value, read.value);
            if (raised) {
                loop.value = read.value;
                loop.best = i;
            }
            if (read.stopsNode && (raised || !split.independent)) return loop;
        }
        return loop;
    }

    // The first move of `split` (past its floor, up to its limit) that no thread reads and
    // that is not read yet from the value it is to be read from, with that value; -1 when
    // there is none for now. A move not read yet is taken not to raise the node's value.
    static int NextMove(const SplitNode& split, const Readers& reading, int32_t& from) {
        int32_t running = split.initial;
        for (int j = 0; j <= split.limit; ++j) {
            const MoveRead& read = split.reads[j];
            const bool counts = split.done[j] && read.from == StartOf(split, running);
            if (j >= split.floor && !counts && reading[0] != j && reading[1] != j) {
                from = StartOf(split, running);
                return j;
            }
            if (counts) {
                if (!split.independent && read.stopsNode) return -1;  // the node's loop ends here
                if (Raises(split, running, read.value)) running = read.value;
            } else if (j == 0 && WaitsForFirst(split)) {
                return -1;
            }
        }
        return -1;
    }

    // Keeps the read of move i of `split`. The reads after a move that raised the node's value
    // started from less, or a win-loss move past the first one that stops the root may not
    // count; those after a move that ends its node's loop do not: they are abandoned.
    void Keep(SplitNode& split, const Readers& reading, int i, const MoveRead& read) {
        split.reads[i] = read;
        split.done[i] = true;
        const bool raised = read.value != read.from;
        if (split.independent ? !read.stopsNode || i > split.limit : !raised && !read.stopsNode)
            return;
        if (split.independent) split.limit = i;
        for (int other = 0; other < kWorkers; ++other)
            if (reading[other] > i) abandon_[other].store(true, std::memory_order_relaxed);
    }

    // Called when no move of the current node is left to read and no thread reads one: the
    // node is done, or (the win-loss root) the win the threads stopped at did not end
    // the root's loop, and they read on past it.
    void FinishNode() {
        SplitNode& split = line_[current_];
        const Loop loop = Replay(split);
        if (!loop.ended) {
            split.floor = loop.unread;
            split.limit = split.count - 1;
            for (int i = split.floor; i < split.count; ++i)
                if (split.done[i] && split.reads[i].stopsNode)
                    split.limit = std::min(split.limit, i);
            return;
        }
        if (current_ == 0) {
            finished_ = true;
            return;
        }
        SplitNode& parent = line_[--current_];
        parent.reads[0] = root_.FoldLineChild(parent.position, parent.bounds, parent.initial,
                                              loop.value, loop.nodes);
        parent.done[0] = true;
    }

    // Whether the read of `move` of the current node from `from`, the only one left there, is
    // worth sharing out: it counts whatever else is read, and its move leads to a large node.
    bool WorthSharing(int move, int32_t from) const {
        const SplitNode& split = line_[current_];
        const Loop loop = Replay(split);
        LineNode child;
        return !loop.ended && loop.unread == move && StartOf(split, loop.value) == from &&
               root_.LineChild(split.position, split.squares[move], child);
    }

    // With the schedule's shareAtOnce: whether thread w, about to read move i of the current
    // node from `from`, leaves the other thread, idle now, nothing to read and so would be asked
    // to share as soon as the other thread found itself idle. Only a read that no other read
    // runs beside may share: two at once would both set up the one shared node.
    bool ShareAtOnce(int w, int i, int32_t from) const {
        if (!shareAtOnce_ || sharing_ || reading_[1 - w] >= 0) return false;
        Readers reading = reading_;
        reading[w] = i;
        int32_t unused = 0;
        return NextMove(line_[current_], reading, unused) < 0 && WorthSharing(i, from);
    }

    bool StopRequested() const {
        return stop_ != nullptr && stop_->load(std::memory_order_relaxed);
    }

    // Reads move i of `split` from `from` on thread w with `readOne(square, from)`, marked in
    // `reading` meanwhile, and keeps the read unless it was abandoned. Called with `lock` held,
    // and returns with it held.
    template <class ReadOne>
    void ReadOneMove(int w, std::unique_lock<std::mutex>& lock, SplitNode& split, Readers& reading,
                     int i, int32_t from, ReadOne&& readOne) {
        reading[w] = i;
        abandon_[w].store(false, std::memory_order_relaxed);
        lock.unlock();
        SearchFrame& frame = readers_[w].frame();
        const MoveRead read = readOne(split.squares[i], from);
        const bool dropped = frame.stopped();
        frame.Resume();
        lock.lock();
        reading[w] = -1;
        changed_.NotifyAll();
        if (!dropped) Keep(split, reading, i, read);
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
        CountSplitShare();
        SetUp(shared_, node, b, best);
        sharing_ = true;
        changed_.NotifyAll();
        for (;;) {
            if (StopRequested()) {
                frame.Poll();
                break;
            }
            if (ReadSharedMove(w, lock, [&](int square, int32_t from) {
                    return reader.ReadMoveWithin(shared_.position, shared_.bounds, square, from);
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
            const int i = NextMove(line_[current_], reading_, from);
            if (i < 0) {
                // What the other thread finds may leave a move to read.
                if (reading_[1 - w] >= 0) {
                    if (sharing_) {
                        if (ReadSharedMove(w, lock, [&](int square, int32_t from) {
                                reader.ShareAt(nullptr, w, 0);
                                return reader.ReadMove(shared_.position, shared_.bounds, square,
                                                       from);
                            }))
                            continue;
                    } else if (WorthSharing(reading_[1 - w], readingFrom_[1 - w])) {
                        // Rather than wait for that read alone, ask it to share.
                        this->wanted.store(true, std::memory_order_relaxed);
                    }
                    changed_.WaitForChange(lock);
                } else {
                    FinishNode();
                    changed_.NotifyAll();
                }
                continue;
            }
            readingFrom_[w] = from;
            this->wanted.store(ShareAtOnce(w, i, from), std::memory_order_relaxed);
            SplitNode& split = line_[current_];
            ReadOneMove(w, lock, split, reading_, i, from, [&](int square, int32_t from) {
                reader.ShareAt(this, w, split.position.ply + 1);
                return reader.ReadMove(split.position, split.bounds, square, from);
            });
            this->wanted.store(false, std::memory_order_relaxed);
        }
    }

    Read root_;  // gathers the results; reads nothing itself
    const std::atomic<bool>* stop_;
    std::array<SplitNode, kMaxLineNodes> line_;  // the first line's nodes, the root first
    int lineLength_ = 0;

    std::mutex mutex_;  // guards everything below but the readers' own work
    BriefSpinCondition changed_;
    int current_ = 0;  // the node of the first line whose moves the threads read
    bool finished_ = false;
    bool shareAtOnce_ = false;  // the schedule's
    Readers reading_{-1, -1};
    std::array<int32_t, kWorkers> readingFrom_{};
    // The node a read shares out, while `sharing_`: both threads read its moves, the one that
    // shares it on the frame of its read, which takes the node's result.
    SplitNode shared_;
    bool sharing_ = false;
    Readers sharedReading_{-1, -1};
    std::array<std::atomic<bool>, kWorkers> abandon_{};
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
