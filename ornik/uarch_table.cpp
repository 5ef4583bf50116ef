// Vendor IDs, and the microarchitecture and codename of each vendor's
// family/model ranges, as the vendors' revision guides and errata documents
// list them.
#include "cpu_tables.h"

#include <stddef.h>
#include <string.h>

static const vendor_row vendors[] = {
    {"GenuineIntel", VENDOR_INTEL, "Intel", CACHES_LEAF4 | CACHES_LEAF2},
    {"AuthenticAMD", VENDOR_AMD, "AMD", CACHES_TOPOLOGY | CACHES_EXTENDED},
    {"AMDisbetter!", VENDOR_AMD, "AMD", CACHES_EXTENDED}, // early K5 samples
    {"HygonGenuine", VENDOR_HYGON, "Hygon", CACHES_TOPOLOGY | CACHES_EXTENDED},
    {"CentaurHauls", VENDOR_CENTAUR, "Centaur", CACHES_LEAF4 | CACHES_EXTENDED},
    {"  Shanghai  ", VENDOR_CENTAUR, "Zhaoxin", CACHES_LEAF4 | CACHES_EXTENDED},
    {"CyrixInstead", VENDOR_CYRIX, "Cyrix", CACHES_EXTENDED},
    {"Geode by NSC", VENDOR_NSC, "NSC", CACHES_EXTENDED},
    {"GenuineTMx86", VENDOR_TRANSMETA, "Transmeta", CACHES_EXTENDED},
    {"TransmetaCPU", VENDOR_TRANSMETA, "Transmeta", CACHES_EXTENDED},
    {"RiseRiseRise", VENDOR_RISE, "Rise", CACHES_EXTENDED},
    {"SiS SiS SiS ", VENDOR_SIS, "SiS", CACHES_EXTENDED},
    {"UMC UMC UMC ", VENDOR_UMC, "UMC", 0},
    {"NexGenDriven", VENDOR_NEXGEN, "NexGen", 0},
    {"Vortex86 SoC", VENDOR_VORTEX, "DM&P", CACHES_EXTENDED},
    {"Genuine  RDC", VENDOR_RDC, "RDC", CACHES_EXTENDED},
};

// Any other vendor: the architectural leaves, if it has them.
static const vendor_row unknown_vendor = {"", VENDOR_UNKNOWN, NULL, CACHES_LEAF4 | CACHES_EXTENDED};

const vendor_row *find_vendor(const char *id)
{
    for (size_t i = 0; i < sizeof vendors / sizeof vendors[0]; i++) {
        if (memcmp(vendors[i].id, id, 12) == 0)
            return &vendors[i];
    }
    return &unknown_vendor;
}

// A row applies when every condition holds; the first such row names the
// processor. Rows that narrow a range by brand, core count or cache come
// before the row that covers the rest of it.
enum cache_test : uint8_t {
    ANY_CACHE,
    L2_UP_TO,    // L2 of at most test_kb (0: no L2)
    L2_AT_LEAST, // L2 of test_kb or more
    WITH_L3,     // any L3
};

struct uarch_row {
    cpu_vendor vendor;
    uint16_t family;
    uint8_t model_first, model_last;
    uint8_t stepping_first, stepping_last;
    uint8_t cores; // 0: any number
    cache_test test;
    uint16_t test_kb;
    const char *brand; // "" matches any brand
    const char *uarch;
    const char *codename;
};

#define MODEL(m) m, m
#define MODELS(first, last) first, last
#define ANY_STEPPING 0x0, 0xF
#define STEPPING(s) s, s
#define STEPPINGS(first, last) first, last
#define ANY_CORES 0
#define CORES(n) n
#define NO_CACHE_TEST ANY_CACHE, 0

// Brand families used by several rows.
#define XEON "Xeon"
#define MOBILE_CORE2 " T####| L####| U####| SU####| SL####| SP####| P####| X7###| X9###"
#define MOBILE_WESTMERE " M ###| L ###| U ###| P####| U####"

