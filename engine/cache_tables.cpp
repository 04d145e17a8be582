#include "engine/cache_tables.h"

#include <algorithm>
#include <array>
#include <atomic>

#include "engine/leaf_values_cache.h"
#include "engine/subtree_cache.h"

namespace kurobi {
namespace {

// Of each kind. An endgame read on two threads holds three: one for each thread and one for the
// read that gathers their results. The fourth is for a tool or test that searches on another
// thread meanwhile.
constexpr int kTables = 4;

template <class Line>
struct Pool {
    static_assert(sizeof(Line) == 64);
    struct Table {
        std::array<Line, size_t{1} << kTableLineBits> lines;
        uint8_t stamp = 0;
    };
    // Zero-filled at start (no line valid); 256 KiB a table.
    static inline std::array<Table, kTables> tables;
    static inline std::array<std::atomic<bool>, kTables> lent;
};

}  // namespace

template <class Line>
CacheLease<Line>::CacheLease() {
    using P = Pool<Line>;
    for (int t = 0; t < kTables; ++t) {
        if (P::lent[t].exchange(true, std::memory_order_acquire)) continue;
        auto& table = P::tables[t];
        if (++table.stamp == 0) {  // the stamps came round: forget every line
            std::fill(table.lines.begin(), table.lines.end(), Line{});
            table.stamp = 1;
        }
        table_ = t;
        lines_ = table.lines.data();
        stamp_ = table.stamp;
        return;
    }
}

template <class Line>
CacheLease<Line>::~CacheLease() {
    if (table_ >= 0) Pool<Line>::lent[table_].store(false, std::memory_order_release);
}

template class CacheLease<CacheBucket>;
template class CacheLease<LeafValues>;

}  // namespace kurobi
