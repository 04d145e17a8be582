#pragma once
// The bitboard searches must give the same results at every instruction set: the tests that
// compare them run once on each instruction set this machine supports, the baseline included.

#include <string>

#include "engine/instruction_set.h"

namespace kurobi {

// Calls `body(set)` with the searches held at each supported instruction set in turn, then
// lets them run on the machine's own again.
template <class Body>
void AtEveryInstructionSet(Body&& body) {
    const int top = static_cast<int>(SupportedInstructionSet());
    for (int set = 0; set <= top; ++set) {
        CapInstructionSet(static_cast<InstructionSet>(set));
        body(static_cast<InstructionSet>(set));
    }
    CapInstructionSet(SupportedInstructionSet());
}

inline std::string OnSet(InstructionSet set) {
    return std::string(" on instruction set ") + InstructionSetName(set);
}

}  // namespace kurobi
