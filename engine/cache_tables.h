#pragma once
// Tables in which a search keeps what it has already worked out, to look it up rather than work
// it out again. They are kept for the life of the program and lent to one search at a time, so
// that no search allocates; a search that finds every table of its kind lent goes without one.
// What an earlier search kept is told apart by a stamp, as the move order, the square weights
// and the list squares may differ from one search to the next.
//
// A table is 4096 lines of a 64-byte type `Line`, in which stamp 0, never lent, marks what no
// search has filled; larger tables measured slower, their lines leaving the processor's caches:
// 8192 lines took the win-loss read 1.118 times as long, 2048 lines 1.006 times (median ratios
// of alternating rounds; to measure: kTableLineBits one higher or lower, the bench's bitboard
// exact and win-loss reads, `kurobi-analyze bench`, against this build's).

#include <cstdint>

#include "engine/isa.h"

namespace kurobi {

inline constexpr int kTableLineBits = 12;

template <class Line>
class CacheLease {
  public:
    CacheLease();
    ~CacheLease();
    CacheLease(const CacheLease&) = delete;
    CacheLease& operator=(const CacheLease&) = delete;

    // Null when no table was free.
    Line* lines() const { return lines_; }
    uint8_t stamp() const { return stamp_; }

  private:
    int table_ = -1;
    Line* lines_ = nullptr;
    uint8_t stamp_ = 0;
};

KUROBI_ISA_BEGIN

// The line of a table that a position (and what else the kept work depends on) falls to.
inline uint64_t TableLineIndex(uint64_t own, uint64_t opp, uint64_t context) {
    uint64_t h =
        own * 0x9E3779B97F4A7C15ULL ^ opp * 0xC2B2AE3D27D4EB4FULL ^ context * 0x165667B19E3779F9ULL;
    h ^= h >> 29;
    return h >> (64 - kTableLineBits);
}

KUROBI_ISA_END
}  // namespace kurobi
