// Cache knowledge that CPUID doesn't spell out by itself: Intel's leaf-2
// descriptor bytes and the known faults of the extended cache leaves.
#include "cpu_tables.h"

#include <stddef.h>

// Intel SDM vol. 2A, CPUID leaf 2, "Encoding of Cache and TLB Descriptors",
// with the cache descriptors of earlier editions (39h-3Eh, 73h) that
// processors of their time report. TLB, prefetch and the markers 40h ("no L2,
// or no L3 beside a valid L2") and FFh ("use leaf 4") describe no cache and
// have no row.
static const cache_descriptor leaf2_descriptors[] = {
    // code  cache          size
    {0x06, SLOT_L1I, 8},      // 4-way, 32-byte lines
    {0x08, SLOT_L1I, 16},     // 4-way, 32-byte lines
    {0x09, SLOT_L1I, 32},     // 4-way, 64-byte lines
    {0x0A, SLOT_L1D, 8},      // 2-way, 32-byte lines
    {0x0C, SLOT_L1D, 16},     // 4-way, 32-byte lines
    {0x0D, SLOT_L1D, 16},     // 4-way, 64-byte lines, ECC
    {0x0E, SLOT_L1D, 24},     // 6-way, 64-byte lines
    {0x1D, SLOT_L2, 128},     // 2-way, 64-byte lines
    {0x21, SLOT_L2, 256},     // 8-way, 64-byte lines
    {0x22, SLOT_L3, 512},     // 4-way, 64-byte lines, 2 lines per sector
    {0x23, SLOT_L3, 1024},    // 8-way, 64-byte lines, 2 lines per sector
    {0x24, SLOT_L2, 1024},    // 16-way, 64-byte lines
    {0x25, SLOT_L3, 2048},    // 8-way, 64-byte lines, 2 lines per sector
    {0x29, SLOT_L3, 4096},    // 8-way, 64-byte lines, 2 lines per sector
    {0x2C, SLOT_L1D, 32},     // 8-way, 64-byte lines
    {0x30, SLOT_L1I, 32},     // 8-way, 64-byte lines
    {0x39, SLOT_L2, 128},     // 4-way, 64-byte lines, sectored
    {0x3A, SLOT_L2, 192},     // 6-way, 64-byte lines, sectored
    {0x3B, SLOT_L2, 128},     // 2-way, 64-byte lines, sectored
    {0x3C, SLOT_L2, 256},     // 4-way, 64-byte lines, sectored
    {0x3D, SLOT_L2, 384},     // 6-way, 64-byte lines, sectored
    {0x3E, SLOT_L2, 512},     // 4-way, 64-byte lines, sectored
    {0x41, SLOT_L2, 128},     // 4-way, 32-byte lines
    {0x42, SLOT_L2, 256},     // 4-way, 32-byte lines
    {0x43, SLOT_L2, 512},     // 4-way, 32-byte lines
    {0x44, SLOT_L2, 1024},    // 4-way, 32-byte lines
    {0x45, SLOT_L2, 2048},    // 4-way, 32-byte lines
    {0x46, SLOT_L3, 4096},    // 4-way, 64-byte lines
    {0x47, SLOT_L3, 8192},    // 8-way, 64-byte lines
    {0x48, SLOT_L2, 3072},    // 12-way, 64-byte lines
    {0x49, SLOT_L3_IF_F06H, 4096}, // 16-way, 64-byte lines
    {0x4A, SLOT_L3, 6144},    // 12-way, 64-byte lines
    {0x4B, SLOT_L3, 8192},    // 16-way, 64-byte lines
    {0x4C, SLOT_L3, 12288},   // 12-way, 64-byte lines
    {0x4D, SLOT_L3, 16384},   // 16-way, 64-byte lines
    {0x4E, SLOT_L2, 6144},    // 24-way, 64-byte lines
    {0x60, SLOT_L1D, 16},     // 8-way, 64-byte lines
    {0x66, SLOT_L1D, 8},      // 4-way, 64-byte lines
    {0x67, SLOT_L1D, 16},     // 4-way, 64-byte lines
    {0x68, SLOT_L1D, 32},     // 4-way, 64-byte lines
    {0x70, SLOT_TRACE, 12},   // 8-way
    {0x71, SLOT_TRACE, 16},   // 8-way
    {0x72, SLOT_TRACE, 32},   // 8-way
    {0x73, SLOT_TRACE, 64},   // 8-way
    {0x78, SLOT_L2, 1024},    // 4-way, 64-byte lines
    {0x79, SLOT_L2, 128},     // 8-way, 64-byte lines, 2 lines per sector
    {0x7A, SLOT_L2, 256},     // 8-way, 64-byte lines, 2 lines per sector
    {0x7B, SLOT_L2, 512},     // 8-way, 64-byte lines, 2 lines per sector
    {0x7C, SLOT_L2, 1024},    // 8-way, 64-byte lines, 2 lines per sector
    {0x7D, SLOT_L2, 2048},    // 8-way, 64-byte lines
    {0x7F, SLOT_L2, 512},     // 2-way, 64-byte lines
    {0x80, SLOT_L2, 512},     // 8-way, 64-byte lines
    {0x82, SLOT_L2, 256},     // 8-way, 32-byte lines
    {0x83, SLOT_L2, 512},     // 8-way, 32-byte lines
    {0x84, SLOT_L2, 1024},    // 8-way, 32-byte lines
    {0x85, SLOT_L2, 2048},    // 8-way, 32-byte lines
    {0x86, SLOT_L2, 512},     // 4-way, 64-byte lines
    {0x87, SLOT_L2, 1024},    // 8-way, 64-byte lines
    {0xD0, SLOT_L3, 512},     // 4-way, 64-byte lines
    {0xD1, SLOT_L3, 1024},    // 4-way, 64-byte lines
    {0xD2, SLOT_L3, 2048},    // 4-way, 64-byte lines
    {0xD6, SLOT_L3, 1024},    // 8-way, 64-byte lines
    {0xD7, SLOT_L3, 2048},    // 8-way, 64-byte lines
    {0xD8, SLOT_L3, 4096},    // 8-way, 64-byte lines
    {0xDC, SLOT_L3, 1536},    // 12-way, 64-byte lines
    {0xDD, SLOT_L3, 3072},    // 12-way, 64-byte lines
    {0xDE, SLOT_L3, 6144},    // 12-way, 64-byte lines
    {0xE2, SLOT_L3, 2048},    // 16-way, 64-byte lines
    {0xE3, SLOT_L3, 4096},    // 16-way, 64-byte lines
    {0xE4, SLOT_L3, 8192},    // 16-way, 64-byte lines
    {0xEA, SLOT_L3, 12288},   // 24-way, 64-byte lines
    {0xEB, SLOT_L3, 18432},   // 24-way, 64-byte lines
    {0xEC, SLOT_L3, 24576},   // 24-way, 64-byte lines
};

