#pragma once
// Subtrees already read in this endgame read. A subtree gives the same value and the same node
// count each time its position is reached in the same context (its ply, and for the exact read
// the ancestors' bounds its cut tests compare with), so the second time it is not read again:
// its nodes are counted and its value is returned as they were the first time. Transposed lines
// make such repeats common in the endgame.
//
// The tables are kept for the life of the program and lent to one read at a time, so that no
// read allocates; a read that finds every table lent goes without one. Entries of earlier reads
// are told apart by a stamp, as the move order, and with it every node count, may differ from
// one read to the next.

#include <atomic>
#include <cstdint>

#include "engine/isa.h"

namespace kurobi {

// One subtree: its position and context, and what its read gave.
struct MemoEntry {
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
struct alignas(64) MemoBucket {
    MemoEntry entries[2];
};

// 4096 buckets of 64 bytes: larger tables measured slower, their lines leaving the caches.
inline constexpr int kMemoBits = 12;

// A table lent to the read that holds the lease; `buckets` is null when none was free.
class MemoLease {
  public:
    MemoLease();
    ~MemoLease();
    MemoLease(const MemoLease&) = delete;
    MemoLease& operator=(const MemoLease&) = delete;

    MemoBucket* buckets() const { return buckets_; }
    uint8_t stamp() const { return stamp_; }

  private:
    int table_ = -1;
    MemoBucket* buckets_ = nullptr;
    uint8_t stamp_ = 0;
};

KUROBI_ISA_BEGIN

class SubtreeMemo {
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

    bool enabled() const { return lease_.buckets() != nullptr; }

    // The subtree's earlier read, if one is kept.
    bool Find(const Key& key, Hit& hit) const {
        for (const MemoEntry& e : Bucket(key).entries) {
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
        MemoEntry* entries = Bucket(key).entries;
        const bool first = entries[0].stamp != lease_.stamp() || hit.nodes >= entries[0].nodes;
        entries[first ? 0 : 1] = {key.own,   key.opp, key.context, hit.nodes,
                                  static_cast<int16_t>(hit.value), hit.from, lease_.stamp()};
    }

  private:
    MemoBucket& Bucket(const Key& key) const {
        uint64_t h = key.own * 0x9E3779B97F4A7C15ULL ^ key.opp * 0xC2B2AE3D27D4EB4FULL ^
                     key.context * 0x165667B19E3779F9ULL;
        h ^= h >> 29;
        return lease_.buckets()[h >> (64 - kMemoBits)];
    }

    MemoLease lease_;
};

KUROBI_ISA_END
}  // namespace kurobi