static const uarch_row uarch_rows[] = {
    // Intel family 4: i486.
    {VENDOR_INTEL, 4, MODELS(0x0, 0x1), ANY_STEPPING, ANY_CORES, NO_CACHE_TEST, "", "i486", "DX"},
    {VENDOR_INTEL, 4, MODEL(0x2), ANY_STEPPING, ANY_CORES, NO_CACHE_TEST, "", "i486", "SX"},
    {VENDOR_INTEL, 4, MODEL(0x3), ANY_STEPPING, ANY_CORES, NO_CACHE_TEST, "", "i486", "DX2"},
    {VENDOR_INTEL, 4, MODEL(0x4), ANY_STEPPING, ANY_CORES, NO_CACHE_TEST, "", "i486", "SL"},
    {VENDOR_INTEL, 4, MODEL(0x5), ANY_STEPPING, ANY_CORES, NO_CACHE_TEST, "", "i486", "SX2"},
    {VENDOR_INTEL, 4, MODEL(0x7), ANY_STEPPING, ANY_CORES, NO_CACHE_TEST, "", "i486", "DX2-WB"},
    {VENDOR_INTEL, 4, MODEL(0x8), ANY_STEPPING, ANY_CORES, NO_CACHE_TEST, "", "i486", "DX4"},
    {VENDOR_INTEL, 4, MODEL(0x9), ANY_STEPPING, ANY_CORES, NO_CACHE_TEST, "", "i486", "DX4-WB"},

    // Intel family 5: Pentium, Quark.
    {VENDOR_INTEL, 5, MODELS(0x0, 0x1), ANY_STEPPING, ANY_CORES, NO_CACHE_TEST, "", "P5", "P5"},
    {VENDOR_INTEL, 5, MODEL(0x2), ANY_STEPPING, ANY_CORES, NO_CACHE_TEST, "", "P5", "P54C"},
    {VENDOR_INTEL, 5, MODEL(0x3), ANY_STEPPING, ANY_CORES, NO_CACHE_TEST, "", "P5", "P24T"},
    {VENDOR_INTEL, 5, MODEL(0x4), ANY_STEPPING, ANY_CORES, NO_CACHE_TEST, "", "P5", "P55C"},
    {VENDOR_INTEL, 5, MODEL(0x7), ANY_STEPPING, ANY_CORES, NO_CACHE_TEST, "", "P5", "P54CS"},
    {VENDOR_INTEL, 5, MODEL(0x8), ANY_STEPPING, ANY_CORES, NO_CACHE_TEST, "", "P5", "Tillamook"},
    {VENDOR_INTEL, 5, MODELS(0x9, 0xA), ANY_STEPPING, ANY_CORES, NO_CACHE_TEST, "", "Lakemont", "Quark"},

    // Intel family 6: P6, Pentium M.
    {VENDOR_INTEL, 6, MODEL(0x01), ANY_STEPPING, ANY_CORES, NO_CACHE_TEST, "", "P6", "Pentium Pro"},
    {VENDOR_INTEL, 6, MODEL(0x03), ANY_STEPPING, ANY_CORES, NO_CACHE_TEST, "", "P6", "Klamath"},
    {VENDOR_INTEL, 6, MODEL(0x05), ANY_STEPPING, ANY_CORES, L2_UP_TO, 0, "", "P6", "Covington"},
    {VENDOR_INTEL, 6, MODEL(0x05), ANY_STEPPING, ANY_CORES, NO_CACHE_TEST, "", "P6", "Deschutes"},
    {VENDOR_INTEL, 6, MODEL(0x06), ANY_STEPPING, ANY_CORES, L2_AT_LEAST, 256, "", "P6", "Dixon"},
    {VENDOR_INTEL, 6, MODEL(0x06), ANY_STEPPING, ANY_CORES, NO_CACHE_TEST, "", "P6", "Mendocino"},
    {VENDOR_INTEL, 6, MODEL(0x07), ANY_STEPPING, ANY_CORES, NO_CACHE_TEST, "", "P6", "Katmai"},
    {VENDOR_INTEL, 6, MODEL(0x08), ANY_STEPPING, ANY_CORES, L2_UP_TO, 128, "", "P6", "Coppermine-128"},
    {VENDOR_INTEL, 6, MODEL(0x08), ANY_STEPPING, ANY_CORES, NO_CACHE_TEST, "", "P6", "Coppermine"},
    {VENDOR_INTEL, 6, MODEL(0x09), ANY_STEPPING, ANY_CORES, L2_UP_TO, 0, "", "P6", "Shelton"},
    {VENDOR_INTEL, 6, MODEL(0x09), ANY_STEPPING, ANY_CORES, NO_CACHE_TEST, "", "P6", "Banias"},
    {VENDOR_INTEL, 6, MODEL(0x0A), ANY_STEPPING, ANY_CORES, NO_CACHE_TEST, "", "P6", "Cascades"},
    {VENDOR_INTEL, 6, MODEL(0x0B), ANY_STEPPING, ANY_CORES, NO_CACHE_TEST, "", "P6", "Tualatin"},
    {VENDOR_INTEL, 6, MODEL(0x0D), ANY_STEPPING, ANY_CORES, NO_CACHE_TEST, "", "P6", "Dothan"},
    {VENDOR_INTEL, 6, MODEL(0x0E), ANY_STEPPING, ANY_CORES, NO_CACHE_TEST, "", "P6", "Yonah"},
    {VENDOR_INTEL, 6, MODEL(0x15), ANY_STEPPING, ANY_CORES, NO_CACHE_TEST, "", "P6", "Tolapai"},

    // Core: Merom, Conroe and their relatives (65 nm).
    {VENDOR_INTEL, 6, MODEL(0x0F), ANY_STEPPING, ANY_CORES, NO_CACHE_TEST, " X73##| E73##| L73##| E72##", "Core", "Tigerton"},
    {VENDOR_INTEL, 6, MODEL(0x0F), ANY_STEPPING, CORES(4), NO_CACHE_TEST, XEON, "Core", "Clovertown"},
    {VENDOR_INTEL, 6, MODEL(0x0F), ANY_STEPPING, ANY_CORES, NO_CACHE_TEST, XEON, "Core", "Woodcrest"},
    {VENDOR_INTEL, 6, MODEL(0x0F), ANY_STEPPING, ANY_CORES, NO_CACHE_TEST, " QX6###", "Core", "Kentsfield XE"},
    {VENDOR_INTEL, 6, MODEL(0x0F), ANY_STEPPING, ANY_CORES, NO_CACHE_TEST, " X6###", "Core", "Conroe XE"},
    {VENDOR_INTEL, 6, MODEL(0x0F), ANY_STEPPING, CORES(4), NO_CACHE_TEST, "", "Core", "Kentsfield"},
    {VENDOR_INTEL, 6, MODEL(0x0F), ANY_STEPPING, ANY_CORES, NO_CACHE_TEST, "Quad", "Core", "Kentsfield"},
    {VENDOR_INTEL, 6, MODEL(0x0F), STEPPING(0xD), ANY_CORES, NO_CACHE_TEST, MOBILE_CORE2, "Core", "Merom-2M"},
    {VENDOR_INTEL, 6, MODEL(0x0F), STEPPING(0xD), ANY_CORES, NO_CACHE_TEST, "", "Core", "Allendale"},
    {VENDOR_INTEL, 6, MODEL(0x0F), ANY_STEPPING, ANY_CORES, NO_CACHE_TEST, MOBILE_CORE2, "Core", "Merom"},
    {VENDOR_INTEL, 6, MODEL(0x0F), ANY_STEPPING, ANY_CORES, NO_CACHE_TEST, "", "Core", "Conroe"},
    {VENDOR_INTEL, 6, MODEL(0x16), ANY_STEPPING, ANY_CORES, NO_CACHE_TEST, "Celeron(R) M", "Core", "Merom-L"},
    {VENDOR_INTEL, 6, MODEL(0x16), ANY_STEPPING, ANY_CORES, NO_CACHE_TEST, "", "Core", "Conroe-L"},

    // Core: Penryn and its relatives (45 nm).
    {VENDOR_INTEL, 6, MODEL(0x17), ANY_STEPPING, CORES(4), NO_CACHE_TEST, XEON, "Core", "Harpertown"},
    {VENDOR_INTEL, 6, MODEL(0x17), ANY_STEPPING, ANY_CORES, NO_CACHE_TEST, XEON, "Core", "Wolfdale-DP"},
    {VENDOR_INTEL, 6, MODEL(0x17), ANY_STEPPING, CORES(4), L2_AT_LEAST, 6144, "", "Core", "Yorkfield"},
    {VENDOR_INTEL, 6, MODEL(0x17), ANY_STEPPING, CORES(4), NO_CACHE_TEST, "", "Core", "Yorkfield-6M"},
    {VENDOR_INTEL, 6, MODEL(0x17), ANY_STEPPING, ANY_CORES, L2_AT_LEAST, 6144, MOBILE_CORE2, "Core", "Penryn"},
    {VENDOR_INTEL, 6, MODEL(0x17), ANY_STEPPING, ANY_CORES, NO_CACHE_TEST, MOBILE_CORE2, "Core", "Penryn-3M"},
    {VENDOR_INTEL, 6, MODEL(0x17), ANY_STEPPING, ANY_CORES, L2_AT_LEAST, 6144, "", "Core", "Wolfdale"},
    {VENDOR_INTEL, 6, MODEL(0x17), ANY_STEPPING, ANY_CORES, NO_CACHE_TEST, "", "Core", "Wolfdale-3M"},
    {VENDOR_INTEL, 6, MODEL(0x1D), ANY_STEPPING, ANY_CORES, NO_CACHE_TEST, "", "Core", "Dunnington"},

    // Nehalem and Westmere.
    {VENDOR_INTEL, 6, MODEL(0x1A), ANY_STEPPING, ANY_CORES, NO_CACHE_TEST, XEON, "Nehalem", "Gainestown"},
    {VENDOR_INTEL, 6, MODEL(0x1A), ANY_STEPPING, ANY_CORES, NO_CACHE_TEST, "", "Nehalem", "Bloomfield"},
    {VENDOR_INTEL, 6, MODEL(0x1E), ANY_STEPPING, ANY_CORES, NO_CACHE_TEST, " C55##| EC55##| LC55##| EC35##| LC35##", "Nehalem",
     "Jasper Forest"},
    {VENDOR_INTEL, 6, MODEL(0x1E), ANY_STEPPING, ANY_CORES, NO_CACHE_TEST, " Q ###| X 9##| Q###| XM", "Nehalem",
     "Clarksfield"},
    {VENDOR_INTEL, 6, MODELS(0x1E, 0x1F), ANY_STEPPING, ANY_CORES, NO_CACHE_TEST, "", "Nehalem", "Lynnfield"},
    {VENDOR_INTEL, 6, MODEL(0x2E), ANY_STEPPING, ANY_CORES, NO_CACHE_TEST, "", "Nehalem", "Beckton"},
    {VENDOR_INTEL, 6, MODEL(0x25), ANY_STEPPING, ANY_CORES, NO_CACHE_TEST, MOBILE_WESTMERE, "Nehalem", "Arrandale"},
    {VENDOR_INTEL, 6, MODEL(0x25), ANY_STEPPING, ANY_CORES, NO_CACHE_TEST, "", "Nehalem", "Clarkdale"},
    {VENDOR_INTEL, 6, MODEL(0x2C), ANY_STEPPING, ANY_CORES, NO_CACHE_TEST, XEON, "Nehalem", "Westmere-EP"},
    {VENDOR_INTEL, 6, MODEL(0x2C), ANY_STEPPING, ANY_CORES, NO_CACHE_TEST, "", "Nehalem", "Gulftown"},
    {VENDOR_INTEL, 6, MODEL(0x2F), ANY_STEPPING, ANY_CORES, NO_CACHE_TEST, "", "Nehalem", "Westmere-EX"},

    // Sandy Bridge and Ivy Bridge.
    {VENDOR_INTEL, 6, MODEL(0x2A), ANY_STEPPING, ANY_CORES, NO_CACHE_TEST, "", "Sandy Bridge", "Sandy Bridge"},
    {VENDOR_INTEL, 6, MODEL(0x2D), ANY_STEPPING, ANY_CORES, NO_CACHE_TEST, XEON, "Sandy Bridge", "Sandy Bridge-EP"},
    {VENDOR_INTEL, 6, MODEL(0x2D), ANY_STEPPING, ANY_CORES, NO_CACHE_TEST, "", "Sandy Bridge", "Sandy Bridge-E"},
    {VENDOR_INTEL, 6, MODEL(0x3A), ANY_STEPPING, ANY_CORES, NO_CACHE_TEST, "", "Sandy Bridge", "Ivy Bridge"},
    {VENDOR_INTEL, 6, MODEL(0x3E), ANY_STEPPING, ANY_CORES, NO_CACHE_TEST, " E7-", "Sandy Bridge", "Ivy Bridge-EX"},
    {VENDOR_INTEL, 6, MODEL(0x3E), ANY_STEPPING, ANY_CORES, NO_CACHE_TEST, XEON, "Sandy Bridge", "Ivy Bridge-EP"},
    {VENDOR_INTEL, 6, MODEL(0x3E), ANY_STEPPING, ANY_CORES, NO_CACHE_TEST, "", "Sandy Bridge", "Ivy Bridge-E"},

    // Haswell and Broadwell.
    {VENDOR_INTEL, 6, MODEL(0x3C), ANY_STEPPING, ANY_CORES, NO_CACHE_TEST, "", "Haswell", "Haswell"},
    {VENDOR_INTEL, 6, MODEL(0x45), ANY_STEPPING, ANY_CORES, NO_CACHE_TEST, "", "Haswell", "Haswell-ULT"},
    {VENDOR_INTEL, 6, MODEL(0x46), ANY_STEPPING, ANY_CORES, NO_CACHE_TEST, "", "Haswell", "Crystal Well"},
    {VENDOR_INTEL, 6, MODEL(0x3F), ANY_STEPPING, ANY_CORES, NO_CACHE_TEST, " E7-", "Haswell", "Haswell-EX"},
    {VENDOR_INTEL, 6, MODEL(0x3F), ANY_STEPPING, ANY_CORES, NO_CACHE_TEST, XEON, "Haswell", "Haswell-EP"},
    {VENDOR_INTEL, 6, MODEL(0x3F), ANY_STEPPING, ANY_CORES, NO_CACHE_TEST, "", "Haswell", "Haswell-E"},
    {VENDOR_INTEL, 6, MODEL(0x3D), ANY_STEPPING, ANY_CORES, NO_CACHE_TEST, "#Y##", "Haswell", "Broadwell-Y"},
    {VENDOR_INTEL, 6, MODEL(0x3D), ANY_STEPPING, ANY_CORES, NO_CACHE_TEST, "", "Haswell", "Broadwell-U"},
    {VENDOR_INTEL, 6, MODEL(0x47), ANY_STEPPING, ANY_CORES, NO_CACHE_TEST, "", "Haswell", "Broadwell-H"},
    {VENDOR_INTEL, 6, MODEL(0x4F), ANY_STEPPING, ANY_CORES, NO_CACHE_TEST, " E7-", "Haswell", "Broadwell-EX"},
    {VENDOR_INTEL, 6, MODEL(0x4F), ANY_STEPPING, ANY_CORES, NO_CACHE_TEST, XEON, "Haswell", "Broadwell-EP"},
    {VENDOR_INTEL, 6, MODEL(0x4F), ANY_STEPPING, ANY_CORES, NO_CACHE_TEST, "", "Haswell", "Broadwell-E"},
    {VENDOR_INTEL, 6, MODEL(0x56), ANY_STEPPING, ANY_CORES, NO_CACHE_TEST, "", "Haswell", "Broadwell-DE"},

    // Skylake and its refinements (Kaby, Coffee, Whiskey, Amber, Comet
    // Lake; Cascade and Cooper Lake).
    {VENDOR_INTEL, 6, MODEL(0x4E), ANY_STEPPING, ANY_CORES, NO_CACHE_TEST, "#Y##", "Skylake", "Skylake-Y"},
    {VENDOR_INTEL, 6, MODEL(0x4E), ANY_STEPPING, ANY_CORES, NO_CACHE_TEST, "", "Skylake", "Skylake-U"},
    {VENDOR_INTEL, 6, MODEL(0x5E), ANY_STEPPING, ANY_CORES, NO_CACHE_TEST, "-6###H", "Skylake", "Skylake-H"},
    {VENDOR_INTEL, 6, MODEL(0x5E), ANY_STEPPING, ANY_CORES, NO_CACHE_TEST, "", "Skylake", "Skylake-S"},
    {VENDOR_INTEL, 6, MODEL(0x55), STEPPINGS(0x0, 0x4), ANY_CORES, NO_CACHE_TEST, XEON, "Skylake", "Skylake-SP"},
    {VENDOR_INTEL, 6, MODEL(0x55), STEPPINGS(0x0, 0x4), ANY_CORES, NO_CACHE_TEST, "", "Skylake", "Skylake-X"},
    {VENDOR_INTEL, 6, MODEL(0x55), STEPPINGS(0x5, 0x7), ANY_CORES, NO_CACHE_TEST, XEON, "Skylake", "Cascade Lake-SP"},
    {VENDOR_INTEL, 6, MODEL(0x55), STEPPINGS(0x5, 0x7), ANY_CORES, NO_CACHE_TEST, "", "Skylake", "Cascade Lake-X"},
    {VENDOR_INTEL, 6, MODEL(0x55), STEPPINGS(0x8, 0xF), ANY_CORES, NO_CACHE_TEST, "", "Skylake", "Cooper Lake"},
    {VENDOR_INTEL, 6, MODEL(0x8E), STEPPING(0x9), ANY_CORES, NO_CACHE_TEST, "-8###Y| 4425Y", "Skylake", "Amber Lake-Y"},
    {VENDOR_INTEL, 6, MODEL(0x8E), STEPPING(0x9), ANY_CORES, NO_CACHE_TEST, "7Y##|#Y @|#Y CPU", "Skylake",
     "Kaby Lake-Y"},
    {VENDOR_INTEL, 6, MODEL(0x8E), STEPPING(0x9), ANY_CORES, NO_CACHE_TEST, "", "Skylake", "Kaby Lake-U"},
    {VENDOR_INTEL, 6, MODEL(0x8E), STEPPING(0xA), ANY_CORES, NO_CACHE_TEST, "", "Skylake", "Kaby Lake-R"},
    {VENDOR_INTEL, 6, MODEL(0x8E), STEPPING(0xC), ANY_CORES, NO_CACHE_TEST, "-10###Y", "Skylake", "Amber Lake-Y"},
    {VENDOR_INTEL, 6, MODEL(0x8E), STEPPING(0xC), ANY_CORES, NO_CACHE_TEST, "-10###U", "Skylake", "Comet Lake-U"},
    {VENDOR_INTEL, 6, MODEL(0x8E), STEPPINGS(0xB, 0xC), ANY_CORES, NO_CACHE_TEST, "", "Skylake", "Whiskey Lake-U"},
    {VENDOR_INTEL, 6, MODEL(0x9E), STEPPING(0x9), ANY_CORES, NO_CACHE_TEST, "-7###X", "Skylake", "Kaby Lake-X"},
    {VENDOR_INTEL, 6, MODEL(0x9E), STEPPING(0x9), ANY_CORES, NO_CACHE_TEST, "-8###G", "Skylake", "Kaby Lake-G"},
    {VENDOR_INTEL, 6, MODEL(0x9E), STEPPING(0x9), ANY_CORES, NO_CACHE_TEST, "-7###H", "Skylake", "Kaby Lake-H"},
    {VENDOR_INTEL, 6, MODEL(0x9E), STEPPING(0x9), ANY_CORES, NO_CACHE_TEST, "", "Skylake", "Kaby Lake-S"},
    {VENDOR_INTEL, 6, MODEL(0x9E), STEPPINGS(0xA, 0xD), ANY_CORES, NO_CACHE_TEST, "-9###H", "Skylake",
     "Coffee Lake-H Refresh"},
    {VENDOR_INTEL, 6, MODEL(0x9E), STEPPINGS(0xA, 0xD), ANY_CORES, NO_CACHE_TEST, "-8###H", "Skylake",
     "Coffee Lake-H"},
    {VENDOR_INTEL, 6, MODEL(0x9E), STEPPINGS(0xA, 0xB), ANY_CORES, NO_CACHE_TEST, "", "Skylake", "Coffee Lake-S"},
    {VENDOR_INTEL, 6, MODEL(0x9E), STEPPINGS(0xC, 0xF), ANY_CORES, NO_CACHE_TEST, "", "Skylake",
     "Coffee Lake-S Refresh"},
    {VENDOR_INTEL, 6, MODEL(0xA5), ANY_STEPPING, ANY_CORES, NO_CACHE_TEST, "-10###H", "Skylake", "Comet Lake-H"},
    {VENDOR_INTEL, 6, MODEL(0xA5), ANY_STEPPING, ANY_CORES, NO_CACHE_TEST, "", "Skylake", "Comet Lake-S"},
    {VENDOR_INTEL, 6, MODEL(0xA6), ANY_STEPPING, ANY_CORES, NO_CACHE_TEST, "", "Skylake", "Comet Lake-U"},

    // The Cove cores.
    {VENDOR_INTEL, 6, MODEL(0x66), ANY_STEPPING, ANY_CORES, NO_CACHE_TEST, "", "Palm Cove", "Cannon Lake-U"},
    {VENDOR_INTEL, 6, MODELS(0x7D, 0x7E), ANY_STEPPING, ANY_CORES, NO_CACHE_TEST, "", "Sunny Cove", "Ice Lake"},
    {VENDOR_INTEL, 6, MODEL(0x6A), ANY_STEPPING, ANY_CORES, NO_CACHE_TEST, "", "Sunny Cove", "Ice Lake-SP"},
    {VENDOR_INTEL, 6, MODEL(0x6C), ANY_STEPPING, ANY_CORES, NO_CACHE_TEST, "", "Sunny Cove", "Ice Lake-D"},
    {VENDOR_INTEL, 6, MODEL(0x9D), ANY_STEPPING, ANY_CORES, NO_CACHE_TEST, "", "Sunny Cove", "Spring Hill"},
    {VENDOR_INTEL, 6, MODEL(0x8A), ANY_STEPPING, ANY_CORES, NO_CACHE_TEST, "", "Sunny Cove", "Lakefield"},
    {VENDOR_INTEL, 6, MODEL(0x8C), ANY_STEPPING, ANY_CORES, NO_CACHE_TEST, "-11#0G#", "Willow Cove", "Tiger Lake-UP4"},
    {VENDOR_INTEL, 6, MODEL(0x8C), ANY_STEPPING, ANY_CORES, NO_CACHE_TEST, "", "Willow Cove", "Tiger Lake-UP3"},
    {VENDOR_INTEL, 6, MODEL(0x8D), ANY_STEPPING, ANY_CORES, NO_CACHE_TEST, "", "Willow Cove", "Tiger Lake-H"},
    {VENDOR_INTEL, 6, MODEL(0xA7), ANY_STEPPING, ANY_CORES, NO_CACHE_TEST, "", "Cypress Cove", "Rocket Lake-S"},
    {VENDOR_INTEL, 6, MODEL(0x97), ANY_STEPPING, ANY_CORES, NO_CACHE_TEST, "HX", "Golden Cove", "Alder Lake-HX"},
    {VENDOR_INTEL, 6, MODEL(0x97), ANY_STEPPING, ANY_CORES, NO_CACHE_TEST, "", "Golden Cove", "Alder Lake-S"},
    {VENDOR_INTEL, 6, MODEL(0x9A), ANY_STEPPING, ANY_CORES, NO_CACHE_TEST, "-12###H", "Golden Cove", "Alder Lake-H"},
    {VENDOR_INTEL, 6, MODEL(0x9A), ANY_STEPPING, ANY_CORES, NO_CACHE_TEST, "-12##U", "Golden Cove", "Alder Lake-U"},
    {VENDOR_INTEL, 6, MODEL(0x9A), ANY_STEPPING, ANY_CORES, NO_CACHE_TEST, "", "Golden Cove", "Alder Lake-P"},
    {VENDOR_INTEL, 6, MODEL(0x8F), ANY_STEPPING, ANY_CORES, NO_CACHE_TEST, "", "Golden Cove", "Sapphire Rapids"},
    {VENDOR_INTEL, 6, MODEL(0xB7), ANY_STEPPING, ANY_CORES, NO_CACHE_TEST, "HX", "Raptor Cove", "Raptor Lake-HX"},
    {VENDOR_INTEL, 6, MODELS(0xB7, 0xB7), ANY_STEPPING, ANY_CORES, NO_CACHE_TEST, "", "Raptor Cove", "Raptor Lake-S"},
    {VENDOR_INTEL, 6, MODEL(0xBF), ANY_STEPPING, ANY_CORES, NO_CACHE_TEST, "", "Raptor Cove", "Raptor Lake-S"},
    {VENDOR_INTEL, 6, MODEL(0xBA), ANY_STEPPING, ANY_CORES, NO_CACHE_TEST, "-13###H", "Raptor Cove", "Raptor Lake-H"},
    {VENDOR_INTEL, 6, MODEL(0xBA), ANY_STEPPING, ANY_CORES, NO_CACHE_TEST, "-13##U| 1##U", "Raptor Cove",
     "Raptor Lake-U"},
    {VENDOR_INTEL, 6, MODEL(0xBA), ANY_STEPPING, ANY_CORES, NO_CACHE_TEST, "", "Raptor Cove", "Raptor Lake-P"},
    {VENDOR_INTEL, 6, MODEL(0xCF), ANY_STEPPING, ANY_CORES, NO_CACHE_TEST, "", "Raptor Cove", "Emerald Rapids"},
    {VENDOR_INTEL, 6, MODEL(0xAA), ANY_STEPPING, ANY_CORES, NO_CACHE_TEST, " ###H", "Redwood Cove", "Meteor Lake-H"},
    {VENDOR_INTEL, 6, MODEL(0xAA), ANY_STEPPING, ANY_CORES, NO_CACHE_TEST, " ###U", "Redwood Cove", "Meteor Lake-U"},
    {VENDOR_INTEL, 6, MODELS(0xAA, 0xAC), ANY_STEPPING, ANY_CORES, NO_CACHE_TEST, "", "Redwood Cove", "Meteor Lake"},
    {VENDOR_INTEL, 6, MODEL(0xAD), ANY_STEPPING, ANY_CORES, NO_CACHE_TEST, "", "Redwood Cove", "Granite Rapids"},
    {VENDOR_INTEL, 6, MODEL(0xAE), ANY_STEPPING, ANY_CORES, NO_CACHE_TEST, "", "Redwood Cove", "Granite Rapids-D"},
    // Arrow Lake-U is a Meteor Lake refresh, with its Redwood Cove cores.
    {VENDOR_INTEL, 6, MODEL(0xB5), ANY_STEPPING, ANY_CORES, NO_CACHE_TEST, "", "Redwood Cove", "Arrow Lake-U"},
    {VENDOR_INTEL, 6, MODEL(0xC5), ANY_STEPPING, ANY_CORES, NO_CACHE_TEST, "", "Lion Cove", "Arrow Lake-H"},
    {VENDOR_INTEL, 6, MODEL(0xC6), ANY_STEPPING, ANY_CORES, NO_CACHE_TEST, "HX", "Lion Cove", "Arrow Lake-HX"},
    {VENDOR_INTEL, 6, MODEL(0xC6), ANY_STEPPING, ANY_CORES, NO_CACHE_TEST, "", "Lion Cove", "Arrow Lake-S"},
    {VENDOR_INTEL, 6, MODEL(0xBD), ANY_STEPPING, ANY_CORES, NO_CACHE_TEST, "", "Lion Cove", "Lunar Lake-V"},
    {VENDOR_INTEL, 6, MODEL(0xCC), ANY_STEPPING, ANY_CORES, NO_CACHE_TEST, "", "Cougar Cove", "Panther Lake"},

    // Atom cores.
    {VENDOR_INTEL, 6, MODEL(0x1C), STEPPING(0xA), ANY_CORES, NO_CACHE_TEST, "", "Bonnell", "Pineview"},
    {VENDOR_INTEL, 6, MODEL(0x1C), ANY_STEPPING, ANY_CORES, NO_CACHE_TEST, " Z5##", "Bonnell", "Silverthorne"},
    {VENDOR_INTEL, 6, MODEL(0x1C), ANY_STEPPING, ANY_CORES, NO_CACHE_TEST, "", "Bonnell", "Diamondville"},
    {VENDOR_INTEL, 6, MODEL(0x26), ANY_STEPPING, ANY_CORES, NO_CACHE_TEST, " E6##", "Bonnell", "Tunnel Creek"},
    {VENDOR_INTEL, 6, MODEL(0x26), ANY_STEPPING, ANY_CORES, NO_CACHE_TEST, "", "Bonnell", "Lincroft"},
    {VENDOR_INTEL, 6, MODEL(0x27), ANY_STEPPING, ANY_CORES, NO_CACHE_TEST, "", "Saltwell", "Penwell"},
    {VENDOR_INTEL, 6, MODEL(0x35), ANY_STEPPING, ANY_CORES, NO_CACHE_TEST, "", "Saltwell", "Cloverview"},
    {VENDOR_INTEL, 6, MODEL(0x36), ANY_STEPPING, ANY_CORES, NO_CACHE_TEST, "", "Saltwell", "Cedarview"},
    {VENDOR_INTEL, 6, MODEL(0x37), ANY_STEPPING, ANY_CORES, NO_CACHE_TEST, " Z3###", "Silvermont", "Bay Trail-T"},
    {VENDOR_INTEL, 6, MODEL(0x37), ANY_STEPPING, ANY_CORES, NO_CACHE_TEST, " E38##", "Silvermont", "Bay Trail-I"},
    {VENDOR_INTEL, 6, MODEL(0x37), ANY_STEPPING, ANY_CORES, NO_CACHE_TEST, " J1###| J2###", "Silvermont",
     "Bay Trail-D"},
    {VENDOR_INTEL, 6, MODEL(0x37), ANY_STEPPING, ANY_CORES, NO_CACHE_TEST, "", "Silvermont", "Bay Trail-M"},
    {VENDOR_INTEL, 6, MODEL(0x4A), ANY_STEPPING, ANY_CORES, NO_CACHE_TEST, "", "Silvermont", "Merrifield"},
    {VENDOR_INTEL, 6, MODEL(0x5A), ANY_STEPPING, ANY_CORES, NO_CACHE_TEST, "", "Silvermont", "Moorefield"},
    {VENDOR_INTEL, 6, MODEL(0x4D), ANY_STEPPING, ANY_CORES, NO_CACHE_TEST, " C2##8", "Silvermont", "Rangeley"},
    {VENDOR_INTEL, 6, MODEL(0x4D), ANY_STEPPING, ANY_CORES, NO_CACHE_TEST, "", "Silvermont", "Avoton"},
    {VENDOR_INTEL, 6, MODEL(0x5D), ANY_STEPPING, ANY_CORES, NO_CACHE_TEST, "", "Silvermont", "SoFIA"},
    {VENDOR_INTEL, 6, MODEL(0x4C), ANY_STEPPING, ANY_CORES, NO_CACHE_TEST, " Z8###| x5-| x7-", "Airmont",
     "Cherry Trail"},
    {VENDOR_INTEL, 6, MODEL(0x4C), ANY_STEPPING, ANY_CORES, NO_CACHE_TEST, "", "Airmont", "Braswell"},
    {VENDOR_INTEL, 6, MODEL(0x5C), ANY_STEPPING, ANY_CORES, NO_CACHE_TEST, "", "Goldmont", "Apollo Lake"},
    {VENDOR_INTEL, 6, MODEL(0x5F), ANY_STEPPING, ANY_CORES, NO_CACHE_TEST, "", "Goldmont", "Denverton"},
    {VENDOR_INTEL, 6, MODEL(0x7A), STEPPINGS(0x8, 0xF), ANY_CORES, NO_CACHE_TEST, "", "Goldmont Plus",
     "Gemini Lake Refresh"},
    {VENDOR_INTEL, 6, MODEL(0x7A), ANY_STEPPING, ANY_CORES, NO_CACHE_TEST, "", "Goldmont Plus", "Gemini Lake"},
    {VENDOR_INTEL, 6, MODEL(0x86), ANY_STEPPING, ANY_CORES, NO_CACHE_TEST, "", "Tremont", "Snow Ridge"},
    {VENDOR_INTEL, 6, MODEL(0x96), ANY_STEPPING, ANY_CORES, NO_CACHE_TEST, "", "Tremont", "Elkhart Lake"},
    {VENDOR_INTEL, 6, MODEL(0x9C), ANY_STEPPING, ANY_CORES, NO_CACHE_TEST, "", "Tremont", "Jasper Lake"},
    {VENDOR_INTEL, 6, MODEL(0xBE), ANY_STEPPING, ANY_CORES, NO_CACHE_TEST, "Core(TM) 3 N| N150| N250", "Gracemont",
     "Twin Lake-N"},
    {VENDOR_INTEL, 6, MODEL(0xBE), ANY_STEPPING, ANY_CORES, NO_CACHE_TEST, "", "Gracemont", "Alder Lake-N"},
    {VENDOR_INTEL, 6, MODELS(0xAF, 0xAF), ANY_STEPPING, ANY_CORES, NO_CACHE_TEST, "", "Crestmont", "Sierra Forest"},
    {VENDOR_INTEL, 6, MODEL(0xB6), ANY_STEPPING, ANY_CORES, NO_CACHE_TEST, "", "Crestmont", "Grand Ridge"},
    {VENDOR_INTEL, 6, MODEL(0xDD), ANY_STEPPING, ANY_CORES, NO_CACHE_TEST, "", "Darkmont", "Clearwater Forest"},

    // Xeon Phi.
    {VENDOR_INTEL, 6, MODEL(0x57), ANY_STEPPING, ANY_CORES, NO_CACHE_TEST, "", "Knights Landing", ""},
    {VENDOR_INTEL, 6, MODEL(0x85), ANY_STEPPING, ANY_CORES, NO_CACHE_TEST, "", "Knights Mill", ""},
    {VENDOR_INTEL, 0xB, MODELS(0x00, 0xFF), ANY_STEPPING, ANY_CORES, NO_CACHE_TEST, "", "Knights Corner", ""},

    // Intel family 0Fh: NetBurst.
    {VENDOR_INTEL, 0xF, MODEL(0x0), ANY_STEPPING, ANY_CORES, NO_CACHE_TEST, "", "NetBurst", "Willamette"},
    {VENDOR_INTEL, 0xF, MODEL(0x1), ANY_STEPPING, ANY_CORES, NO_CACHE_TEST, XEON, "NetBurst", "Foster"},
    {VENDOR_INTEL, 0xF, MODEL(0x1), ANY_STEPPING, ANY_CORES, NO_CACHE_TEST, "", "NetBurst", "Willamette"},
    {VENDOR_INTEL, 0xF, MODEL(0x2), ANY_STEPPING, ANY_CORES, WITH_L3, 0, XEON, "NetBurst", "Gallatin"},
    {VENDOR_INTEL, 0xF, MODEL(0x2), ANY_STEPPING, ANY_CORES, NO_CACHE_TEST, XEON, "NetBurst", "Prestonia"},
    {VENDOR_INTEL, 0xF, MODEL(0x2), ANY_STEPPING, ANY_CORES, NO_CACHE_TEST, "", "NetBurst", "Northwood"},
    {VENDOR_INTEL, 0xF, MODEL(0x3), ANY_STEPPING, ANY_CORES, NO_CACHE_TEST, XEON, "NetBurst", "Nocona"},
    {VENDOR_INTEL, 0xF, MODEL(0x3), ANY_STEPPING, ANY_CORES, NO_CACHE_TEST, "", "NetBurst", "Prescott"},
    {VENDOR_INTEL, 0xF, MODEL(0x4), ANY_STEPPING, ANY_CORES, WITH_L3, 0, XEON, "NetBurst", "Potomac"},
    {VENDOR_INTEL, 0xF, MODEL(0x4), ANY_STEPPING, ANY_CORES, L2_AT_LEAST, 2048, XEON, "NetBurst", "Irwindale"},
    {VENDOR_INTEL, 0xF, MODEL(0x4), ANY_STEPPING, ANY_CORES, NO_CACHE_TEST, XEON, "NetBurst", "Nocona"},
    {VENDOR_INTEL, 0xF, MODEL(0x4), ANY_STEPPING, ANY_CORES, NO_CACHE_TEST, "Pentium(R) D|Extreme Edition",
     "NetBurst", "Smithfield"},
    {VENDOR_INTEL, 0xF, MODEL(0x4), ANY_STEPPING, ANY_CORES, NO_CACHE_TEST, "", "NetBurst", "Prescott"},
    {VENDOR_INTEL, 0xF, MODEL(0x6), ANY_STEPPING, ANY_CORES, WITH_L3, 0, "", "NetBurst", "Tulsa"},
    {VENDOR_INTEL, 0xF, MODEL(0x6), ANY_STEPPING, ANY_CORES, NO_CACHE_TEST, XEON, "NetBurst", "Dempsey"},
    {VENDOR_INTEL, 0xF, MODEL(0x6), ANY_STEPPING, ANY_CORES, NO_CACHE_TEST, "Pentium(R) D|Extreme Edition",
     "NetBurst", "Presler"},
    {VENDOR_INTEL, 0xF, MODEL(0x6), ANY_STEPPING, ANY_CORES, NO_CACHE_TEST, "", "NetBurst", "Cedar Mill"},

    // AMD family 4: Am486 and Am5x86.
    {VENDOR_AMD, 4, MODEL(0x3), ANY_STEPPING, ANY_CORES, NO_CACHE_TEST, "", "Am486", "DX2"},
    {VENDOR_AMD, 4, MODEL(0x7), ANY_STEPPING, ANY_CORES, NO_CACHE_TEST, "", "Am486", "DX2-WB"},
    {VENDOR_AMD, 4, MODEL(0x8), ANY_STEPPING, ANY_CORES, NO_CACHE_TEST, "", "Am486", "DX4"},
    {VENDOR_AMD, 4, MODEL(0x9), ANY_STEPPING, ANY_CORES, NO_CACHE_TEST, "", "Am486", "DX4-WB"},
    {VENDOR_AMD, 4, MODELS(0xE, 0xF), ANY_STEPPING, ANY_CORES, NO_CACHE_TEST, "", "Am5x86", ""},

    // AMD family 5: K5, K6, Geode.
    {VENDOR_AMD, 5, MODEL(0x0), ANY_STEPPING, ANY_CORES, NO_CACHE_TEST, "", "K5", "SSA/5"},
    {VENDOR_AMD, 5, MODELS(0x1, 0x3), ANY_STEPPING, ANY_CORES, NO_CACHE_TEST, "", "K5", "5k86"},
    {VENDOR_AMD, 5, MODEL(0x6), ANY_STEPPING, ANY_CORES, NO_CACHE_TEST, "", "K6", ""},
    {VENDOR_AMD, 5, MODEL(0x7), ANY_STEPPING, ANY_CORES, NO_CACHE_TEST, "", "K6", "Little Foot"},
    {VENDOR_AMD, 5, MODEL(0x8), STEPPINGS(0xC, 0xF), ANY_CORES, NO_CACHE_TEST, "", "K6", "Chomper Extended"},
    {VENDOR_AMD, 5, MODEL(0x8), ANY_STEPPING, ANY_CORES, NO_CACHE_TEST, "", "K6", "Chomper"},
    {VENDOR_AMD, 5, MODEL(0x9), ANY_STEPPING, ANY_CORES, NO_CACHE_TEST, "", "K6", "Sharptooth"},
    {VENDOR_AMD, 5, MODEL(0xA), ANY_STEPPING, ANY_CORES, NO_CACHE_TEST, "", "Geode", "Geode LX"},
    {VENDOR_AMD, 5, MODEL(0xD), ANY_STEPPING, ANY_CORES, L2_AT_LEAST, 256, "", "K6", "K6-III+"},
    {VENDOR_AMD, 5, MODEL(0xD), ANY_STEPPING, ANY_CORES, NO_CACHE_TEST, "", "K6", "K6-2+"},

    // AMD family 6: K7.
    {VENDOR_AMD, 6, MODEL(0x1), ANY_STEPPING, ANY_CORES, NO_CACHE_TEST, "", "K7", "Argon"},
    {VENDOR_AMD, 6, MODEL(0x2), ANY_STEPPING, ANY_CORES, NO_CACHE_TEST, "", "K7", "Pluto/Orion"},
    {VENDOR_AMD, 6, MODEL(0x3), ANY_STEPPING, ANY_CORES, NO_CACHE_TEST, "", "K7", "Spitfire"},
    {VENDOR_AMD, 6, MODEL(0x4), ANY_STEPPING, ANY_CORES, NO_CACHE_TEST, "", "K7", "Thunderbird"},
    {VENDOR_AMD, 6, MODEL(0x6), ANY_STEPPING, ANY_CORES, NO_CACHE_TEST, "", "K7", "Palomino"},
    {VENDOR_AMD, 6, MODEL(0x7), ANY_STEPPING, ANY_CORES, NO_CACHE_TEST, "", "K7", "Morgan"},
    {VENDOR_AMD, 6, MODEL(0x8), ANY_STEPPING, ANY_CORES, L2_UP_TO, 64, "", "K7", "Applebred"},
    {VENDOR_AMD, 6, MODEL(0x8), ANY_STEPPING, ANY_CORES, NO_CACHE_TEST, "", "K7", "Thoroughbred"},
    {VENDOR_AMD, 6, MODEL(0xA), ANY_STEPPING, ANY_CORES, L2_AT_LEAST, 512, "", "K7", "Barton"},
    {VENDOR_AMD, 6, MODEL(0xA), ANY_STEPPING, ANY_CORES, NO_CACHE_TEST, "", "K7", "Thorton"},

    // AMD family 0Fh: K8, by revision (CG and before, D, E, F, G).
    {VENDOR_AMD, 0xF, MODELS(0x04, 0x04), ANY_STEPPING, ANY_CORES, NO_CACHE_TEST, "", "K8", "ClawHammer"},
    {VENDOR_AMD, 0xF, MODELS(0x05, 0x05), ANY_STEPPING, ANY_CORES, NO_CACHE_TEST, "", "K8", "SledgeHammer"},
    {VENDOR_AMD, 0xF, MODELS(0x07, 0x08), ANY_STEPPING, ANY_CORES, NO_CACHE_TEST, "", "K8", "ClawHammer"},
    {VENDOR_AMD, 0xF, MODELS(0x0B, 0x0F), ANY_STEPPING, ANY_CORES, NO_CACHE_TEST, "Sempron", "K8", "Paris"},
    {VENDOR_AMD, 0xF, MODELS(0x0B, 0x0F), ANY_STEPPING, ANY_CORES, NO_CACHE_TEST, "", "K8", "Newcastle"},
    {VENDOR_AMD, 0xF, MODELS(0x14, 0x18), ANY_STEPPING, ANY_CORES, NO_CACHE_TEST, "Opteron", "K8", "SledgeHammer"},
    {VENDOR_AMD, 0xF, MODELS(0x14, 0x18), ANY_STEPPING, ANY_CORES, NO_CACHE_TEST, "", "K8", "Oakville"},
    {VENDOR_AMD, 0xF, MODELS(0x1B, 0x1F), ANY_STEPPING, ANY_CORES, NO_CACHE_TEST, "Sempron", "K8", "Palermo"},
    {VENDOR_AMD, 0xF, MODELS(0x1B, 0x1F), ANY_STEPPING, ANY_CORES, NO_CACHE_TEST, "", "K8", "Winchester"},
    {VENDOR_AMD, 0xF, MODEL(0x21), ANY_STEPPING, ANY_CORES, NO_CACHE_TEST, "Processor 8##", "K8", "Egypt"},
    {VENDOR_AMD, 0xF, MODEL(0x21), ANY_STEPPING, ANY_CORES, NO_CACHE_TEST, "", "K8", "Italy"},
    {VENDOR_AMD, 0xF, MODEL(0x23), ANY_STEPPING, ANY_CORES, NO_CACHE_TEST, "Opteron", "K8", "Denmark"},
    {VENDOR_AMD, 0xF, MODEL(0x23), ANY_STEPPING, ANY_CORES, NO_CACHE_TEST, "", "K8", "Toledo"},
    {VENDOR_AMD, 0xF, MODEL(0x24), ANY_STEPPING, ANY_CORES, NO_CACHE_TEST, "Turion", "K8", "Lancaster"},
    {VENDOR_AMD, 0xF, MODEL(0x24), ANY_STEPPING, ANY_CORES, NO_CACHE_TEST, "", "K8", "Newark"},
    {VENDOR_AMD, 0xF, MODEL(0x25), ANY_STEPPING, ANY_CORES, NO_CACHE_TEST, "Processor 1##", "K8", "Venus"},
    {VENDOR_AMD, 0xF, MODEL(0x25), ANY_STEPPING, ANY_CORES, NO_CACHE_TEST, "Processor 8##", "K8", "Athens"},
    {VENDOR_AMD, 0xF, MODEL(0x25), ANY_STEPPING, ANY_CORES, NO_CACHE_TEST, "", "K8", "Troy"},
    {VENDOR_AMD, 0xF, MODEL(0x27), ANY_STEPPING, ANY_CORES, NO_CACHE_TEST, "Opteron", "K8", "Venus"},
    {VENDOR_AMD, 0xF, MODEL(0x27), ANY_STEPPING, ANY_CORES, NO_CACHE_TEST, "", "K8", "San Diego"},
    {VENDOR_AMD, 0xF, MODEL(0x2B), ANY_STEPPING, ANY_CORES, NO_CACHE_TEST, "", "K8", "Manchester"},
    {VENDOR_AMD, 0xF, MODELS(0x2C, 0x2F), ANY_STEPPING, ANY_CORES, NO_CACHE_TEST, "Sempron", "K8", "Palermo"},
    {VENDOR_AMD, 0xF, MODELS(0x2C, 0x2F), ANY_STEPPING, ANY_CORES, NO_CACHE_TEST, "", "K8", "Venice"},
    {VENDOR_AMD, 0xF, MODEL(0x41), ANY_STEPPING, ANY_CORES, NO_CACHE_TEST, " FX", "K8", "Windsor"},
    {VENDOR_AMD, 0xF, MODEL(0x41), ANY_STEPPING, ANY_CORES, NO_CACHE_TEST, "", "K8", "Santa Rosa"},
    {VENDOR_AMD, 0xF, MODELS(0x43, 0x43), ANY_STEPPING, ANY_CORES, NO_CACHE_TEST, "Opteron", "K8", "Santa Ana"},
    {VENDOR_AMD, 0xF, MODELS(0x43, 0x43), ANY_STEPPING, ANY_CORES, NO_CACHE_TEST, "", "K8", "Windsor"},
    {VENDOR_AMD, 0xF, MODEL(0x48), ANY_STEPPING, ANY_CORES, L2_UP_TO, 256, "", "K8", "Taylor"},
    {VENDOR_AMD, 0xF, MODEL(0x48), ANY_STEPPING, ANY_CORES, NO_CACHE_TEST, "", "K8", "Trinidad"},
    {VENDOR_AMD, 0xF, MODEL(0x4B), ANY_STEPPING, ANY_CORES, NO_CACHE_TEST, "", "K8", "Windsor"},
    {VENDOR_AMD, 0xF, MODEL(0x4C), ANY_STEPPING, ANY_CORES, NO_CACHE_TEST, "Sempron", "K8", "Keene"},
    {VENDOR_AMD, 0xF, MODEL(0x4C), ANY_STEPPING, ANY_CORES, NO_CACHE_TEST, "", "K8", "Richmond"},
    {VENDOR_AMD, 0xF, MODELS(0x4F, 0x5F), ANY_STEPPING, ANY_CORES, NO_CACHE_TEST, "Sempron", "K8", "Manila"},
    {VENDOR_AMD, 0xF, MODELS(0x4F, 0x5F), ANY_STEPPING, ANY_CORES, NO_CACHE_TEST, "", "K8", "Orleans"},
    {VENDOR_AMD, 0xF, MODEL(0x68), ANY_STEPPING, ANY_CORES, NO_CACHE_TEST, "", "K8", "Tyler"},
    {VENDOR_AMD, 0xF, MODEL(0x6B), ANY_STEPPING, ANY_CORES, NO_CACHE_TEST, "", "K8", "Brisbane"},
    {VENDOR_AMD, 0xF, MODELS(0x6C, 0x6C), ANY_STEPPING, ANY_CORES, NO_CACHE_TEST, "", "K8", "Sherman"},
    {VENDOR_AMD, 0xF, MODEL(0x7C), ANY_STEPPING, ANY_CORES, NO_CACHE_TEST, "", "K8", "Sherman"},
    {VENDOR_AMD, 0xF, MODELS(0x6F, 0x7F), ANY_STEPPING, ANY_CORES, NO_CACHE_TEST, "Sempron", "K8", "Sparta"},
    {VENDOR_AMD, 0xF, MODELS(0x6F, 0x7F), ANY_STEPPING, ANY_CORES, NO_CACHE_TEST, "", "K8", "Lima"},
    {VENDOR_AMD, 0xF, MODELS(0x00, 0xFF), ANY_STEPPING, ANY_CORES, NO_CACHE_TEST, "", "K8", ""},

    // AMD family 10h: K10.
    {VENDOR_AMD, 0x10, MODEL(0x2), ANY_STEPPING, ANY_CORES, NO_CACHE_TEST, "Opteron", "K10", "Barcelona"},
    {VENDOR_AMD, 0x10, MODEL(0x2), ANY_STEPPING, CORES(3), NO_CACHE_TEST, "", "K10", "Toliman"},
    {VENDOR_AMD, 0x10, MODEL(0x2), ANY_STEPPING, CORES(2), NO_CACHE_TEST, "", "K10", "Kuma"},
    {VENDOR_AMD, 0x10, MODEL(0x2), ANY_STEPPING, ANY_CORES, NO_CACHE_TEST, "", "K10", "Agena"},
    {VENDOR_AMD, 0x10, MODEL(0x4), ANY_STEPPING, ANY_CORES, NO_CACHE_TEST, "Opteron", "K10", "Shanghai"},
    {VENDOR_AMD, 0x10, MODEL(0x4), ANY_STEPPING, CORES(3), NO_CACHE_TEST, "", "K10", "Heka"},
    {VENDOR_AMD, 0x10, MODEL(0x4), ANY_STEPPING, CORES(2), NO_CACHE_TEST, "", "K10", "Callisto"},
    {VENDOR_AMD, 0x10, MODEL(0x4), ANY_STEPPING, ANY_CORES, NO_CACHE_TEST, "", "K10", "Deneb"},
    {VENDOR_AMD, 0x10, MODEL(0x5), ANY_STEPPING, CORES(3), NO_CACHE_TEST, "", "K10", "Rana"},
    {VENDOR_AMD, 0x10, MODEL(0x5), ANY_STEPPING, ANY_CORES, NO_CACHE_TEST, "", "K10", "Propus"},
    {VENDOR_AMD, 0x10, MODEL(0x6), ANY_STEPPING, ANY_CORES, NO_CACHE_TEST, " II M", "K10", "Caspian"},
    {VENDOR_AMD, 0x10, MODEL(0x6), ANY_STEPPING, ANY_CORES, NO_CACHE_TEST, " II P| II N| V1##| V##0", "K10",
     "Champlain"},
    {VENDOR_AMD, 0x10, MODEL(0x6), ANY_STEPPING, CORES(1), NO_CACHE_TEST, "", "K10", "Sargas"},
    {VENDOR_AMD, 0x10, MODEL(0x6), ANY_STEPPING, ANY_CORES, NO_CACHE_TEST, "", "K10", "Regor"},
    {VENDOR_AMD, 0x10, MODEL(0x8), ANY_STEPPING, ANY_CORES, NO_CACHE_TEST, "Processor 41##", "K10", "Lisbon"},
    {VENDOR_AMD, 0x10, MODEL(0x8), ANY_STEPPING, ANY_CORES, NO_CACHE_TEST, "", "K10", "Istanbul"},
    {VENDOR_AMD, 0x10, MODEL(0x9), ANY_STEPPING, ANY_CORES, NO_CACHE_TEST, "", "K10", "Magny-Cours"},
    {VENDOR_AMD, 0x10, MODEL(0xA), ANY_STEPPING, CORES(4), NO_CACHE_TEST, "", "K10", "Zosma"},
    {VENDOR_AMD, 0x10, MODEL(0xA), ANY_STEPPING, ANY_CORES, NO_CACHE_TEST, "", "K10", "Thuban"},
    {VENDOR_AMD, 0x10, MODELS(0x00, 0xFF), ANY_STEPPING, ANY_CORES, NO_CACHE_TEST, "", "K10", ""},

    // AMD families 11h and 12h: K8 and K10 cores in mobile and APU designs.
    {VENDOR_AMD, 0x11, MODELS(0x00, 0xFF), ANY_STEPPING, ANY_CORES, NO_CACHE_TEST, "", "K8", "Griffin"},
    {VENDOR_AMD, 0x12, MODELS(0x00, 0xFF), ANY_STEPPING, ANY_CORES, NO_CACHE_TEST, "", "K10", "Llano"},

    // AMD family 14h: Bobcat.
    {VENDOR_AMD, 0x14, MODELS(0x00, 0x0F), ANY_STEPPING, ANY_CORES, NO_CACHE_TEST, "AMD C-", "Bobcat", "Ontario"},
    {VENDOR_AMD, 0x14, MODELS(0x00, 0x0F), ANY_STEPPING, ANY_CORES, NO_CACHE_TEST, "AMD Z-", "Bobcat", "Desna"},
    {VENDOR_AMD, 0x14, MODELS(0x00, 0x0F), ANY_STEPPING, ANY_CORES, NO_CACHE_TEST, "", "Bobcat", "Zacate"},

    // AMD family 15h: Bulldozer and its successors (Piledriver, Steamroller,
    // Excavator).
    {VENDOR_AMD, 0x15, MODEL(0x02), ANY_STEPPING, ANY_CORES, NO_CACHE_TEST, "Processor 63##", "Bulldozer", "Abu Dhabi"},
    {VENDOR_AMD, 0x15, MODEL(0x02), ANY_STEPPING, ANY_CORES, NO_CACHE_TEST, "Processor 43##", "Bulldozer", "Seoul"},
    {VENDOR_AMD, 0x15, MODEL(0x02), ANY_STEPPING, ANY_CORES, NO_CACHE_TEST, "Processor 33##", "Bulldozer", "Delhi"},
    {VENDOR_AMD, 0x15, MODEL(0x02), ANY_STEPPING, ANY_CORES, NO_CACHE_TEST, "", "Bulldozer", "Vishera"},
    {VENDOR_AMD, 0x15, MODELS(0x00, 0x0F), ANY_STEPPING, ANY_CORES, NO_CACHE_TEST, "Processor 62##", "Bulldozer",
     "Interlagos"},
    {VENDOR_AMD, 0x15, MODELS(0x00, 0x0F), ANY_STEPPING, ANY_CORES, NO_CACHE_TEST, "Processor 42##", "Bulldozer",
     "Valencia"},
    {VENDOR_AMD, 0x15, MODELS(0x00, 0x0F), ANY_STEPPING, ANY_CORES, NO_CACHE_TEST, "Processor 32##", "Bulldozer",
     "Zurich"},
    {VENDOR_AMD, 0x15, MODELS(0x00, 0x0F), ANY_STEPPING, ANY_CORES, NO_CACHE_TEST, "", "Bulldozer", "Zambezi"},
    {VENDOR_AMD, 0x15, MODELS(0x13, 0x1F), ANY_STEPPING, ANY_CORES, NO_CACHE_TEST, "", "Bulldozer", "Richland"},
    {VENDOR_AMD, 0x15, MODELS(0x10, 0x12), ANY_STEPPING, ANY_CORES, NO_CACHE_TEST, "", "Bulldozer", "Trinity"},
    {VENDOR_AMD, 0x15, MODELS(0x30, 0x3F), ANY_STEPPING, ANY_CORES, NO_CACHE_TEST, "RX-", "Bulldozer", "Bald Eagle"},
    {VENDOR_AMD, 0x15, MODELS(0x38, 0x3F), ANY_STEPPING, ANY_CORES, NO_CACHE_TEST, "", "Bulldozer", "Godavari"},
    {VENDOR_AMD, 0x15, MODELS(0x30, 0x37), ANY_STEPPING, ANY_CORES, NO_CACHE_TEST, "", "Bulldozer", "Kaveri"},
    {VENDOR_AMD, 0x15, MODELS(0x60, 0x64), ANY_STEPPING, ANY_CORES, NO_CACHE_TEST, "", "Bulldozer", "Carrizo"},
    {VENDOR_AMD, 0x15, MODELS(0x65, 0x6F), ANY_STEPPING, ANY_CORES, NO_CACHE_TEST, "", "Bulldozer", "Bristol Ridge"},
    {VENDOR_AMD, 0x15, MODELS(0x70, 0x7F), ANY_STEPPING, ANY_CORES, NO_CACHE_TEST, "", "Bulldozer", "Stoney Ridge"},
    {VENDOR_AMD, 0x15, MODELS(0x00, 0xFF), ANY_STEPPING, ANY_CORES, NO_CACHE_TEST, "", "Bulldozer", ""},

    // AMD family 16h: Jaguar and Puma.
    {VENDOR_AMD, 0x16, MODELS(0x00, 0x0F), ANY_STEPPING, ANY_CORES, NO_CACHE_TEST, "A4-1###|A6-1###", "Jaguar",
     "Temash"},
    {VENDOR_AMD, 0x16, MODELS(0x00, 0x0F), ANY_STEPPING, ANY_CORES, NO_CACHE_TEST, "", "Jaguar", "Kabini"},
    {VENDOR_AMD, 0x16, MODELS(0x30, 0x3F), ANY_STEPPING, ANY_CORES, NO_CACHE_TEST, "GX-", "Jaguar", "Steppe Eagle"},
    {VENDOR_AMD, 0x16, MODELS(0x30, 0x3F), ANY_STEPPING, ANY_CORES, NO_CACHE_TEST, "Micro", "Jaguar", "Mullins"},
    {VENDOR_AMD, 0x16, MODELS(0x30, 0x3F), ANY_STEPPING, ANY_CORES, NO_CACHE_TEST, "", "Jaguar", "Beema"},
    {VENDOR_AMD, 0x16, MODELS(0x00, 0xFF), ANY_STEPPING, ANY_CORES, NO_CACHE_TEST, "", "Jaguar", ""},

    // AMD family 17h: Zen, Zen+, Zen 2.
    {VENDOR_AMD, 0x17, MODEL(0x01), ANY_STEPPING, ANY_CORES, NO_CACHE_TEST, "EPYC", "Zen", "Naples"},
    {VENDOR_AMD, 0x17, MODEL(0x01), ANY_STEPPING, ANY_CORES, NO_CACHE_TEST, "Threadripper", "Zen", "Whitehaven"},
    {VENDOR_AMD, 0x17, MODEL(0x01), ANY_STEPPING, ANY_CORES, NO_CACHE_TEST, "", "Zen", "Summit Ridge"},
    {VENDOR_AMD, 0x17, MODEL(0x08), ANY_STEPPING, ANY_CORES, NO_CACHE_TEST, "Threadripper", "Zen+", "Colfax"},
    {VENDOR_AMD, 0x17, MODEL(0x08), ANY_STEPPING, ANY_CORES, NO_CACHE_TEST, "", "Zen+", "Pinnacle Ridge"},
    {VENDOR_AMD, 0x17, MODEL(0x11), ANY_STEPPING, ANY_CORES, NO_CACHE_TEST, "", "Zen", "Raven Ridge"},
    {VENDOR_AMD, 0x17, MODEL(0x18), ANY_STEPPING, ANY_CORES, NO_CACHE_TEST, "", "Zen+", "Picasso"},
    {VENDOR_AMD, 0x17, MODEL(0x20), ANY_STEPPING, ANY_CORES, NO_CACHE_TEST, "", "Zen", "Dali"},
    {VENDOR_AMD, 0x17, MODELS(0x00, 0x2F), ANY_STEPPING, ANY_CORES, NO_CACHE_TEST, "", "Zen", ""},
    {VENDOR_AMD, 0x17, MODEL(0x31), ANY_STEPPING, ANY_CORES, NO_CACHE_TEST, "EPYC", "Zen 2", "Rome"},
    {VENDOR_AMD, 0x17, MODEL(0x31), ANY_STEPPING, ANY_CORES, NO_CACHE_TEST, "", "Zen 2", "Castle Peak"},
    {VENDOR_AMD, 0x17, MODELS(0x60, 0x67), ANY_STEPPING, ANY_CORES, NO_CACHE_TEST, "", "Zen 2", "Renoir"},
    {VENDOR_AMD, 0x17, MODELS(0x68, 0x6F), ANY_STEPPING, ANY_CORES, NO_CACHE_TEST, "", "Zen 2", "Lucienne"},
    {VENDOR_AMD, 0x17, MODELS(0x70, 0x7F), ANY_STEPPING, ANY_CORES, NO_CACHE_TEST, "", "Zen 2", "Matisse"},
    {VENDOR_AMD, 0x17, MODELS(0x90, 0x9F), ANY_STEPPING, ANY_CORES, NO_CACHE_TEST, "", "Zen 2", "Van Gogh"},
    {VENDOR_AMD, 0x17, MODELS(0xA0, 0xAF), ANY_STEPPING, ANY_CORES, NO_CACHE_TEST, "", "Zen 2", "Mendocino"},
    {VENDOR_AMD, 0x17, MODELS(0x30, 0xFF), ANY_STEPPING, ANY_CORES, NO_CACHE_TEST, "", "Zen 2", ""},

    // AMD family 19h: Zen 3, Zen 3+, Zen 4.
    {VENDOR_AMD, 0x19, MODEL(0x08), ANY_STEPPING, ANY_CORES, NO_CACHE_TEST, "", "Zen 3", "Chagall"},
    {VENDOR_AMD, 0x19, MODELS(0x00, 0x0F), ANY_STEPPING, ANY_CORES, NO_CACHE_TEST, "", "Zen 3", "Milan"},
    {VENDOR_AMD, 0x19, MODEL(0x18), ANY_STEPPING, ANY_CORES, NO_CACHE_TEST, "", "Zen 4", "Storm Peak"},
    {VENDOR_AMD, 0x19, MODELS(0x10, 0x1F), ANY_STEPPING, ANY_CORES, NO_CACHE_TEST, "", "Zen 4", "Genoa"},
    {VENDOR_AMD, 0x19, MODELS(0x20, 0x2F), ANY_STEPPING, ANY_CORES, NO_CACHE_TEST, "", "Zen 3", "Vermeer"},
    {VENDOR_AMD, 0x19, MODELS(0x40, 0x4F), ANY_STEPPING, ANY_CORES, NO_CACHE_TEST, "", "Zen 3+", "Rembrandt"},
    {VENDOR_AMD, 0x19, MODELS(0x50, 0x5F), ANY_STEPPING, ANY_CORES, NO_CACHE_TEST, "##25U|##25C", "Zen 3", "Barcelo"},
    {VENDOR_AMD, 0x19, MODELS(0x50, 0x5F), ANY_STEPPING, ANY_CORES, NO_CACHE_TEST, "", "Zen 3", "Cezanne"},
    {VENDOR_AMD, 0x19, MODELS(0x60, 0x6F), ANY_STEPPING, ANY_CORES, NO_CACHE_TEST, "", "Zen 4", "Raphael"},
    {VENDOR_AMD, 0x19, MODEL(0x75), ANY_STEPPING, ANY_CORES, NO_CACHE_TEST, "", "Zen 4", "Hawk Point"},
    {VENDOR_AMD, 0x19, MODEL(0x78), ANY_STEPPING, ANY_CORES, NO_CACHE_TEST, "", "Zen 4", "Phoenix 2"},
    {VENDOR_AMD, 0x19, MODELS(0x70, 0x7F), ANY_STEPPING, ANY_CORES, NO_CACHE_TEST, "", "Zen 4", "Phoenix"},
    {VENDOR_AMD, 0x19, MODELS(0xA0, 0xAF), ANY_STEPPING, ANY_CORES, NO_CACHE_TEST, "", "Zen 4", "Bergamo"},
    {VENDOR_AMD, 0x19, MODELS(0x00, 0xFF), ANY_STEPPING, ANY_CORES, NO_CACHE_TEST, "", "Zen 3", ""},

    // AMD family 1Ah: Zen 5.
    {VENDOR_AMD, 0x1A, MODELS(0x00, 0x1F), ANY_STEPPING, ANY_CORES, NO_CACHE_TEST, "", "Zen 5", "Turin"},
    {VENDOR_AMD, 0x1A, MODELS(0x20, 0x2F), ANY_STEPPING, ANY_CORES, NO_CACHE_TEST, "", "Zen 5", "Strix Point"},
    {VENDOR_AMD, 0x1A, MODELS(0x40, 0x4F), ANY_STEPPING, ANY_CORES, NO_CACHE_TEST, "", "Zen 5", "Granite Ridge"},
    {VENDOR_AMD, 0x1A, MODELS(0x60, 0x6F), ANY_STEPPING, ANY_CORES, NO_CACHE_TEST, "", "Zen 5", "Krackan Point"},
    {VENDOR_AMD, 0x1A, MODELS(0x70, 0x7F), ANY_STEPPING, ANY_CORES, NO_CACHE_TEST, "", "Zen 5", "Strix Halo"},
    {VENDOR_AMD, 0x1A, MODELS(0x00, 0xFF), ANY_STEPPING, ANY_CORES, NO_CACHE_TEST, "", "Zen 5", ""},

    // Hygon family 18h: Zen licensed as Dhyana.
    {VENDOR_HYGON, 0x18, MODELS(0x00, 0xFF), ANY_STEPPING, ANY_CORES, NO_CACHE_TEST, "", "Dhyana", ""},

    // Centaur: IDT WinChip, VIA C3/C7/Nano, Zhaoxin.
    {VENDOR_CENTAUR, 5, MODEL(0x4), ANY_STEPPING, ANY_CORES, NO_CACHE_TEST, "", "WinChip", "C6"},
    {VENDOR_CENTAUR, 5, MODEL(0x8), ANY_STEPPING, ANY_CORES, NO_CACHE_TEST, "", "WinChip", "WinChip 2"},
    {VENDOR_CENTAUR, 5, MODEL(0x9), ANY_STEPPING, ANY_CORES, NO_CACHE_TEST, "", "WinChip", "WinChip 3"},
    {VENDOR_CENTAUR, 6, MODEL(0x6), ANY_STEPPING, ANY_CORES, NO_CACHE_TEST, "", "Samuel", ""},
    {VENDOR_CENTAUR, 6, MODEL(0x7), STEPPINGS(0x0, 0x7), ANY_CORES, NO_CACHE_TEST, "", "Samuel 2", ""},
    {VENDOR_CENTAUR, 6, MODEL(0x7), STEPPINGS(0x8, 0xF), ANY_CORES, NO_CACHE_TEST, "", "Ezra", ""},
    {VENDOR_CENTAUR, 6, MODEL(0x8), ANY_STEPPING, ANY_CORES, NO_CACHE_TEST, "", "Ezra", "Ezra-T"},
    {VENDOR_CENTAUR, 6, MODEL(0x9), STEPPINGS(0x0, 0x7), ANY_CORES, NO_CACHE_TEST, "", "Nehemiah", ""},
    {VENDOR_CENTAUR, 6, MODEL(0x9), STEPPINGS(0x8, 0xF), ANY_CORES, NO_CACHE_TEST, "", "Nehemiah", "Nehemiah-P"},
    {VENDOR_CENTAUR, 6, MODELS(0xA, 0xD), ANY_STEPPING, ANY_CORES, NO_CACHE_TEST, "", "Esther", ""},
    {VENDOR_CENTAUR, 6, MODEL(0xF), ANY_STEPPING, ANY_CORES, NO_CACHE_TEST, "ZHAOXIN", "ZhangJiang", ""},
    {VENDOR_CENTAUR, 6, MODEL(0xF), ANY_STEPPING, ANY_CORES, NO_CACHE_TEST, "", "Isaiah", ""},
    {VENDOR_CENTAUR, 6, MODEL(0x19), ANY_STEPPING, ANY_CORES, NO_CACHE_TEST, "", "ZhangJiang", ""},
    {VENDOR_CENTAUR, 7, MODELS(0x0B, 0x1F), ANY_STEPPING, ANY_CORES, NO_CACHE_TEST, "", "WuDaoKou", ""},
    {VENDOR_CENTAUR, 7, MODELS(0x3B, 0x3F), ANY_STEPPING, ANY_CORES, NO_CACHE_TEST, "", "Lujiazui", ""},
    {VENDOR_CENTAUR, 7, MODELS(0x5B, 0x5F), ANY_STEPPING, ANY_CORES, NO_CACHE_TEST, "", "Yongfeng", ""},

    // Cyrix, National Semiconductor and the other x86 makers.
    {VENDOR_CYRIX, 4, MODEL(0x4), ANY_STEPPING, ANY_CORES, NO_CACHE_TEST, "", "MediaGX", ""},
    {VENDOR_CYRIX, 4, MODEL(0x9), ANY_STEPPING, ANY_CORES, NO_CACHE_TEST, "", "5x86", ""},
    {VENDOR_CYRIX, 5, MODEL(0x2), ANY_STEPPING, ANY_CORES, NO_CACHE_TEST, "", "6x86", "M1"},
    {VENDOR_CYRIX, 5, MODEL(0x4), ANY_STEPPING, ANY_CORES, NO_CACHE_TEST, "", "MediaGX", "GXm"},
    {VENDOR_CYRIX, 6, MODEL(0x0), ANY_STEPPING, ANY_CORES, NO_CACHE_TEST, "", "6x86MX", "M2"},
    {VENDOR_CYRIX, 6, MODEL(0x5), ANY_STEPPING, ANY_CORES, NO_CACHE_TEST, "", "Joshua", ""},
    {VENDOR_NSC, 5, MODEL(0x4), ANY_STEPPING, ANY_CORES, NO_CACHE_TEST, "", "Geode", "Geode GX1"},
    {VENDOR_NSC, 5, MODEL(0x5), ANY_STEPPING, ANY_CORES, NO_CACHE_TEST, "", "Geode", "Geode GX2"},
    {VENDOR_TRANSMETA, 5, MODELS(0x00, 0xFF), ANY_STEPPING, ANY_CORES, NO_CACHE_TEST, "", "Crusoe", ""},
    {VENDOR_TRANSMETA, 0xF, MODELS(0x00, 0xFF), ANY_STEPPING, ANY_CORES, NO_CACHE_TEST, "", "Efficeon", ""},
    {VENDOR_RISE, 5, MODELS(0x00, 0xFF), ANY_STEPPING, ANY_CORES, NO_CACHE_TEST, "", "mP6", ""},
    {VENDOR_SIS, 5, MODELS(0x00, 0xFF), ANY_STEPPING, ANY_CORES, NO_CACHE_TEST, "", "SiS55x", ""},
    {VENDOR_UMC, 4, MODELS(0x00, 0xFF), ANY_STEPPING, ANY_CORES, NO_CACHE_TEST, "", "U5", ""},
    {VENDOR_NEXGEN, 5, MODELS(0x00, 0xFF), ANY_STEPPING, ANY_CORES, NO_CACHE_TEST, "", "Nx586", ""},
    {VENDOR_VORTEX, 5, MODELS(0x00, 0xFF), ANY_STEPPING, ANY_CORES, NO_CACHE_TEST, "", "Vortex86", ""},
    {VENDOR_VORTEX, 6, MODELS(0x00, 0xFF), ANY_STEPPING, ANY_CORES, NO_CACHE_TEST, "", "Vortex86", ""},
};

