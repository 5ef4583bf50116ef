// Companion-library variants that the window must turn into its error texts,
// built from this one file: VARIANT_VERSION is the version the library
// reports; VARIANT_OTHER_EXPORT exports the entry under another name, so the
// library loads but has no "ornik".
#include "ornik/ident_info.h"

#if defined(VARIANT_OTHER_EXPORT)
#define VARIANT_ENTRY ornik_other
#else
#define VARIANT_ENTRY ornik
#endif

extern "C" __declspec(dllexport) int __cdecl VARIANT_ENTRY(ident_info *info);

int __cdecl VARIANT_ENTRY(ident_info *info)
{
    info->version = VARIANT_VERSION;
    return 1;
}
