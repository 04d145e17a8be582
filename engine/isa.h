#pragma once
// The searches' hot code is compiled once for each instruction set (engine/CMakeLists.txt). Each
// copy lives in a namespace of its own, so that inline functions and templates of two copies,
// which the linker would otherwise take for one, never mix. Code compiled only once, and any
// file that does not say otherwise, sees the baseline copy.

#ifndef KUROBI_ISA
#define KUROBI_ISA isa_baseline
#endif

#define KUROBI_ISA_BEGIN inline namespace KUROBI_ISA {
#define KUROBI_ISA_END }
