// The one seam between the portable core and the operating system. Each call
// behaves as its Windows namesake; the native build provides the same calls
// through its own stand-in, and tests replace them with fakes.
#pragma once

#include <stdint.h>

typedef void (*os_proc)(void);

// Same layout as the platform's OSVERSIONINFOA (148 bytes).
struct os_version_info {
    uint32_t dwOSVersionInfoSize;
    uint32_t dwMajorVersion;
    uint32_t dwMinorVersion;
    uint32_t dwBuildNumber;
    uint32_t dwPlatformId;
    char szCSDVersion[128];
};

// The physical-memory figures of the platform's MEMORYSTATUSEX, in bytes.
struct os_memory_status {
    uint32_t dwMemoryLoad;
    uint64_t ullTotalPhys;
    uint64_t ullAvailPhys;
};

// A broken-down local time: tm_year counts from 1900, tm_mon from 0 (January),
// tm_wday from 0 (Sunday), as in the C library's struct tm.
struct os_local_time {
    int tm_year, tm_mon, tm_mday, tm_hour, tm_min, tm_sec, tm_wday;
};

struct os_seam {
    int (*QueryPerformanceFrequency)(int64_t *frequency);
    int (*QueryPerformanceCounter)(int64_t *count);
    void (*Sleep)(uint32_t milliseconds);

    void *(*LoadLibraryA)(const char *file_name);
    os_proc (*GetProcAddress)(void *module, const char *name);
    int (*FreeLibrary)(void *module);
    int (*GetVersionExA)(os_version_info *info);

    int (*GetComputerNameA)(char *buffer, uint32_t *size);
    int (*GetUserNameA)(char *buffer, uint32_t *size);
    int (*GlobalMemoryStatusEx)(os_memory_status *status);
    int64_t (*time)(void);
    // False when the time can't be expressed as a local time.
    int (*localtime)(int64_t seconds, os_local_time *out);
};

// The operating system this program runs on.
extern const os_seam os_seam_system;

const os_seam *os_current(void);

// Replaces the operating system the core talks to (null restores the real one)
// and returns the one it replaced.
const os_seam *os_select(const os_seam *seam);
