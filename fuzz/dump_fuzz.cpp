// The dump reader over arbitrary text, and the identification over whatever
// processor a dump it accepts describes.
//
// A refused text leaves the table alone and gives a terminated message that
// names the file; an accepted one gives 1 to 1024 distinct rows, which read
// back the same when written out in the dump format again, and a processor
// that identifies with a terminated, non-empty name.
#include <stdint.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include <string>

#include "ornik/identify.h"
#include "probe/cpuid_dump.h"

static void check(bool holds)
{
    if (!holds)
        abort();
}

static bool terminated(const char *text, size_t size)
{
    return memchr(text, '\0', size) != nullptr;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    std::string text((const char *)data, size);

    leaf_table untouched = {nullptr, 12345, true, nullptr};
    leaf_table table = untouched;
    char error[64];
    memset(error, 'E', sizeof error);
    if (!cpuid_dump_parse(text.c_str(), "fuzz.cpuid", &table, error, sizeof error)) {
        check(terminated(error, sizeof error));
        check(strncmp(error, "fuzz.cpuid", 10) == 0);
        check(memcmp(&table, &untouched, sizeof table) == 0);
        return 0;
    }
    check(table.count >= 1 && table.count <= CPUID_DUMP_MAX_LEAVES);
    check(!table.no_cpuid);

    // Written out again, the rows read back as they are.
    std::string again = "CPU:\n";
    for (size_t i = 0; i < table.count; i++) {
        const cpuid_leaf &row = table.rows[i];
        for (size_t j = 0; j < i; j++)
            check(table.rows[j].leaf != row.leaf || table.rows[j].subleaf != row.subleaf);
        cpuid_regs answer = leaf_table_answer(&table, row.leaf, row.subleaf);
        check(memcmp(&answer, &row.regs, sizeof answer) == 0);
        char line[128];
        snprintf(line, sizeof line, "   0x%08x 0x%02x: eax=0x%08x ebx=0x%08x ecx=0x%08x edx=0x%08x\n",
                 (unsigned)row.leaf, (unsigned)row.subleaf, (unsigned)row.regs.eax, (unsigned)row.regs.ebx,
                 (unsigned)row.regs.ecx, (unsigned)row.regs.edx);
        again += line;
    }
    std::string rows((const char *)table.rows, table.count * sizeof(cpuid_leaf));
    leaf_table reread;
    check(cpuid_dump_parse(again.c_str(), "again.cpuid", &reread, error, sizeof error));
    check(reread.count == table.count);
    check(memcmp(reread.rows, rows.data(), rows.size()) == 0);

    const cpu_seam *previous = cpu_select(leaf_table_cpu(&reread));
    cpu_description cpu;
    memset(&cpu, 'D', sizeof cpu);
    identify_processor(&cpu);
    cpu_select(previous);
    check(terminated(cpu.uarch, sizeof cpu.uarch));
    check(terminated(cpu.codename, sizeof cpu.codename));
    check(terminated(cpu.name, sizeof cpu.name));
    check(cpu.name[0] != '\0');
    return 0;
}
