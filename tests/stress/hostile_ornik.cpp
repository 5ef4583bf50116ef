// Broken and hostile stand-ins for the companion library, loaded by the real
// veltra.exe. Each variant is this file built with some of these definitions:
//
//   HOSTILE_NO_EXPORT      the library exports nothing at all
//   HOSTILE_OTHER_EXPORT   the entry is exported under another name
//   HOSTILE_INIT_FAILS     DllMain refuses the load
//   HOSTILE_VERSION=V      writes V as its version
//   HOSTILE_NAMES          writes short names of its own
//   HOSTILE_UNTERMINATED   fills the three texts to the last byte, no NUL
//   HOSTILE_LONG_TEXTS     writes texts of 255 characters and their NUL
//   HOSTILE_CACHE_EXTREMES writes INT_MIN and INT_MAX as cache sizes
//   HOSTILE_SLOW_MS=MS     takes that long before it returns
//
// Without any, the entry is called and writes nothing.
#include <windows.h>

#include <limits.h>
#include <string.h>

#include "ornik/ident_info.h"
#include "stress/hostile_texts.h"

#if defined(HOSTILE_NO_EXPORT)
#define HOSTILE_ENTRY extern "C"
#else
#define HOSTILE_ENTRY extern "C" __declspec(dllexport)
#endif

#if defined(HOSTILE_OTHER_EXPORT)
#define HOSTILE_ENTRY_NAME ornik_identify
#else
#define HOSTILE_ENTRY_NAME ornik
#endif

HOSTILE_ENTRY int ORNIK_CDECL HOSTILE_ENTRY_NAME(ident_info *info);

int ORNIK_CDECL HOSTILE_ENTRY_NAME(ident_info *info)
{
#if defined(HOSTILE_SLOW_MS)
    Sleep(HOSTILE_SLOW_MS);
#endif
#if defined(HOSTILE_VERSION)
    info->version = HOSTILE_VERSION;
#endif
#if defined(HOSTILE_NAMES)
    strcpy(info->cpu_name, HOSTILE_CPU_NAME);
    strcpy(info->extra_name, "hostile");
    strcpy(info->os_name, HOSTILE_OS_NAME);
#endif
#if defined(HOSTILE_UNTERMINATED)
    memset(info->cpu_name, HOSTILE_UNTERMINATED_CPU_FILL, sizeof info->cpu_name);
    memset(info->extra_name, 'X', sizeof info->extra_name);
    memset(info->os_name, HOSTILE_UNTERMINATED_OS_FILL, sizeof info->os_name);
    // The last byte, where a terminator belongs, differs from the rest: a
    // reader that overruns by one shows it.
    info->cpu_name[sizeof info->cpu_name - 1] = HOSTILE_UNTERMINATED_LAST;
    info->os_name[sizeof info->os_name - 1] = HOSTILE_UNTERMINATED_LAST;
#endif
#if defined(HOSTILE_LONG_TEXTS)
    hostile_long_text(info->cpu_name, 'c');
    hostile_long_text(info->extra_name, 'x');
    hostile_long_text(info->os_name, 'o');
#endif
#if defined(HOSTILE_CACHE_EXTREMES)
    info->cache_l1i = INT_MIN;
    info->cache_l1t = INT_MAX;
    info->cache_l1d = INT_MIN;
    info->cache_l2d = INT_MAX;
    info->cache_l3d = INT_MIN;
#endif
    (void)info;
    return 1;
}

#if defined(HOSTILE_INIT_FAILS)
extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID reserved)
{
    (void)instance;
    (void)reserved;
    return reason == DLL_PROCESS_ATTACH ? FALSE : TRUE;
}
#endif
