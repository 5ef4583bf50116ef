// The library's identification core: what the processor is, from its CPUID
// answers through the probe's processor seam (the live processor or a
// recorded one).
#pragma once

#include <stdint.h>

struct cpu_description {
    // Size of one instance of each cache in KB; the trace cache in K-µops.
    // 0 where the processor has no such cache.
    int32_t l1i_kb;
    int32_t l1t_kuops;
    int32_t l1d_kb;
    int32_t l2_kb;
    int32_t l3_kb;
    char uarch[64];    // microarchitecture, e.g. "Zen 3"
    char codename[64]; // die or platform, e.g. "Vermeer"; may be empty
    char name[256];    // "Zen 3 (Vermeer)", or uarch alone, never empty
};

void identify_processor(cpu_description *out);
