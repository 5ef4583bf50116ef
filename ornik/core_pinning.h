// On a hybrid processor CPUID describes the core the thread happens to run
// on: the efficient cores' caches one run, the performance cores' the next.
// The library asks a performance core, by pinning the querying thread to one
// for the length of the queries.
#pragma once

#include <stdint.h>

struct core_pin {
    bool pinned;
    uint64_t saved[16]; // the thread's affinity before pinning, as the platform keeps it
};

// True on a hybrid processor (leaf 7 EDX bit 15) that tells core types in
// leaf 1Ah.
bool hybrid_processor(void);

// True when leaf 1Ah names the running core a performance ("Core") core.
bool on_performance_core(void);

// On a hybrid processor, moves the calling thread to the first performance
// core it may run on and returns true; the thread stays there until
// unpin_core. Otherwise (not hybrid, no such core, affinity not settable)
// returns false and leaves the thread's affinity as it was.
bool pin_performance_core(core_pin *pin);

// Gives the thread back the affinity it had before pin_performance_core.
// Does nothing when that call returned false.
void unpin_core(const core_pin *pin);
