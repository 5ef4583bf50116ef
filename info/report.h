// The system report: the companion library's record, the processor's
// identity, its clock and the operating system's service-pack text.
#pragma once

#include <stddef.h>
#include <stdint.h>

#include "ornik/ident_info.h"

enum { REPORT_TEXT_SIZE = 8448 };

extern char report_text[REPORT_TEXT_SIZE];
extern ident_info ident_library;

// Loads the library, fills ident_library, queries the processor and writes
// the 17-line report, or one of the library error texts, into out, which
// holds REPORT_TEXT_SIZE bytes.
void build_report(char *out);

// What the processor says of itself through CPUID.
struct processor_identity {
    uint32_t signature; // leaf 1 EAX
    uint32_t features;  // leaf 1 EDX
    char vendor[16];
    char brand[256];
};

// Reads brand, signature and features, then vendor, in that order.
void read_processor_identity(processor_identity *out);

// The report's four processor lines (CPUID, vendor, brand, features), each
// ending with line_end. Returns what snprintf returns.
int format_processor_lines(char *out, size_t size, const processor_identity *id, const char *line_end);
