// The native build's stand-in for the few Windows calls the portable core
// needs, with their Windows names, types and behaviour, written for Linux.
#pragma once

#include <stdint.h>

typedef int BOOL;
typedef uint32_t DWORD;
typedef char CHAR;
typedef void *HMODULE;
typedef void (*FARPROC)(void);

#ifndef TRUE
#define TRUE 1
#define FALSE 0
#endif

typedef union {
    struct {
        DWORD LowPart;
        int32_t HighPart;
    } u;
    int64_t QuadPart;
} LARGE_INTEGER;

typedef struct {
    DWORD dwOSVersionInfoSize;
    DWORD dwMajorVersion;
    DWORD dwMinorVersion;
    DWORD dwBuildNumber;
    DWORD dwPlatformId;
    CHAR szCSDVersion[128];
} OSVERSIONINFOA;

typedef struct {
    DWORD dwLength;
    DWORD dwMemoryLoad;
    uint64_t ullTotalPhys;
    uint64_t ullAvailPhys;
    uint64_t ullTotalPageFile;
    uint64_t ullAvailPageFile;
    uint64_t ullTotalVirtual;
    uint64_t ullAvailVirtual;
    uint64_t ullAvailExtendedVirtual;
} MEMORYSTATUSEX;

#define ERROR_BUFFER_OVERFLOW 111
#define ERROR_INSUFFICIENT_BUFFER 122

// Counts of CLOCK_MONOTONIC in nanoseconds.
BOOL QueryPerformanceFrequency(LARGE_INTEGER *frequency);
BOOL QueryPerformanceCounter(LARGE_INTEGER *count);
void Sleep(DWORD milliseconds);

// A bare file name is looked up beside the executable, as Windows looks first;
// a ".dll" ending names the shared object ending in ".so" instead.
HMODULE LoadLibraryA(const char *file_name);
FARPROC GetProcAddress(HMODULE module, const char *name);
BOOL FreeLibrary(HMODULE module);

// The kernel's version; szCSDVersion holds its release text.
BOOL GetVersionExA(OSVERSIONINFOA *info);

// The host name and the effective user's name, with the platform's capacity
// rules: on failure the size receives the room needed, terminator counted; on
// success the computer name stores its length without the terminator and the
// user name its length with it.
BOOL GetComputerNameA(CHAR *buffer, DWORD *size);
BOOL GetUserNameA(CHAR *buffer, DWORD *size);

// Physical memory from the kernel's MemTotal and MemAvailable.
BOOL GlobalMemoryStatusEx(MEMORYSTATUSEX *status);

DWORD GetLastError(void);
