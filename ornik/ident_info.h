// The record that the ORNIK library ("ornik.dll") fills for the program.
// Its layout is binding on both sides: 792 bytes, little-endian, no gaps.
#pragma once

#include <stddef.h>
#include <stdint.h>

struct ident_info {
    // The caller writes 0x0100; the library overwrites it with its own
    // version: major in the bits above 8 (sign kept), minor in the low 8.
    int32_t version;
    int32_t cache_l1i;
    int32_t cache_l1t; // trace cache, in K-µops
    int32_t cache_l1d;
    int32_t cache_l2d;
    int32_t cache_l3d;
    char cpu_name[256];
    char extra_name[256];
    char os_name[256];
};

static_assert(sizeof(ident_info) == 792, "ident_info is 792 bytes");
static_assert(offsetof(ident_info, version) == 0, "version at 0");
static_assert(offsetof(ident_info, cache_l1i) == 4, "cache_l1i at 4");
static_assert(offsetof(ident_info, cache_l1t) == 8, "cache_l1t at 8");
static_assert(offsetof(ident_info, cache_l1d) == 12, "cache_l1d at 12");
static_assert(offsetof(ident_info, cache_l2d) == 16, "cache_l2d at 16");
static_assert(offsetof(ident_info, cache_l3d) == 20, "cache_l3d at 20");
static_assert(offsetof(ident_info, cpu_name) == 24, "cpu_name at 24");
static_assert(offsetof(ident_info, extra_name) == 280, "extra_name at 280");
static_assert(offsetof(ident_info, os_name) == 536, "os_name at 536");

#define ORNIK_FILE_NAME "ornik.dll"
#define ORNIK_EXPORT_NAME "ornik"
#define ORNIK_VERSION 0x0100

#if defined(_WIN32)
#define ORNIK_CDECL __cdecl
#else
#define ORNIK_CDECL
#endif

// The export: fills the record and returns nonzero. The program ignores the
// result.
typedef int(ORNIK_CDECL *ornik_entry)(ident_info *info);
