#include "engine/subtree_memo.h"

#include <algorithm>
#include <array>

namespace kurobi {
namespace {

// A read on two threads holds three: one for each thread and one for the read that gathers
// their results. The fourth is for a tool or test that reads on another thread meanwhile.
constexpr int kTables = 4;

struct Table {
    std::array<MemoBucket, size_t{1} << kMemoBits> buckets;
    uint8_t stamp = 0;
};

// Zero-filled at start (no entry valid); 256 KiB each, 1 MiB in all.
std::array<Table, kTables> tables;
std::array<std::atomic<bool>, kTables> lent;

}  // namespace

MemoLease::MemoLease() {
    for (int t = 0; t < kTables; ++t) {
        if (lent[t].exchange(true, std::memory_order_acquire)) continue;
        Table& table = tables[t];
        if (++table.stamp == 0) {  // the stamps came round: forget every entry
            std::fill(table.buckets.begin(), table.buckets.end(), MemoBucket{});
            table.stamp = 1;
        }
        table_ = t;
        buckets_ = table.buckets.data();
        stamp_ = table.stamp;
        return;
    }
}

MemoLease::~MemoLease() {
    if (table_ >= 0) lent[table_].store(false, std::memory_order_release);
}

}  // namespace kurobi
