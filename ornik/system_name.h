// The operating system's name for the record's os_name.
#pragma once

#include <stddef.h>

// Windows: the real product name and build ("Windows 10 Pro 22H2 (build
// 19045)"), or Wine and its version. Linux: the distribution's name.
void read_system_name(char *out, size_t size);
