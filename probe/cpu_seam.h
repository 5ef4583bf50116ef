// The one seam between the program and the processor: EFLAGS, CPUID and the
// time-stamp counter. Everything above it can run on a processor given as a
// table of leaves (tests, recorded dumps) as well as on the real one.
#pragma once

#include <stdint.h>

struct cpuid_regs {
    uint32_t eax, ebx, ecx, edx;
};

struct cpu_seam {
    uint32_t (*read_eflags)(void);
    void (*write_eflags)(uint32_t value);
    void (*cpuid)(uint32_t leaf, uint32_t subleaf, cpuid_regs *out);
    uint64_t (*read_tsc)(void);
};

// The processor this program runs on.
extern const cpu_seam cpu_seam_hardware;

// The processor the probe currently talks to; the hardware unless replaced.
const cpu_seam *cpu_current(void);

// Replaces the processor the probe talks to (null restores the hardware) and
// returns the one it replaced.
const cpu_seam *cpu_select(const cpu_seam *seam);
