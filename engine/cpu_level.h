#pragma once
// The processor levels the searches are built for, and the one they run at: chosen once at
// start-up from what the processor reports. Tests and kurobi-analyze may hold it lower.

#include <string_view>

namespace kurobi {

// x86-64 as every such processor has it; x86-64-v3 (AVX2, BMI2, LZCNT, POPCNT); x86-64-v4
// (AVX-512 F, BW, CD, DQ, VL). Other architectures have the baseline only.
enum class CpuLevel { Baseline, V3, V4 };

const char* CpuLevelName(CpuLevel level);  // "baseline", "v3", "v4"
bool ParseCpuLevel(std::string_view name, CpuLevel& level);

// The highest level that both this build and this processor have.
CpuLevel SupportedCpuLevel();

// The level the searches run at: the supported one, held at most at the cap.
CpuLevel ActiveCpuLevel();
void CapCpuLevel(CpuLevel cap);

}  // namespace kurobi
