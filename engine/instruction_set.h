#pragma once
// The instruction sets the searches are built for, and the one they run at: chosen once at
// start-up from what the processor reports. Tests and kurobi-analyze may hold it lower.

#include <string_view>

namespace kurobi {

// x86-64 as every such processor has it; x86-64-v3 (AVX2, BMI2, LZCNT, POPCNT); x86-64-v4
// (AVX-512 F, BW, CD, DQ, VL). Other architectures have the baseline only.
enum class InstructionSet { Baseline, V3, V4 };

const char* InstructionSetName(InstructionSet set);  // "baseline", "v3", "v4"
bool ParseInstructionSet(std::string_view name, InstructionSet& set);

// The highest instruction set that both this build and this processor have.
InstructionSet SupportedInstructionSet();

// The instruction set the searches run at: the supported one, held at most at the cap.
InstructionSet ActiveInstructionSet();
void CapInstructionSet(InstructionSet cap);

}  // namespace kurobi
