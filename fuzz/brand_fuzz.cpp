// The brand reader over arbitrary raw brand leaves and highest extended leaf.
#include <stdint.h>
#include <stdlib.h>
#include <string.h>

#include "probe/cpu_strings.h"
#include "probe/leaf_table_cpu.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    uint8_t input[52] = {0};
    memcpy(input, data, size < sizeof input ? size : sizeof input);

    uint32_t highest;
    memcpy(&highest, input, 4);
    const uint8_t *raw = input + 4;
    cpuid_leaf rows[4] = {{0x80000000u, 0, {highest, 0, 0, 0}}};
    for (uint32_t leaf = 0; leaf < 3; leaf++) {
        rows[1 + leaf].leaf = 0x80000002u + leaf;
        memcpy(&rows[1 + leaf].regs, raw + leaf * 16, 16);
    }
    leaf_table table = {rows, 4, false, nullptr};
    const cpu_seam *previous = cpu_select(leaf_table_cpu(&table));

    // Exactly the smallest buffer the reader promises to stay within.
    char *brand = (char *)malloc(49);
    read_brand_string(brand);
    cpu_select(previous);

    size_t length = strlen(brand);
    if (highest < 0x80000004u) {
        if (strcmp(brand, "Not Supported") != 0)
            abort();
    } else {
        // The raw text up to its first NUL, leading blanks dropped.
        size_t skip = 0;
        while (skip < 48 && raw[skip] == ' ')
            skip++;
        size_t end = skip;
        while (end < 48 && raw[end] != '\0')
            end++;
        if (length != end - skip || memcmp(brand, raw + skip, length) != 0 || (length && brand[0] == ' '))
            abort();
    }
    free(brand);
    return 0;
}
