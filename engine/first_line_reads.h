#pragma once
// What the midgame search and the endgame reads share for reading a node's moves one at a time
// (split_read.h): the nodes of their first line, and the node a read shares out while it reads.
// `Search` derives from FirstLineReads<Search>, befriends it, and has the members used below: its
// frame, its Result and From::Node, its Bounds with kRootBounds and
// ChildBounds<kCpu>(ply, bounds, best), its Fold<kCpu>, and
// TryLineMove<kCpu>(node, square, bounds, best), which plays the move and folds its child in.

#include <atomic>
#include <cstdint>

#include "core/game_state.h"
#include "engine/isa.h"
#include "engine/search_frame.h"

namespace kurobi {
KUROBI_ISA_BEGIN

// Where a read on one thread can hand the rest of a node's moves to both threads: the other
// thread, with nothing else to read, sets `wanted`, and the read shares out the remaining moves
// of the first large node whose loop it comes back to.
struct NodeSharingBase {
    std::atomic<bool> wanted{false};
};
template <class Bounds>
struct NodeSharing : NodeSharingBase {
    // Reads `node`'s moves (node.moves) with both threads, from its running value `best`, which
    // it leaves as the node's loop leaves it, the node count included, on the frame of `worker`.
    virtual void ShareRest(int worker, const LineNode& node, const Bounds& b, int32_t& best) = 0;
};

template <class Search>
class FirstLineReads {
  public:
    // The bounds of the node at ply k of the first line, its ancestors at their sentinels.
    static auto FirstLineBounds(int k) {
        auto b = Search::kRootBounds;
        for (int p = 1; p < k; ++p) b = ChildLineBounds(p, b, SentinelForPly(p));
        return b;
    }

    // The bounds of the node a move of the node at ply k, bounded by `b`, leads to when the
    // node's running value is `from`.
    template <class Bounds>
    static Bounds ChildLineBounds(int k, const Bounds& b, int32_t from) {
        return AtLineSide(
            k, [&](auto cpu) { return Search::template ChildBounds<cpu()>(k, b, from); });
    }

    // Move `square` of a node bounded by `b`, read on its own from the node's running value
    // `from`.
    template <class Bounds>
    MoveRead ReadMove(const LineNode& node, const Bounds& b, int square, int32_t from) {
        static_cast<Search&>(*this).frame_.StartMoveRead(node.ply, square);
        return ReadMoveWithin(node, b, square, from);
    }

    // A move of such a node, from the read of the node it leads to: that node's value and
    // nodes.
    template <class Bounds>
    MoveRead FoldLineChild(const LineNode& node, const Bounds& b, int32_t from, int32_t value,
                           uint32_t nodes) {
        Search& search = static_cast<Search&>(*this);
        int32_t best = from;
        const bool stops = AtLineSide(node.ply, [&](auto cpu) {
            return search.template Fold<cpu()>(node.ply, best, {value, Search::From::Node}, b);
        });
        return {nodes + 1, from, best, stops};
    }

    // ReadMove inside a read under way, whose count the frame goes on with.
    template <class Bounds>
    MoveRead ReadMoveWithin(const LineNode& node, const Bounds& b, int square, int32_t from) {
        Search& search = static_cast<Search&>(*this);
        const uint32_t before = search.frame_.nodes();
        search.frame_.CountNode();
        int32_t best = from;
        const bool stops = AtLineSide(node.ply, [&](auto cpu) {
            return search.template TryLineMove<cpu()>(node, square, b, best);
        });
        return {search.frame_.nodes() - before, from, best, stops};
    }

    // The next reads share out a node at `ply` or deeper through `sharing` when it is wanted;
    // null for none.
    void ShareAt(NodeSharingBase* sharing, int worker, int ply) {
        sharing_ = sharing;
        sharingWorker_ = worker;
        sharingPly_ = sharing != nullptr ? ply : -1;
    }

  protected:
    // For the node loop at ply k, before each move: whether the other thread waits for a share.
    bool SharingWanted(int k) const {
        return sharingPly_ >= 0 && k >= sharingPly_ &&
               sharing_->wanted.load(std::memory_order_relaxed);
    }
    template <class Bounds>
    void ShareRest(const LineNode& node, const Bounds& b, int32_t& best) {
        static_cast<NodeSharing<Bounds>*>(sharing_)->ShareRest(sharingWorker_, node, b, best);
    }

  private:
    NodeSharingBase* sharing_ = nullptr;
    int sharingWorker_ = 0;
    int sharingPly_ = -1;
};

KUROBI_ISA_END
}  // namespace kurobi
