// This copy's entry points, for the choice at the root (fast_search.cpp).

#include "engine/fast_reads.h"
#include "engine/fast_search_copies.h"

#ifndef KUROBI_ISA_ENTRIES
#define KUROBI_ISA_ENTRIES kFastSearchesBaseline
#endif

namespace kurobi {

extern const FastSearches KUROBI_ISA_ENTRIES{&MidgameRead, &ExactRead, &WinLossRead};

}  // namespace kurobi
