#include "identify.h"

#include <stdio.h>
#include <string.h>

#include "probe/cpu_x86.h"

void identify_processor(cpu_description *out)
{
    memset(out, 0, sizeof *out);
    uint32_t eax = 0, ebx, ecx, edx;
    cpuid_query(1, &eax, &ebx, &ecx, &edx);
    unsigned family = (eax >> 8) & 0xF;
    snprintf(out->uarch, sizeof out->uarch, "x86 family %u", family);
    snprintf(out->name, sizeof out->name, "%s", out->uarch);
}
