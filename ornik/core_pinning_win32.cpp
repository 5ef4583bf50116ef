// Pinning through the thread's affinity mask (SetThreadAffinityMask), one
// logical processor of the process's mask at a time.
#include "core_pinning.h"

#include <windows.h>

static_assert(sizeof(DWORD_PTR) <= sizeof(((core_pin *)0)->saved), "core_pin holds an affinity mask");

bool pin_performance_core(core_pin *pin)
{
    pin->pinned = false;
    if (!hybrid_processor())
        return false;
    DWORD_PTR process_mask = 0, system_mask = 0;
    if (!GetProcessAffinityMask(GetCurrentProcess(), &process_mask, &system_mask))
        return false;
    HANDLE thread = GetCurrentThread();
    DWORD_PTR original = 0;
    for (unsigned i = 0; i < sizeof(DWORD_PTR) * 8; i++) {
        DWORD_PTR one = (DWORD_PTR)1 << i;
        if (!(process_mask & one))
            continue;
        DWORD_PTR previous = SetThreadAffinityMask(thread, one);
        if (!previous)
            continue;
        if (!original)
            original = previous;
        // A thread outside its new mask is rescheduled; give up the rest of
        // the time slice so that the query runs on the new processor.
        Sleep(0);
        if (on_performance_core()) {
            pin->saved[0] = original;
            pin->pinned = true;
            return true;
        }
    }
    if (original)
        SetThreadAffinityMask(thread, original);
    return false;
}

void unpin_core(const core_pin *pin)
{
    if (pin->pinned)
        SetThreadAffinityMask(GetCurrentThread(), (DWORD_PTR)pin->saved[0]);
}
