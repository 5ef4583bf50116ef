// The identification core: reads what the processor says about itself and
// looks it up in the vendors' tables (cpu_tables.h).
#include "identify.h"

#include <stdio.h>
#include <string.h>

#include "cpu_tables.h"
#include "probe/cpu_strings.h"
#include "probe/cpu_x86.h"

// Sizes found so far, one per cache slot; the first source that names a
// cache wins.
struct cache_set {
    int32_t kb[SLOT_COUNT];
    bool found[SLOT_COUNT];
};

static void put_cache(cache_set *set, int slot, int32_t kb)
{
    if (!set->found[slot]) {
        set->found[slot] = true;
        set->kb[slot] = kb;
    }
}

struct cpuid_result {
    uint32_t eax, ebx, ecx, edx;
};

// A leaf the processor doesn't have (or no CPUID at all) reads as zeros.
static cpuid_result query(uint32_t leaf, uint32_t subleaf = 0)
{
    cpuid_result r = {0, 0, 0, 0};
    cpuid_query_sub(leaf, subleaf, &r.eax, &r.ebx, &r.ecx, &r.edx);
    return r;
}

struct leaf_limits {
    uint32_t basic;    // highest standard leaf
    uint32_t extended; // highest extended leaf, 0 without extended leaves
};

static const uint32_t CPUID_MAX_CACHE_SUBLEAVES = 32;

// Leaf 4 (Intel, Centaur, Zhaoxin) and leaf 0x8000001D (AMD, Hygon) share
// one layout: a sub-leaf per cache until type 0. Size = ways x partitions x
// line size x sets.
static void read_deterministic_caches(uint32_t leaf, cache_set *set)
{
    for (uint32_t subleaf = 0; subleaf < CPUID_MAX_CACHE_SUBLEAVES; subleaf++) {
        cpuid_result r = query(leaf, subleaf);
        unsigned type = r.eax & 0x1F; // 1 data, 2 instruction, 3 unified
        if (type == 0)
            return;
        unsigned level = (r.eax >> 5) & 0x7;
        uint64_t per_set = (uint64_t)((r.ebx >> 22) + 1) * (((r.ebx >> 12) & 0x3FF) + 1) * ((r.ebx & 0xFFF) + 1);
        uint64_t sets = (uint64_t)r.ecx + 1;
        // Each factor is at most 2^32: a product past 2^64 saturates.
        uint64_t kb = per_set > UINT64_MAX / sets ? UINT64_MAX : per_set * sets / 1024;
        int32_t size = kb > 0x7FFFFFFF ? 0x7FFFFFFF : (int32_t)kb;
        if (level == 1)
            put_cache(set, type == 2 ? SLOT_L1I : SLOT_L1D, size);
        else if (level == 2 && type != 2)
            put_cache(set, SLOT_L2, size);
        else if (level == 3 && type != 2)
            put_cache(set, SLOT_L3, size);
    }
}

static bool has_deterministic_caches(uint32_t leaf)
{
    return (query(leaf, 0).eax & 0x1F) != 0;
}

// Intel's leaf 2: up to 15 descriptor bytes per round (the low byte of EAX
// is the number of rounds); a register with bit 31 set holds none.
static void read_descriptor_caches(const processor_facts *cpu, cache_set *set)
{
    unsigned rounds = 1;
    for (unsigned round = 0; round < rounds && round < 16; round++) {
        cpuid_result r = query(2);
        if (round == 0 && (r.eax & 0xFF) > 1)
            rounds = r.eax & 0xFF;
        const uint32_t regs[4] = {r.eax, r.ebx, r.ecx, r.edx};
        for (int i = 0; i < 4; i++) {
            if (regs[i] & 0x80000000)
                continue;
            for (int byte = i == 0 ? 1 : 0; byte < 4; byte++) {
                const cache_descriptor *d = find_cache_descriptor((uint8_t)(regs[i] >> (8 * byte)));
                if (!d)
                    continue;
                int slot = d->slot;
                if (slot == SLOT_L3_IF_F06H)
                    slot = (cpu->family == 0xF && cpu->model == 0x6) ? SLOT_L3 : SLOT_L2;
                put_cache(set, slot, d->size);
            }
        }
    }
}

// L1 in 0x80000005 (ECX data, EDX instruction, size in KB in bits 31..24),
// L2 in 0x80000006 ECX bits 31..16 (KB), L3 in EDX bits 31..18 (512 KB
// units). Zero fields name no cache.
static void read_extended_caches(const processor_facts *cpu, const leaf_limits *limits, cache_set *set)
{
    if (limits->extended >= 0x80000005) {
        cpuid_result r = query(0x80000005);
        if (r.ecx >> 24)
            put_cache(set, SLOT_L1D, (int32_t)(r.ecx >> 24));
        if (r.edx >> 24)
            put_cache(set, SLOT_L1I, (int32_t)(r.edx >> 24));
    }
    if (limits->extended >= 0x80000006) {
        cpuid_result r = query(0x80000006);
        int32_t l2 = (int32_t)(r.ecx >> 16);
        cache_fault fault;
        if (find_cache_fault(cpu, &fault))
            l2 = fault == L2_SIZE_IN_HIGH_BYTE ? (int32_t)(r.ecx >> 24) : 64;
        if (l2)
            put_cache(set, SLOT_L2, l2);
        if (r.edx >> 18)
            put_cache(set, SLOT_L3, (int32_t)(r.edx >> 18) * 512);
    }
}

