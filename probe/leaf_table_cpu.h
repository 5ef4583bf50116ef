// A processor given as a table of CPUID leaves, for tests and for replaying
// recorded processors. A leaf or sub-leaf missing from the table answers zeros.
#pragma once

#include <stddef.h>
#include <stdint.h>

#include "cpu_seam.h"

struct cpuid_leaf {
    uint32_t leaf;
    uint32_t subleaf;
    cpuid_regs regs;
};

struct leaf_table {
    const cpuid_leaf *rows;
    size_t count;
    // A processor without CPUID: its ID flag doesn't stick.
    bool no_cpuid;
    // Time-stamp counter readings; null gives a counter that stands at 0.
    uint64_t (*read_tsc)(void);
};

// Looks up leaf and sub-leaf in table; zeros where it has no such row.
cpuid_regs leaf_table_answer(const leaf_table *table, uint32_t leaf, uint32_t subleaf);

// A processor answering from table, which must outlive its use. Only one
// table is active at a time.
const cpu_seam *leaf_table_cpu(const leaf_table *table);
