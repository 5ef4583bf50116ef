#include "winapi.h"

#include <dlfcn.h>
#include <errno.h>
#include <pwd.h>
#include <stdio.h>
#include <string.h>
#include <strings.h>
#include <sys/utsname.h>
#include <time.h>
#include <unistd.h>

static DWORD last_error;

DWORD GetLastError(void)
{
    return last_error;
}

BOOL QueryPerformanceFrequency(LARGE_INTEGER *frequency)
{
    frequency->QuadPart = 1000000000;
    return TRUE;
}

BOOL QueryPerformanceCounter(LARGE_INTEGER *count)
{
    struct timespec now;
    clock_gettime(CLOCK_MONOTONIC, &now);
    count->QuadPart = (int64_t)now.tv_sec * 1000000000 + now.tv_nsec;
    return TRUE;
}

void Sleep(DWORD milliseconds)
{
    struct timespec rest;
    rest.tv_sec = milliseconds / 1000;
    rest.tv_nsec = (long)(milliseconds % 1000) * 1000000;
    while (nanosleep(&rest, &rest) != 0 && errno == EINTR) {
    }
}

// The folder of the running executable, with its final slash; empty if unknown.
static void executable_folder(char *out, size_t size)
{
    out[0] = '\0';
    ssize_t n = readlink("/proc/self/exe", out, size - 1);
    if (n <= 0)
        return;
    out[n] = '\0';
    char *slash = strrchr(out, '/');
    if (slash)
        slash[1] = '\0';
    else
        out[0] = '\0';
}

HMODULE LoadLibraryA(const char *file_name)
{
    char path[4096];
    if (strchr(file_name, '/'))
        snprintf(path, sizeof path, "%s", file_name);
    else {
        char folder[4096];
        executable_folder(folder, sizeof folder);
        snprintf(path, sizeof path, "%s%s", folder, file_name);
    }
    size_t length = strlen(path);
    if (length >= 4 && strcasecmp(path + length - 4, ".dll") == 0)
        snprintf(path + length - 4, sizeof path - (length - 4), ".so");
    return dlopen(path, RTLD_NOW | RTLD_LOCAL);
}

FARPROC GetProcAddress(HMODULE module, const char *name)
{
    // POSIX guarantees that a data pointer from dlsym converts to a function pointer.
    void *symbol = dlsym(module, name);
    FARPROC proc;
    memcpy(&proc, &symbol, sizeof proc);
    return proc;
}

BOOL FreeLibrary(HMODULE module)
{
    return dlclose(module) == 0;
}

BOOL GetVersionExA(OSVERSIONINFOA *info)
{
    if (info->dwOSVersionInfoSize < sizeof(OSVERSIONINFOA))
        return FALSE;
    struct utsname name;
    if (uname(&name) != 0)
        return FALSE;
    unsigned major = 0, minor = 0, patch = 0;
    sscanf(name.release, "%u.%u.%u", &major, &minor, &patch);
    info->dwMajorVersion = major;
    info->dwMinorVersion = minor;
    info->dwBuildNumber = patch;
    info->dwPlatformId = 2;
    snprintf(info->szCSDVersion, sizeof info->szCSDVersion, "%s", name.release);
    return TRUE;
}

// Copies a name under the platform's capacity rules; with_terminator tells
// whether a success stores the length with the terminator counted.
static BOOL copy_name(const char *name, CHAR *buffer, DWORD *size, bool with_terminator, DWORD overflow_error)
{
    DWORD needed = (DWORD)strlen(name) + 1;
    if (*size < needed) {
        *size = needed;
        last_error = overflow_error;
        return FALSE;
    }
    memcpy(buffer, name, needed);
    *size = with_terminator ? needed : needed - 1;
    return TRUE;
}

BOOL GetComputerNameA(CHAR *buffer, DWORD *size)
{
    char host[256];
    if (gethostname(host, sizeof host) != 0)
        return FALSE;
    host[sizeof host - 1] = '\0';
    return copy_name(host, buffer, size, false, ERROR_BUFFER_OVERFLOW);
}

BOOL GetUserNameA(CHAR *buffer, DWORD *size)
{
    struct passwd *entry = getpwuid(geteuid());
    if (!entry || !entry->pw_name)
        return FALSE;
    return copy_name(entry->pw_name, buffer, size, true, ERROR_INSUFFICIENT_BUFFER);
}

BOOL GlobalMemoryStatusEx(MEMORYSTATUSEX *status)
{
    FILE *meminfo = fopen("/proc/meminfo", "r");
    if (!meminfo)
        return FALSE;
    unsigned long long total_kb = 0, available_kb = 0, value;
    char line[256], key[64];
    while (fgets(line, sizeof line, meminfo)) {
        if (sscanf(line, "%63[^:]: %llu", key, &value) != 2)
            continue;
        if (strcmp(key, "MemTotal") == 0)
            total_kb = value;
        else if (strcmp(key, "MemAvailable") == 0)
            available_kb = value;
    }
    fclose(meminfo);
    if (total_kb == 0)
        return FALSE;
    memset(status, 0, sizeof *status);
    status->dwLength = sizeof *status;
    status->ullTotalPhys = total_kb * 1024;
    status->ullAvailPhys = available_kb * 1024;
    status->dwMemoryLoad = (DWORD)((total_kb - available_kb) * 100 / total_kb);
    return TRUE;
}
