#pragma once
// The four lines through a square of a bitboard (its row, its column and its two diagonals),
// each gathered into one byte, and the tables that turn discs on a line in that form. On the
// column a square's place is its row; on the other lines it is its column.

#include <algorithm>
#include <array>
#include <cstdint>

#include "engine/isa.h"

namespace kurobi {
KUROBI_ISA_BEGIN
namespace board_lines {

inline constexpr uint64_t kColumn = 0x0101010101010101ULL;

inline unsigned GatherRow(uint64_t discs, int row) {
    return (discs >> 8 * row) & 0xFF;
}
inline uint64_t SpreadRow(unsigned line, int row) {
    return uint64_t{line} << 8 * row;
}

// The multiplications move bit 8k to bit 56 + k and back, without carries.
inline unsigned GatherColumn(uint64_t discs, int column) {
    return ((discs >> column) & kColumn) * 0x0102040810204080ULL >> 56;
}
inline uint64_t SpreadColumn(unsigned line, int column) {
    return ((line * 0x0002040810204081ULL) & kColumn) << column;
}

// A diagonal holds one square per column, so a multiplication stacks it into one byte without
// carries, and copies the byte back to every row.
inline unsigned GatherDiagonal(uint64_t discs, uint64_t diagonal) {
    return (discs & diagonal) * kColumn >> 56;
}
inline uint64_t SpreadDiagonal(unsigned line, uint64_t diagonal) {
    return (line * kColumn) & diagonal;
}

// The two diagonals through each square.
constexpr std::array<std::array<uint64_t, 2>, 64> MakeDiagonals() {
    std::array<std::array<uint64_t, 2>, 64> diagonals{};
    for (int sq = 0; sq < 64; ++sq) {
        for (int x = 0; x < 8; ++x) {
            const int down = sq / 8 + (x - sq % 8);
            const int up = sq / 8 - (x - sq % 8);
            if (down >= 0 && down < 8) diagonals[sq][0] |= uint64_t{1} << (down * 8 + x);
            if (up >= 0 && up < 8) diagonals[sq][1] |= uint64_t{1} << (up * 8 + x);
        }
    }
    return diagonals;
}

using LineTable = std::array<std::array<uint8_t, 256>, 8>;  // [place on the line][line byte]

// For each direction from the place, the cell just past a run of one or more opposing discs
// next to it; a move turns the run if that cell holds an own disc.
constexpr LineTable MakeOutflanks() {
    LineTable outflanks{};
    for (int pos = 0; pos < 8; ++pos) {
        for (int opp = 0; opp < 256; ++opp) {
            for (const int step : {-1, 1}) {
                int c = pos + step;
                if (c < 0 || c > 7 || !(opp & (1 << c))) continue;
                while (c >= 0 && c < 8 && (opp & (1 << c))) c += step;
                if (c >= 0 && c < 8) outflanks[pos][opp] |= static_cast<uint8_t>(1 << c);
            }
        }
    }
    return outflanks;
}

// The cells between the place and each of the given outflanking cells.
constexpr LineTable MakeBetween() {
    LineTable between{};
    for (int pos = 0; pos < 8; ++pos)
        for (int ends = 0; ends < 256; ++ends)
            for (int c = 0; c < 8; ++c)
                if (ends & (1 << c))
                    for (int j = std::min(c, pos) + 1; j < std::max(c, pos); ++j)
                        between[pos][ends] |= static_cast<uint8_t>(1 << j);
    return between;
}

// The discs a move at the place turns along a line whose other cells are all occupied, given
// the own discs. Cells that a short diagonal lacks read as not own, and a run that meets no own
// disc turns nothing, so short lines need no table of their own.
constexpr LineTable MakeLastFlipCounts() {
    LineTable counts{};
    for (int pos = 0; pos < 8; ++pos) {
        for (int own = 0; own < 256; ++own) {
            int total = 0;
            for (const int step : {-1, 1}) {
                int run = 0;
                int c = pos + step;
                for (; c >= 0 && c < 8 && !(own & (1 << c)); c += step) ++run;
                if (c >= 0 && c < 8) total += run;
            }
            counts[pos][own] = static_cast<uint8_t>(total);
        }
    }
    return counts;
}

inline constexpr auto kDiagonals = MakeDiagonals();
inline constexpr LineTable kOutflanks = MakeOutflanks();
inline constexpr LineTable kBetween = MakeBetween();
inline constexpr LineTable kLastFlipCounts = MakeLastFlipCounts();

// The opposing discs a move at the place turns along one line.
inline unsigned Turned(int pos, unsigned ownLine, unsigned oppLine) {
    return kBetween[pos][kOutflanks[pos][oppLine] & ownLine];
}

}  // namespace board_lines
KUROBI_ISA_END
}  // namespace kurobi
