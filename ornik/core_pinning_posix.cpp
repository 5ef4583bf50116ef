// Pinning through the thread's CPU affinity (sched_setaffinity).
#include "core_pinning.h"

#include <sched.h>
#include <string.h>

static_assert(sizeof(cpu_set_t) <= sizeof(((core_pin *)0)->saved), "core_pin holds a cpu_set_t");

bool pin_performance_core(core_pin *pin)
{
    pin->pinned = false;
    if (!hybrid_processor())
        return false;
    cpu_set_t original;
    if (sched_getaffinity(0, sizeof original, &original) != 0)
        return false;
    // Setting the affinity moves the thread before the call returns, so the
    // next CPUID runs on that processor.
    for (int cpu = 0; cpu < CPU_SETSIZE; cpu++) {
        if (!CPU_ISSET(cpu, &original))
            continue;
        cpu_set_t one;
        CPU_ZERO(&one);
        CPU_SET(cpu, &one);
        if (sched_setaffinity(0, sizeof one, &one) == 0 && on_performance_core()) {
            memcpy(pin->saved, &original, sizeof original);
            pin->pinned = true;
            return true;
        }
    }
    sched_setaffinity(0, sizeof original, &original);
    return false;
}

void unpin_core(const core_pin *pin)
{
    if (!pin->pinned)
        return;
    cpu_set_t original;
    memcpy(&original, pin->saved, sizeof original);
    sched_setaffinity(0, sizeof original, &original);
}
