#pragma once
// What the midgame search and the endgame reads share for reading the nodes of their first line
// one move at a time (split_read.h). `Search` derives from FirstLineReads<Search>, befriends it,
// and has the members used below: its frame, its Result and From::Node, its Bounds with
// kRootBounds and ChildBounds<kCpu>(ply, bounds, best), its Fold<kCpu>, and
// TryLineMove<kCpu>(node, square, bounds, best), which plays the move and folds its child in.

#include <cstdint>

#include "core/game_state.h"
#include "engine/isa.h"
#include "engine/search_frame.h"

namespace kurobi {
KUROBI_ISA_BEGIN

template <class Search>
class FirstLineReads {
  public:
    // Move `square` of a node on the first line read on its own.
    MoveRead ReadMove(const LineNode& node, int square, int32_t from) {
        Search& search = static_cast<Search&>(*this);
        search.frame_.StartMoveRead(node.ply, square);
        int32_t best = from;
        const bool stops = AtLineSide(node.ply, [&](auto cpu) {
            return search.template TryLineMove<cpu()>(node, square, LineBounds(node.ply), best);
        });
        return {search.frame_.nodes(), from, best, stops};
    }

    // The first move of a node on the first line, from the read of the node it leads to: that
    // node's value and nodes.
    MoveRead FoldLineChild(const LineNode& node, int32_t from, int32_t value, uint32_t nodes) {
        Search& search = static_cast<Search&>(*this);
        int32_t best = from;
        const bool stops = AtLineSide(node.ply, [&](auto cpu) {
            return search.template Fold<cpu()>(node.ply, best, {value, Search::From::Node},
                                               LineBounds(node.ply));
        });
        return {nodes + 1, from, best, stops};
    }

  private:
    // The bounds of the node at ply k of the first line, its ancestors at their sentinels.
    static auto LineBounds(int k) {
        auto b = Search::kRootBounds;
        for (int p = 1; p < k; ++p)
            b = AtLineSide(p, [&](auto cpu) {
                return Search::template ChildBounds<cpu()>(p, b, SentinelForPly(p));
            });
        return b;
    }
};

KUROBI_ISA_END
}  // namespace kurobi
