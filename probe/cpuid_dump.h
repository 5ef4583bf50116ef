// A recorded processor: a dump in the raw format of the cpuid tool
// ("cpuid -r", "cpuid -1 -r") replayed as a table of leaves.
//
//     CPU:
//        0x00000000 0x00: eax=0x0000000a ebx=0x756e6547 ecx=0x6c65746e edx=0x49656e69
//
// Only the first processor of a dump is read; a leaf or sub-leaf the dump
// doesn't hold answers zeros. Anything else in the text is refused: nothing
// is guessed.
#pragma once

#include <stddef.h>

#include "leaf_table_cpu.h"

enum { CPUID_DUMP_MAX_LEAVES = 1024, CPUID_DUMP_MAX_LINE = 256 };

// Reads the dump in the file path ("-": standard input) into out. The rows
// live in static storage that the next load replaces. On false, error holds
// "FILE:LINE: what is wrong" (or why the file can't be read) and out is
// left alone.
bool cpuid_dump_load(const char *path, leaf_table *out, char *error, size_t error_size);

// The same for a dump held in memory; name stands for the file in messages.
bool cpuid_dump_parse(const char *text, const char *name, leaf_table *out, char *error, size_t error_size);
