#include "system_name.h"

#include <stdio.h>
#include <string.h>
#include <windows.h>

typedef const char *(__cdecl *wine_version_fn)(void);
typedef LONG(WINAPI *rtl_get_version_fn)(OSVERSIONINFOW *info);

// An export of ntdll, as the function type it really has.
template <typename Function> static Function ntdll_export(HMODULE ntdll, const char *name)
{
    if (!ntdll)
        return NULL;
    return reinterpret_cast<Function>(reinterpret_cast<void (*)(void)>(GetProcAddress(ntdll, name)));
}

// The version the system really has: GetVersionExA reports the compatibility
// version of the program's manifest, RtlGetVersion the real one.
static void read_real_version(HMODULE ntdll, OSVERSIONINFOW *real)
{
    memset(real, 0, sizeof *real);
    real->dwOSVersionInfoSize = sizeof *real;
    rtl_get_version_fn rtl_get_version = ntdll_export<rtl_get_version_fn>(ntdll, "RtlGetVersion");
    if (rtl_get_version && rtl_get_version(real) == 0)
        return;
    OSVERSIONINFOA reported;
    memset(&reported, 0, sizeof reported);
    reported.dwOSVersionInfoSize = sizeof reported;
    GetVersionExA(&reported);
    real->dwMajorVersion = reported.dwMajorVersion;
    real->dwMinorVersion = reported.dwMinorVersion;
    real->dwBuildNumber = reported.dwBuildNumber & 0xFFFF;
}

static bool read_registry_text(HKEY key, const char *name, char *out, DWORD size)
{
    DWORD type = 0, length = size - 1;
    if (RegQueryValueExA(key, name, NULL, &type, (BYTE *)out, &length) != ERROR_SUCCESS || type != REG_SZ)
        return false;
    out[length < size ? length : size - 1] = '\0';
    return out[0] != '\0';
}

void read_system_name(char *out, size_t size)
{
    HMODULE ntdll = GetModuleHandleA("ntdll.dll");

    OSVERSIONINFOW real;
    read_real_version(ntdll, &real);

    // Wine says what it is through exports of its own ntdll.
    wine_version_fn wine_version = ntdll_export<wine_version_fn>(ntdll, "wine_get_version");
    if (wine_version) {
        snprintf(out, size, "Wine %s as Windows %lu.%lu (build %lu)", wine_version(),
                 (unsigned long)real.dwMajorVersion, (unsigned long)real.dwMinorVersion,
                 (unsigned long)real.dwBuildNumber);
        return;
    }

    char product[128] = "", release[64] = "";
    HKEY key;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion", 0,
                      KEY_QUERY_VALUE | KEY_WOW64_64KEY, &key) == ERROR_SUCCESS) {
        read_registry_text(key, "ProductName", product, sizeof product);
        if (!read_registry_text(key, "DisplayVersion", release, sizeof release))
            read_registry_text(key, "ReleaseId", release, sizeof release);
        RegCloseKey(key);
    }

    // Windows 11 keeps "Windows 10" in its ProductName; its builds start at 22000.
    if (real.dwMajorVersion == 10 && real.dwBuildNumber >= 22000 && strncmp(product, "Windows 10", 10) == 0)
        product[9] = '1';

    if (!product[0])
        snprintf(product, sizeof product, "Windows %lu.%lu", (unsigned long)real.dwMajorVersion,
                 (unsigned long)real.dwMinorVersion);
    if (release[0])
        snprintf(out, size, "%s %s (build %lu)", product, release, (unsigned long)real.dwBuildNumber);
    else
        snprintf(out, size, "%s (build %lu)", product, (unsigned long)real.dwBuildNumber);
}
