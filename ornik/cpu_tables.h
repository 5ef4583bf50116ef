// What the vendors document about their processors, as tables: the vendor
// IDs, Intel's leaf-2 cache descriptors, known faults of the cache leaves,
// and the microarchitecture and codename of each family/model range.
#pragma once

#include <stdint.h>

enum cpu_vendor : uint8_t {
    VENDOR_UNKNOWN,
    VENDOR_INTEL,
    VENDOR_AMD,
    VENDOR_HYGON,
    VENDOR_CENTAUR, // VIA/Centaur and Zhaoxin, which share the family numbers
    VENDOR_CYRIX,
    VENDOR_NSC,
    VENDOR_TRANSMETA,
    VENDOR_RISE,
    VENDOR_SIS,
    VENDOR_UMC,
    VENDOR_NEXGEN,
    VENDOR_VORTEX,
    VENDOR_RDC,
};

// Where a vendor's processors describe their caches, tried in this order.
enum cache_source {
    CACHES_LEAF4 = 1,      // deterministic cache parameters, leaf 4
    CACHES_LEAF2 = 2,      // Intel's descriptor bytes, leaf 2
    CACHES_TOPOLOGY = 4,   // AMD's cache topology, leaf 0x8000001D
    CACHES_EXTENDED = 8,   // L1 in leaf 0x80000005, L2 and L3 in 0x80000006
};

struct vendor_row {
    const char *id; // the 12 characters of leaf 0
    cpu_vendor vendor;
    const char *name;
    unsigned cache_sources;
};

// The row of a vendor ID; an unknown ID gets a row with a null name.
const vendor_row *find_vendor(const char *id);

enum cache_slot {
    SLOT_L1I,
    SLOT_L1D,
    SLOT_L2,
    SLOT_L3,
    SLOT_TRACE,       // NetBurst's trace cache, in K-µops
    SLOT_L3_IF_F06H,  // descriptor 49h: L3 on family 0Fh model 06h, else L2
    SLOT_COUNT = SLOT_L3_IF_F06H
};

struct cache_descriptor {
    uint8_t code;
    uint8_t slot;  // cache_slot
    uint16_t size; // KB; K-µops for the trace cache
};

// The cache a leaf-2 descriptor byte stands for; null for TLBs, prefetch
// hints, "no L2/L3" (40h), "see leaf 4" (FFh) and unknown bytes.
const cache_descriptor *find_cache_descriptor(uint8_t code);

// Faults in the extended cache leaves of some processors.
enum cache_fault {
    L2_SIZE_IN_HIGH_BYTE, // L2 size in ECX bits 31..24 of 0x80000006
    L2_IS_64K,            // 0x80000006 says 1 KB for a 64 KB L2
};

// What identifies a processor in the tables.
struct processor_facts {
    cpu_vendor vendor;
    unsigned family;   // display family: base + extended
    unsigned model;    // display model: extended model joined on
    unsigned stepping;
    unsigned cores;    // cores per package (or node), 1 when not stated
    int32_t l2_kb;     // one instance, 0 for none
    int32_t l3_kb;
    const char *brand; // brand text, "" without one
};

// The fault of the extended cache leaves that the processor has, if any:
// false when it has none.
bool find_cache_fault(const processor_facts *cpu, cache_fault *fault);

struct uarch_match {
    const char *uarch;
    const char *codename; // "" when the table names no die or platform
};

// The microarchitecture and codename of the processor: false when the tables
// don't know it.
bool find_uarch(const processor_facts *cpu, uarch_match *out);

// Brand patterns of the tables: alternatives separated by "|", each found
// anywhere in the brand, letters in any case, "#" for any digit.
bool brand_matches(const char *brand, const char *pattern);
