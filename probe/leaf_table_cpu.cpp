#include "leaf_table_cpu.h"

static const leaf_table *active_table;
static uint32_t table_eflags = 0x00000202;

cpuid_regs leaf_table_answer(const leaf_table *table, uint32_t leaf, uint32_t subleaf)
{
    for (size_t i = 0; i < table->count; i++) {
        const cpuid_leaf &row = table->rows[i];
        if (row.leaf == leaf && row.subleaf == subleaf)
            return row.regs;
    }
    cpuid_regs zero = {0, 0, 0, 0};
    return zero;
}

static uint32_t table_read_eflags(void)
{
    return table_eflags;
}

static void table_write_eflags(uint32_t value)
{
    const uint32_t id_flag = 0x00200000;
    if (active_table->no_cpuid)
        value = (value & ~id_flag) | (table_eflags & id_flag);
    table_eflags = value;
}

static void table_cpuid(uint32_t leaf, uint32_t subleaf, cpuid_regs *out)
{
    *out = leaf_table_answer(active_table, leaf, subleaf);
}

static uint64_t table_read_tsc(void)
{
    return active_table->read_tsc ? active_table->read_tsc() : 0;
}

static const cpu_seam table_seam = {
    table_read_eflags,
    table_write_eflags,
    table_cpuid,
    table_read_tsc,
};

const cpu_seam *leaf_table_cpu(const leaf_table *table)
{
    active_table = table;
    return &table_seam;
}