const cache_descriptor *find_cache_descriptor(uint8_t code)
{
    for (size_t i = 0; i < sizeof leaf2_descriptors / sizeof leaf2_descriptors[0]; i++) {
        if (leaf2_descriptors[i].code == code)
            return &leaf2_descriptors[i];
    }
    return NULL;
}

struct cache_fault_row {
    cpu_vendor vendor;
    uint8_t family;
    uint8_t model_first, model_last;
    uint8_t stepping_first, stepping_last;
    cache_fault fault;
};

static const cache_fault_row cache_faults[] = {
    // VIA C3 Samuel 2 and Ezra (family 6, models 7 and 8) put the L2 size in
    // KB into the top byte of 0x80000006 ECX instead of its top half.
    {VENDOR_CENTAUR, 6, 7, 8, 0x0, 0xF, L2_SIZE_IN_HIGH_BYTE},
    // AMD Duron (Spitfire) stepping A0: 0x80000006 reports a 1 KB L2 for
    // its 64 KB.
    {VENDOR_AMD, 6, 3, 3, 0x0, 0x0, L2_IS_64K},
};

bool find_cache_fault(const processor_facts *cpu, cache_fault *fault)
{
    for (size_t i = 0; i < sizeof cache_faults / sizeof cache_faults[0]; i++) {
        const cache_fault_row &row = cache_faults[i];
        if (row.vendor == cpu->vendor && row.family == cpu->family && cpu->model >= row.model_first &&
            cpu->model <= row.model_last && cpu->stepping >= row.stepping_first &&
            cpu->stepping <= row.stepping_last) {
            *fault = row.fault;
            return true;
        }
    }
    return false;
}
