#include "probe_lines.h"

#include <stdio.h>

#include "info/report.h"
#include "ornik/identify.h"

int format_probe_lines(char *out, size_t size)
{
    processor_identity id;
    read_processor_identity(&id);
    cpu_description cpu;
    identify_processor(&cpu);

    char processor_lines[512];
    format_processor_lines(processor_lines, sizeof processor_lines, &id, "\n");
    // The library's two lines as the report prints them, then the
    // microarchitecture on its own.
    return snprintf(out, size,
                    "%s"
                    "cpu   : %s\n"
                    "cache : L1I:%d L1T:%d L1D:%d L2D:%d L3D:%d\n"
                    "uarch : %s\n",
                    processor_lines, cpu.name, (int)cpu.l1i_kb, (int)cpu.l1t_kuops, (int)cpu.l1d_kb, (int)cpu.l2_kb,
                    (int)cpu.l3_kb, cpu.uarch);
}