static void read_caches(const vendor_row *vendor, const processor_facts *cpu, const leaf_limits *limits,
                        cache_set *set)
{
    memset(set, 0, sizeof *set);
    unsigned sources = vendor->cache_sources;
    if ((sources & CACHES_LEAF4) && limits->basic >= 4)
        read_deterministic_caches(4, set);
    if ((sources & CACHES_LEAF2) && limits->basic >= 2)
        read_descriptor_caches(cpu, set);
    // Leaf 0x8000001D exists when 0x80000001 ECX bit 22 (topology
    // extensions) says so.
    if ((sources & CACHES_TOPOLOGY) && limits->extended >= 0x8000001D && (query(0x80000001).ecx & (1u << 22)))
        read_deterministic_caches(0x8000001D, set);
    if (sources & CACHES_EXTENDED)
        read_extended_caches(cpu, limits, set);
}

// Cores per package as leaf 4 (EAX bits 31..26) or, on AMD, 0x80000008 (ECX
// bits 7..0) count them; 1 where neither says.
static unsigned read_core_count(const vendor_row *vendor, const leaf_limits *limits)
{
    if ((vendor->vendor == VENDOR_AMD || vendor->vendor == VENDOR_HYGON) && limits->extended >= 0x80000008)
        return (query(0x80000008).ecx & 0xFF) + 1;
    if ((vendor->cache_sources & CACHES_LEAF4) && limits->basic >= 4 && has_deterministic_caches(4))
        return ((query(4, 0).eax >> 26) & 0x3F) + 1;
    return 1;
}

// "uarch (codename)", or the uarch alone where the table names no separate
// die or platform.
static void compose_name(cpu_description *out)
{
    if (out->codename[0] && strcmp(out->codename, out->uarch) != 0)
        snprintf(out->name, sizeof out->name, "%s (%s)", out->uarch, out->codename);
    else
        snprintf(out->name, sizeof out->name, "%s", out->uarch);
}

// The vendor ID as printable text without its padding blanks, for a vendor
// the tables don't know.
static void printable_vendor(const char *id, char *out, size_t size)
{
    size_t n = 0;
    for (size_t i = 0; i < 12 && id[i] && n + 1 < size; i++) {
        char c = id[i];
        if (c < 0x20 || c > 0x7E)
            c = '?';
        if (c != ' ' || (n > 0 && out[n - 1] != ' '))
            out[n++] = c;
    }
    while (n > 0 && out[n - 1] == ' ')
        n--;
    out[n] = '\0';
}

void identify_processor(cpu_description *out)
{
    memset(out, 0, sizeof *out);
    if (!cpuid_available()) {
        snprintf(out->uarch, sizeof out->uarch, "x86 without CPUID");
        compose_name(out);
        return;
    }

    leaf_limits limits;
    cpuid_result leaf0 = query(0);
    limits.basic = leaf0.eax;
    uint32_t extended = query(0x80000000).eax;
    limits.extended = (extended & 0xFFFF0000) == 0x80000000 ? extended : 0;

    char vendor_id[16];
    read_vendor_string(vendor_id);
    const vendor_row *vendor = find_vendor(vendor_id);

    uint32_t signature = limits.basic >= 1 ? query(1).eax : 0;
    unsigned base_family = (signature >> 8) & 0xF;
    processor_facts cpu;
    cpu.vendor = vendor->vendor;
    cpu.family = base_family == 0xF ? base_family + ((signature >> 20) & 0xFF) : base_family;
    cpu.model = (signature >> 4) & 0xF;
    if (base_family == 0x6 || base_family == 0x7 || base_family == 0xF)
        cpu.model |= ((signature >> 16) & 0xF) << 4;
    cpu.stepping = signature & 0xF;
    cpu.cores = read_core_count(vendor, &limits);

    char brand[256] = "";
    if (limits.extended >= 0x80000004)
        read_brand_string(brand);
    cpu.brand = brand;

    cache_set caches;
    read_caches(vendor, &cpu, &limits, &caches);
    out->l1i_kb = caches.kb[SLOT_L1I];
    out->l1t_kuops = caches.kb[SLOT_TRACE];
    out->l1d_kb = caches.kb[SLOT_L1D];
    out->l2_kb = caches.kb[SLOT_L2];
    out->l3_kb = caches.kb[SLOT_L3];
    cpu.l2_kb = out->l2_kb;
    cpu.l3_kb = out->l3_kb;

    uarch_match match;
    if (find_uarch(&cpu, &match)) {
        snprintf(out->uarch, sizeof out->uarch, "%s", match.uarch);
        snprintf(out->codename, sizeof out->codename, "%s", match.codename);
    } else {
        char vendor_text[16];
        if (vendor->name)
            snprintf(vendor_text, sizeof vendor_text, "%s", vendor->name);
        else
            printable_vendor(vendor_id, vendor_text, sizeof vendor_text);
        snprintf(out->uarch, sizeof out->uarch, "%s family 0x%X model 0x%X", vendor_text[0] ? vendor_text : "x86",
                 cpu.family, cpu.model);
    }
    compose_name(out);
}
