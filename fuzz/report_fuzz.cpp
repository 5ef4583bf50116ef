// The report over arbitrary records written by a fake companion library,
// arbitrary CPUID answers, clock readings and service-pack text.
#include <stdint.h>
#include <stdlib.h>
#include <string.h>

#include "info/report.h"
#include "os/os_seam.h"
#include "probe/leaf_table_cpu.h"

namespace {

// Reads the fuzzer's input front to back; past its end, zeros.
struct input_reader {
    const uint8_t *data;
    size_t size;
    void take(void *out, size_t n)
    {
        size_t k = n < size ? n : size;
        memcpy(out, data, k);
        memset((uint8_t *)out + k, 0, n - k);
        data += k;
        size -= k;
    }
    uint8_t byte()
    {
        uint8_t b;
        take(&b, 1);
        return b;
    }
};

ident_info written_record;
bool library_loads, library_exports;
int64_t counter_frequency, counter_now, counter_step;
uint64_t ticks[2];
int tick_reads;
char service_pack[128];

int ORNIK_CDECL fake_entry(ident_info *info)
{
    memcpy(info, &written_record, sizeof *info);
    return 1;
}

int library_handle;
void *fake_load(const char *) { return library_loads ? &library_handle : nullptr; }
os_proc fake_lookup(void *, const char *name)
{
    if (!library_exports || strcmp(name, "ornik") != 0)
        return nullptr;
    return (os_proc)fake_entry;
}
int fake_free(void *) { return 1; }
int fake_frequency(int64_t *f)
{
    *f = counter_frequency;
    return 1;
}
int fake_counter(int64_t *c)
{
    *c = counter_now;
    counter_now += counter_step;
    return 1;
}
void fake_sleep(uint32_t) {}
int fake_version(os_version_info *info)
{
    memcpy(info->szCSDVersion, service_pack, sizeof service_pack);
    return 1;
}
uint64_t fake_tsc() { return ticks[tick_reads++ & 1]; }

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    input_reader in = {data, size};
    uint8_t mode = in.byte();
    library_loads = (mode & 3) != 0;
    library_exports = (mode & 3) != 1;
    in.take(&written_record, sizeof written_record);

    // Leaves 0 and 1 and the five extended leaves the report reads.
    static const uint32_t leaf_numbers[] = {0, 1, 0x80000000u, 0x80000002u, 0x80000003u, 0x80000004u};
    cpuid_leaf rows[6];
    for (size_t i = 0; i < 6; i++) {
        rows[i].leaf = leaf_numbers[i];
        rows[i].subleaf = 0;
        in.take(&rows[i].regs, sizeof rows[i].regs);
    }
    leaf_table table = {rows, 6, (mode & 4) != 0, fake_tsc};

    // Any positive counter; each read moves it on by 1/1 to 1/256 of a second,
    // so the half-second loop ends.
    uint32_t frequency;
    in.take(&frequency, sizeof frequency);
    counter_frequency = (mode & 8) ? 0 : (int64_t)frequency + 1;
    counter_step = counter_frequency / (in.byte() + 1) + 1;
    in.take(&counter_now, sizeof counter_now);
    counter_now &= 0x0000FFFFFFFFFFFFll;
    in.take(ticks, sizeof ticks);
    tick_reads = 0;
    in.take(service_pack, sizeof service_pack);

    os_seam fake = os_seam_system;
    fake.LoadLibraryA = fake_load;
    fake.GetProcAddress = fake_lookup;
    fake.FreeLibrary = fake_free;
    fake.QueryPerformanceFrequency = fake_frequency;
    fake.QueryPerformanceCounter = fake_counter;
    fake.Sleep = fake_sleep;
    fake.GetVersionExA = fake_version;
    const os_seam *previous_os = os_select(&fake);
    const cpu_seam *previous_cpu = cpu_select(leaf_table_cpu(&table));

    build_report(report_text);

    cpu_select(previous_cpu);
    os_select(previous_os);

    size_t length = strnlen(report_text, sizeof report_text);
    if (length >= sizeof report_text)
        abort();
    int32_t version = library_loads && library_exports ? written_record.version : ORNIK_VERSION;
    bool accepted = library_loads && library_exports && (version >> 8) == 1;
    static const char tail[] = "========================================================\r\n";
    if (accepted && (length < sizeof tail || strcmp(report_text + length - (sizeof tail - 1), tail) != 0))
        abort();
    return 0;
}
