#pragma once
// The bitboard searches must give the same results at every processor level: the tests that
// compare them run once at each level this machine supports, the baseline included.

#include <string>

#include "engine/cpu_level.h"

namespace kurobi {

// Calls `body(level)` with the searches held at each supported level in turn, then lets them
// run at the machine's own level again.
template <class Body>
void AtEveryCpuLevel(Body&& body) {
    const int top = static_cast<int>(SupportedCpuLevel());
    for (int level = 0; level <= top; ++level) {
        CapCpuLevel(static_cast<CpuLevel>(level));
        body(static_cast<CpuLevel>(level));
    }
    CapCpuLevel(SupportedCpuLevel());
}

inline std::string AtLevel(CpuLevel level) {
    return std::string(" at cpu level ") + CpuLevelName(level);
}

}  // namespace kurobi
