#include "engine/instruction_set.h"

#include <algorithm>
#include <atomic>
#include <cstdint>

#if defined(__x86_64__)
#include <cpuid.h>
#endif

namespace kurobi {
namespace {

#if defined(KUROBI_INSTRUCTION_SETS) && defined(__x86_64__)

bool AllBits(uint32_t word, uint32_t bits) {
    return (word & bits) == bits;
}

// The register state the operating system saves on a task switch (XCR0).
uint64_t SavedRegisterState() {
    uint32_t low, high;
    __asm__("xgetbv" : "=a"(low), "=d"(high) : "c"(0));
    return (uint64_t{high} << 32) | low;
}

InstructionSet DetectInstructionSet() {
    unsigned a, b, c, d;
    if (!__get_cpuid(1, &a, &b, &c, &d)) return InstructionSet::Baseline;
    // SSE3, SSSE3, FMA, CMPXCHG16B, SSE4.1, SSE4.2, MOVBE, POPCNT, OSXSAVE, AVX, F16C
    const uint32_t leaf1 = 1u << 0 | 1u << 9 | 1u << 12 | 1u << 13 | 1u << 19 | 1u << 20 |
                           1u << 22 | 1u << 23 | 1u << 27 | 1u << 28 | 1u << 29;
    if (!AllBits(c, leaf1)) return InstructionSet::Baseline;
    if (!__get_cpuid(0x80000001, &a, &b, &c, &d) || !AllBits(c, 1u << 0 | 1u << 5))  // LAHF, LZCNT
        return InstructionSet::Baseline;
    if (!__get_cpuid_count(7, 0, &a, &b, &c, &d)) return InstructionSet::Baseline;
    const uint32_t leaf7 = b;
    const uint64_t state = SavedRegisterState();
    if (!AllBits(leaf7, 1u << 3 | 1u << 5 | 1u << 8) || (state & 0x6) != 0x6)  // BMI1, AVX2, BMI2
        return InstructionSet::Baseline;
    // AVX-512 F, DQ, CD, BW, VL, with the mask and upper registers saved
    const uint32_t avx512 = 1u << 16 | 1u << 17 | 1u << 28 | 1u << 30 | 1u << 31;
    if (!AllBits(leaf7, avx512) || (state & 0xE0) != 0xE0) return InstructionSet::V3;
    return InstructionSet::V4;
}

#else

InstructionSet DetectInstructionSet() {
    return InstructionSet::Baseline;
}

#endif

const InstructionSet kSupported = DetectInstructionSet();
std::atomic<InstructionSet> active{kSupported};

}  // namespace

const char* InstructionSetName(InstructionSet set) {
    switch (set) {
        case InstructionSet::Baseline: return "baseline";
        case InstructionSet::V3: return "v3";
        case InstructionSet::V4: return "v4";
    }
    return "?";
}

bool ParseInstructionSet(std::string_view name, InstructionSet& set) {
    for (const InstructionSet l :
         {InstructionSet::Baseline, InstructionSet::V3, InstructionSet::V4}) {
        if (name == InstructionSetName(l)) {
            set = l;
            return true;
        }
    }
    return false;
}

InstructionSet SupportedInstructionSet() {
    return kSupported;
}

InstructionSet ActiveInstructionSet() {
    return active.load(std::memory_order_relaxed);
}

void CapInstructionSet(InstructionSet cap) {
    active.store(std::min(cap, kSupported), std::memory_order_relaxed);
}

}  // namespace kurobi
