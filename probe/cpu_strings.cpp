#include "cpu_strings.h"

#include <string.h>

#include "cpu_x86.h"

static void store_le(char *out, uint32_t value)
{
    out[0] = (char)(value & 0xFF);
    out[1] = (char)((value >> 8) & 0xFF);
    out[2] = (char)((value >> 16) & 0xFF);
    out[3] = (char)((value >> 24) & 0xFF);
}

void read_vendor_string(char *out)
{
    memcpy(out, "   unknown  ", 13);
    uint32_t eax, ebx, ecx, edx;
    if (!cpuid_query(0, &eax, &ebx, &ecx, &edx))
        return;
    store_le(out + 0, ebx);
    store_le(out + 4, edx);
    store_le(out + 8, ecx);
}

void copy_brand_text(const unsigned char raw[48], char *out)
{
    size_t written = 0;
    bool started = false;
    for (size_t i = 0; i < 48; i++) {
        unsigned char c = raw[i];
        if (c == '\0')
            break;
        if (!started && c == ' ')
            continue;
        started = true;
        out[written++] = (char)c;
    }
    out[written] = '\0';
}

void read_brand_string(char *out)
{
    // Without CPUID the highest extended leaf counts as 0.
    uint32_t highest = 0, ebx, ecx, edx;
    cpuid_query(0x80000000u, &highest, &ebx, &ecx, &edx);
    if (highest < 0x80000004u) {
        memcpy(out, "Not Supported", 14);
        return;
    }
    unsigned char raw[48];
    for (uint32_t i = 0; i < 3; i++) {
        uint32_t regs[4] = {0, 0, 0, 0};
        cpuid_query(0x80000002u + i, &regs[0], &regs[1], &regs[2], &regs[3]);
        for (int r = 0; r < 4; r++)
            store_le((char *)raw + i * 16 + r * 4, regs[r]);
    }
    copy_brand_text(raw, out);
}
