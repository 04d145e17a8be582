#pragma once
// Subtrees already read in this endgame read. A subtree gives the same value and the same node
// count each time its position is reached in the same context (its ply, and for the exact read
// the ancestors' bounds its cut tests compare with), so the second time it is not read again:
// its nodes are counted and its value is returned as they were the first time. Transposed lines
// make such repeats common in the endgame.

#include <cstdint>

#include "engine/cache_tables.h"
#include "engine/isa.h"

namespace kurobi {

// One subtree: its position and context, and what its read gave.
struct CacheEntry {
    uint64_t own;  // the side to move's discs
    uint64_t opp;
    uint32_t context;
    uint32_t nodes;
    int16_t value;
    uint8_t from;
    uint8_t stamp;  // 0 in an entry no read has filled
};

// Two entries share a cache line: the first keeps the larger of the subtrees that met there,
// the second the latest.
struct alignas(64) CacheBucket {
    CacheEntry entries[2];
};
// Made once, with the baseline code (cache_tables.cpp), whatever copy of the searches uses it.
extern template class CacheLease<CacheBucket>;

KUROBI_ISA_BEGIN

class SubtreeCache {
  public:
    struct Key {
        uint64_t own;
        uint64_t opp;
        uint32_t context;
    };
    struct Hit {
        uint32_t nodes;
        int32_t value;
        uint8_t from;
    };

    bool enabled() const { return lease_.lines() != nullptr; }

    // The subtree's earlier read, if one is kept.
    bool Find(const Key& key, Hit& hit) const {
        for (const CacheEntry& e : Bucket(key).entries) {
            if (e.own == key.own && e.opp == key.opp && e.context == key.context &&
                e.stamp == lease_.stamp()) {
                hit = {e.nodes, e.value, e.from};
                return true;
            }
        }
        return false;
    }

    // Keeps a finished read.
    void Store(const Key& key, const Hit& hit) {
        CacheEntry* entries = Bucket(key).entries;
        const bool first = entries[0].stamp != lease_.stamp() || hit.nodes >= entries[0].nodes;
        entries[first ? 0 : 1] = {
            key.own,  key.opp,       key.context, hit.nodes, static_cast<int16_t>(hit.value),
            hit.from, lease_.stamp()};
    }

  private:
    CacheBucket& Bucket(const Key& key) const {
        return lease_.lines()[TableLineIndex(key.own, key.opp, key.context)];
    }

    CacheLease<CacheBucket> lease_;
};

KUROBI_ISA_END
}  // namespace kurobi
