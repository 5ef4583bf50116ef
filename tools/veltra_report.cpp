// Prints the live report, as the window would show it, on standard output.
// With --status N it builds the report, then prints the caption's status
// texts of N successive calls instead, one a line, without waiting between.
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include "info/report.h"
#include "info/title_status.h"

// The report's CR LF line ends become the terminal's line ends.
static void print_report(const char *text)
{
    for (const char *p = text; *p; p++) {
        if (p[0] == '\r' && p[1] == '\n')
            continue;
        fputc(*p, stdout);
    }
}

// The count after --status: a whole number from 0 to 1,000,000; -1 if not.
static long status_count(const char *text)
{
    char *end;
    long count = strtol(text, &end, 10);
    if (end == text || *end != '\0' || count < 0 || count > 1000000)
        return -1;
    return count;
}

int main(int argc, char **argv)
{
    long statuses = -1;
    if (argc == 3 && strcmp(argv[1], "--status") == 0)
        statuses = status_count(argv[2]);
    if (argc != 1 && statuses < 0) {
        fprintf(stderr, "usage: veltra-report [--status N]\n");
        return 2;
    }

    build_report(report_text);
    if (statuses < 0) {
        print_report(report_text);
        return 0;
    }
    char status[TITLE_STATUS_SIZE];
    for (long i = 0; i < statuses; i++) {
        format_title_status(status);
        printf("%s\n", status);
    }
    return 0;
}
