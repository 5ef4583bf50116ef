// CPUID access, the time-stamp-counter test and the clock measurement.
#pragma once

#include <stdint.h>

// True when the processor keeps an inverted ID flag (EFLAGS bit 21).
bool cpuid_available(void);

// Runs CPUID for leaf (sub-leaf 0). On false nothing is written.
bool cpuid_query(uint32_t leaf, uint32_t *eax, uint32_t *ebx, uint32_t *ecx, uint32_t *edx);

// The same for leaves that take a sub-leaf in ECX.
bool cpuid_query_sub(uint32_t leaf, uint32_t subleaf, uint32_t *eax, uint32_t *ebx, uint32_t *ecx, uint32_t *edx);

// Leaf 1, EDX bit 4.
bool tsc_available(void);

// Counts time-stamp ticks over at least half a second of performance-counter
// time. On false (no TSC, no performance counter) out is not written.
bool measure_clock_hz(uint64_t *out);
