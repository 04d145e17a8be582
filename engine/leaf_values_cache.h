#pragma once
// The leaf values below the midgame search's last nodes, kept for the rest of the search. A
// node whose children are all leaves reaches the same leaves in the same list order wherever
// its position recurs, however its ancestors bound it; only where its cut comes depends on the
// bound. So the values it evaluated the first time are replayed against each later bound, and
// only the leaves beyond them are evaluated.

#include <cstdint>

#include "engine/cache_tables.h"
#include "engine/isa.h"

namespace kurobi {

// One such node's position and the first of its leaf values, in list order.
struct alignas(64) LeafValues {
    static constexpr int kCapacity = 11;
    uint64_t own;  // the side to move's discs
    uint64_t opp;
    int32_t values[kCapacity];
    uint8_t count;
    uint8_t complete;  // `values` holds every leaf of the node
    uint8_t cpuMoves;  // whether the computer moves at the node
    uint8_t stamp;
};
// Made once, with the baseline code (cache_tables.cpp), whatever copy of the searches uses it.
extern template class CacheLease<LeafValues>;

KUROBI_ISA_BEGIN

class LeafValuesCache {
  public:
    // The values kept for the node where `own` moves (the computer if kCpu), emptied for it
    // when another node's values were kept in their place. Without a table, one line is kept.
    template <bool kCpu>
    LeafValues& For(uint64_t own, uint64_t opp) {
        LeafValues& line =
            lease_.lines() != nullptr ? lease_.lines()[TableLineIndex(own, opp, 0)] : spare_;
        if (line.own != own || line.opp != opp || line.cpuMoves != kCpu ||
            line.stamp != lease_.stamp()) {
            line.own = own;
            line.opp = opp;
            line.count = 0;
            line.complete = 0;
            line.cpuMoves = kCpu;
            line.stamp = lease_.stamp();
        }
        return line;
    }

  private:
    CacheLease<LeafValues> lease_;
    LeafValues spare_{};
};

KUROBI_ISA_END
}  // namespace kurobi
