#include "core_pinning.h"

#include "probe/cpu_x86.h"

static const uint32_t HYBRID_FLAG = 1u << 15; // leaf 7 EDX
static const uint32_t CORE_TYPE_CORE = 0x40;  // leaf 1Ah EAX bits 31..24; 0x20 is Atom

bool hybrid_processor(void)
{
    uint32_t max_leaf = 0, ebx, ecx, edx = 0;
    if (!cpuid_query(0, &max_leaf, &ebx, &ecx, &edx) || max_leaf < 0x1A)
        return false;
    uint32_t eax;
    cpuid_query_sub(7, 0, &eax, &ebx, &ecx, &edx);
    return (edx & HYBRID_FLAG) != 0;
}

bool on_performance_core(void)
{
    uint32_t eax = 0, ebx, ecx, edx;
    cpuid_query(0x1A, &eax, &ebx, &ecx, &edx);
    return (eax >> 24) == CORE_TYPE_CORE;
}