static char fold_case(char c)
{
    return (c >= 'A' && c <= 'Z') ? (char)(c - 'A' + 'a') : c;
}

// One alternative of a pattern, length characters long, at text.
static bool matches_here(const char *text, const char *pattern, size_t length)
{
    for (size_t i = 0; i < length; i++) {
        char t = text[i];
        if (t == '\0')
            return false;
        if (pattern[i] == '#') {
            if (t < '0' || t > '9')
                return false;
        } else if (fold_case(t) != fold_case(pattern[i])) {
            return false;
        }
    }
    return true;
}

bool brand_matches(const char *brand, const char *pattern)
{
    if (*pattern == '\0')
        return true;
    for (const char *alt = pattern;;) {
        const char *end = strchr(alt, '|');
        size_t length = end ? (size_t)(end - alt) : strlen(alt);
        for (const char *at = brand; *at; at++) {
            if (matches_here(at, alt, length))
                return true;
        }
        if (!end)
            return false;
        alt = end + 1;
    }
}

static bool cache_test_passes(const uarch_row &row, const processor_facts *cpu)
{
    switch (row.test) {
    case ANY_CACHE:
        return true;
    case L2_UP_TO:
        return cpu->l2_kb <= row.test_kb;
    case L2_AT_LEAST:
        return cpu->l2_kb >= row.test_kb;
    case WITH_L3:
        return cpu->l3_kb > 0;
    }
    return false;
}

bool find_uarch(const processor_facts *cpu, uarch_match *out)
{
    for (size_t i = 0; i < sizeof uarch_rows / sizeof uarch_rows[0]; i++) {
        const uarch_row &row = uarch_rows[i];
        if (row.vendor != cpu->vendor || row.family != cpu->family || cpu->model < row.model_first ||
            cpu->model > row.model_last || cpu->stepping < row.stepping_first || cpu->stepping > row.stepping_last)
            continue;
        if (row.cores != 0 && row.cores != cpu->cores)
            continue;
        if (!cache_test_passes(row, cpu) || !brand_matches(cpu->brand, row.brand))
            continue;
        out->uarch = row.uarch;
        out->codename = row.codename;
        return true;
    }
    return false;
}
