// veltra-probe [DUMP]: the processor lines of the report and the
// microarchitecture, for the live processor or for a recorded one (a
// "cpuid -r" dump; "-" reads it from standard input).
#include <stdio.h>
#include <string.h>
#if defined(_WIN32)
#include <fcntl.h>
#include <io.h>
#endif

#include "ornik/core_pinning.h"
#include "probe/cpu_seam.h"
#include "probe/cpuid_dump.h"
#include "probe_lines.h"

static int usage(void)
{
    fputs("usage: veltra-probe [DUMP]\n"
          "  DUMP  a \"cpuid -r\" dump (its first processor); - reads standard input.\n"
          "        Without it, the processor this program runs on.\n",
          stderr);
    return 2;
}

int main(int argc, char **argv)
{
    if (argc > 2 || (argc == 2 && (strcmp(argv[1], "-h") == 0 || strcmp(argv[1], "--help") == 0)))
        return usage();

#if defined(_WIN32)
    // LF line ends on every platform, as the report's own code writes them.
    _setmode(_fileno(stdout), _O_BINARY);
#endif
    char lines[2048];
    if (argc == 2) {
        static leaf_table recorded;
        char error[512];
        if (!cpuid_dump_load(argv[1], &recorded, error, sizeof error)) {
            fprintf(stderr, "veltra-probe: %s\n", error);
            return 2;
        }
        cpu_select(leaf_table_cpu(&recorded));
        format_probe_lines(lines, sizeof lines);
        cpu_select(NULL);
    } else {
        // As the library does: on a hybrid processor, ask a performance core.
        core_pin pin;
        pin_performance_core(&pin);
        format_probe_lines(lines, sizeof lines);
        unpin_core(&pin);
    }
    fputs(lines, stdout);
    return fflush(stdout) == 0 ? 0 : 1;
}
