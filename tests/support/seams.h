// Swaps the processor or the operating system behind the probe's seams for
// the length of a scope. Tests build a fake from the real seam and replace
// only the calls they script:
//
//     os_seam fake = os_seam_system;
//     fake.Sleep = record_sleep;
//     scoped_os use(&fake);
#pragma once

#include "os/os_seam.h"
#include "probe/cpu_seam.h"
#include "probe/leaf_table_cpu.h"

class scoped_os {
public:
    explicit scoped_os(const os_seam *seam) : previous_(os_select(seam)) {}
    ~scoped_os() { os_select(previous_); }
    scoped_os(const scoped_os &) = delete;
    scoped_os &operator=(const scoped_os &) = delete;

private:
    const os_seam *previous_;
};

class scoped_cpu {
public:
    explicit scoped_cpu(const cpu_seam *seam) : previous_(cpu_select(seam)) {}
    explicit scoped_cpu(const leaf_table *table) : previous_(cpu_select(leaf_table_cpu(table))) {}
    ~scoped_cpu() { cpu_select(previous_); }
    scoped_cpu(const scoped_cpu &) = delete;
    scoped_cpu &operator=(const scoped_cpu &) = delete;

private:
    const cpu_seam *previous_;
};
