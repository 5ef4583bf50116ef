// Stand-ins for the companion library, one per way a library can behave. Each
// variant is this file built with one of the FAKE_* definitions.
#include <limits.h>
#include <string.h>

#include "ornik/ident_info.h"

#if defined(_WIN32)
#define FAKE_EXPORT extern "C" __declspec(dllexport)
#else
#define FAKE_EXPORT extern "C" __attribute__((visibility("default")))
#endif

#if defined(FAKE_OTHER_EXPORT)
// The entry under another name: the program can't find "ornik".
FAKE_EXPORT int ORNIK_CDECL ornik_identify(ident_info *info);
int ORNIK_CDECL ornik_identify(ident_info *info)
#else
FAKE_EXPORT int ORNIK_CDECL ornik(ident_info *info);
int ORNIK_CDECL ornik(ident_info *info)
#endif
{
#if defined(FAKE_VERSION)
    info->version = FAKE_VERSION;
#endif
#if defined(FAKE_HOSTILE)
    // Texts that fill their fields without a terminator, extreme numbers.
    memset(info->cpu_name, 'C', sizeof info->cpu_name);
    memset(info->extra_name, 'X', sizeof info->extra_name);
    memset(info->os_name, 'O', sizeof info->os_name);
    info->cache_l1i = INT_MIN;
    info->cache_l1t = INT_MAX;
    info->cache_l1d = INT_MIN;
    info->cache_l2d = INT_MAX;
    info->cache_l3d = -1;
#else
    info->cache_l1i = 32;
    info->cache_l1t = 0;
    info->cache_l1d = 48;
    info->cache_l2d = 1280;
    info->cache_l3d = 30720;
#if !defined(FAKE_NO_NAMES)
    strcpy(info->cpu_name, "Fixture Cove (Test Lake)");
    strcpy(info->extra_name, "Fixture Cove");
    strcpy(info->os_name, "Fixture OS 1.0");
#endif
#endif
    return 1;
}
