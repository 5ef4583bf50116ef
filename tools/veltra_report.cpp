// Prints the live report, as the window would show it, on standard output.
#include <stdio.h>

#include "info/report.h"

// The report's CR LF line ends become the terminal's line ends.
static void print_report(const char *text)
{
    for (const char *p = text; *p; p++) {
        if (p[0] == '\r' && p[1] == '\n')
            continue;
        fputc(*p, stdout);
    }
}

int main(void)
{
    build_report(report_text);
    print_report(report_text);
    return 0;
}
