// The real processor, through compiler intrinsics so that GCC, Clang and MSVC
// build it alike in 32-bit and 64-bit modes.
#include "cpu_seam.h"

#if defined(_MSC_VER)
#include <intrin.h>
#else
#include <cpuid.h>
#include <x86intrin.h>
#endif

static uint32_t hardware_read_eflags(void)
{
    // On x86-64 this reads RFLAGS, whose upper half is reserved and zero.
    return (uint32_t)__readeflags();
}

static void hardware_write_eflags(uint32_t value)
{
    __writeeflags(value);
}

static void hardware_cpuid(uint32_t leaf, uint32_t subleaf, cpuid_regs *out)
{
#if defined(_MSC_VER)
    int regs[4];
    __cpuidex(regs, (int)leaf, (int)subleaf);
    out->eax = (uint32_t)regs[0];
    out->ebx = (uint32_t)regs[1];
    out->ecx = (uint32_t)regs[2];
    out->edx = (uint32_t)regs[3];
#else
    unsigned int a, b, c, d;
    __cpuid_count(leaf, subleaf, a, b, c, d);
    out->eax = a;
    out->ebx = b;
    out->ecx = c;
    out->edx = d;
#endif
}

static uint64_t hardware_read_tsc(void)
{
    return (uint64_t)__rdtsc();
}

const cpu_seam cpu_seam_hardware = {
    hardware_read_eflags,
    hardware_write_eflags,
    hardware_cpuid,
    hardware_read_tsc,
};

static const cpu_seam *selected_cpu = &cpu_seam_hardware;

const cpu_seam *cpu_current(void)
{
    return selected_cpu;
}

const cpu_seam *cpu_select(const cpu_seam *seam)
{
    const cpu_seam *previous = selected_cpu;
    selected_cpu = seam ? seam : &cpu_seam_hardware;
    return previous;
}
