// ORNIK, the companion identification library: fills the program's record
// with the cache sizes, the processor's name and the system's name.
#include <stdio.h>
#include <string.h>

#include "core_pinning.h"
#include "ident_info.h"
#include "identify.h"
#include "system_name.h"

#if defined(_WIN32)
#define ORNIK_API extern "C" __declspec(dllexport)
#else
#define ORNIK_API extern "C" __attribute__((visibility("default")))
#endif

ORNIK_API int ORNIK_CDECL ornik(ident_info *info);

int ORNIK_CDECL ornik(ident_info *info)
{
    // On a hybrid processor every run describes the performance cores, not
    // whichever kind of core the thread happened to be on.
    core_pin pin;
    pin_performance_core(&pin);
    cpu_description cpu;
    identify_processor(&cpu);
    unpin_core(&pin);

    info->version = ORNIK_VERSION;
    info->cache_l1i = cpu.l1i_kb;
    info->cache_l1t = cpu.l1t_kuops;
    info->cache_l1d = cpu.l1d_kb;
    info->cache_l2d = cpu.l2_kb;
    info->cache_l3d = cpu.l3_kb;
    snprintf(info->cpu_name, sizeof info->cpu_name, "%s", cpu.name);
    snprintf(info->extra_name, sizeof info->extra_name, "%s", cpu.uarch);
    read_system_name(info->os_name, sizeof info->os_name);
    return 1;
}
