// The real operating system behind the seam: Windows itself, or the native
// stand-in that offers the same calls on Linux.
#include "os_seam.h"

#include <string.h>
#include <time.h>

#if defined(_WIN32)
#include <windows.h>
#else
#include "native/winapi.h"
#endif

static int system_query_performance_frequency(int64_t *frequency)
{
    LARGE_INTEGER value;
    value.QuadPart = 0;
    int ok = QueryPerformanceFrequency(&value);
    *frequency = value.QuadPart;
    return ok;
}

static int system_query_performance_counter(int64_t *count)
{
    LARGE_INTEGER value;
    value.QuadPart = 0;
    int ok = QueryPerformanceCounter(&value);
    *count = value.QuadPart;
    return ok;
}

static void system_sleep(uint32_t milliseconds)
{
    Sleep(milliseconds);
}

static void *system_load_library(const char *file_name)
{
    return (void *)LoadLibraryA(file_name);
}

static os_proc system_get_proc_address(void *module, const char *name)
{
    return (os_proc)GetProcAddress((HMODULE)module, name);
}

static int system_free_library(void *module)
{
    return FreeLibrary((HMODULE)module);
}

static int system_get_version(os_version_info *info)
{
    OSVERSIONINFOA record;
    memset(&record, 0, sizeof record);
    record.dwOSVersionInfoSize = sizeof record;
#if defined(_MSC_VER)
#pragma warning(suppress : 4996)
#endif
    if (!GetVersionExA(&record))
        return 0;
    info->dwMajorVersion = record.dwMajorVersion;
    info->dwMinorVersion = record.dwMinorVersion;
    info->dwBuildNumber = record.dwBuildNumber;
    info->dwPlatformId = record.dwPlatformId;
    memcpy(info->szCSDVersion, record.szCSDVersion, sizeof info->szCSDVersion);
    info->szCSDVersion[sizeof info->szCSDVersion - 1] = '\0';
    return 1;
}

static int system_get_computer_name(char *buffer, uint32_t *size)
{
    DWORD capacity = *size;
    int ok = GetComputerNameA(buffer, &capacity);
    *size = capacity;
    return ok;
}

static int system_get_user_name(char *buffer, uint32_t *size)
{
    DWORD capacity = *size;
    int ok = GetUserNameA(buffer, &capacity);
    *size = capacity;
    return ok;
}

static int system_global_memory_status(os_memory_status *status)
{
    MEMORYSTATUSEX record;
    memset(&record, 0, sizeof record);
    record.dwLength = sizeof record;
    if (!GlobalMemoryStatusEx(&record))
        return 0;
    status->dwMemoryLoad = record.dwMemoryLoad;
    status->ullTotalPhys = record.ullTotalPhys;
    status->ullAvailPhys = record.ullAvailPhys;
    return 1;
}

static int64_t system_time(void)
{
#if defined(_WIN32)
    return (int64_t)_time64(NULL);
#else
    return (int64_t)time(NULL);
#endif
}

static int system_localtime(int64_t seconds, os_local_time *out)
{
    struct tm local;
#if defined(_WIN32)
    __time64_t value = (__time64_t)seconds;
    struct tm *converted = _localtime64(&value);
    if (!converted)
        return 0;
    local = *converted;
#else
    time_t value = (time_t)seconds;
    if ((int64_t)value != seconds || !localtime_r(&value, &local))
        return 0;
#endif
    out->tm_year = local.tm_year;
    out->tm_mon = local.tm_mon;
    out->tm_mday = local.tm_mday;
    out->tm_hour = local.tm_hour;
    out->tm_min = local.tm_min;
    out->tm_sec = local.tm_sec;
    out->tm_wday = local.tm_wday;
    return 1;
}

const os_seam os_seam_system = {
    system_query_performance_frequency,
    system_query_performance_counter,
    system_sleep,
    system_load_library,
    system_get_proc_address,
    system_free_library,
    system_get_version,
    system_get_computer_name,
    system_get_user_name,
    system_global_memory_status,
    system_time,
    system_localtime,
};

static const os_seam *selected_os = &os_seam_system;

const os_seam *os_current(void)
{
    return selected_os;
}

const os_seam *os_select(const os_seam *seam)
{
    const os_seam *previous = selected_os;
    selected_os = seam ? seam : &os_seam_system;
    return previous;
}
