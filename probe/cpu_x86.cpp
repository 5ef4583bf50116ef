#include "cpu_x86.h"

#include "cpu_seam.h"
#include "os/os_seam.h"

static const uint32_t EFLAGS_ID = 0x00200000;

bool cpuid_available(void)
{
    const cpu_seam *cpu = cpu_current();
    uint32_t first = cpu->read_eflags();
    cpu->write_eflags(first ^ EFLAGS_ID);
    uint32_t second = cpu->read_eflags();
    // The flag is left as written: each test inverts whatever it finds, so a
    // repeated test gives the same answer.
    return first != second;
}

bool cpuid_query_sub(uint32_t leaf, uint32_t subleaf, uint32_t *eax, uint32_t *ebx, uint32_t *ecx, uint32_t *edx)
{
    if (!cpuid_available())
        return false;
    cpuid_regs regs;
    cpu_current()->cpuid(leaf, subleaf, &regs);
    *eax = regs.eax;
    *ebx = regs.ebx;
    *ecx = regs.ecx;
    *edx = regs.edx;
    return true;
}

bool cpuid_query(uint32_t leaf, uint32_t *eax, uint32_t *ebx, uint32_t *ecx, uint32_t *edx)
{
    return cpuid_query_sub(leaf, 0, eax, ebx, ecx, edx);
}

bool tsc_available(void)
{
    uint32_t eax, ebx, ecx, edx;
    if (!cpuid_query(1, &eax, &ebx, &ecx, &edx))
        return false;
    return (edx & 0x10) != 0;
}

static const uint32_t CLOCK_SLEEP_MS = 400;
static const double CLOCK_MIN_SECONDS = 0.5;

bool measure_clock_hz(uint64_t *out)
{
    if (!tsc_available())
        return false;
    const os_seam *os = os_current();
    const cpu_seam *cpu = cpu_current();

    int64_t frequency = 0;
    os->QueryPerformanceFrequency(&frequency);
    if (frequency == 0)
        return false;

    // Both ends read the performance counter first, then the time-stamp
    // counter, with nothing in between, so both counts cover one stretch.
    int64_t start_count = 0;
    os->QueryPerformanceCounter(&start_count);
    uint64_t start_ticks = cpu->read_tsc();

    os->Sleep(CLOCK_SLEEP_MS);

    // volatile keeps each quotient at double precision on x87 as well.
    volatile double seconds;
    for (;;) {
        int64_t now_count = 0;
        os->QueryPerformanceCounter(&now_count);
        int64_t elapsed = now_count - start_count;
        seconds = (double)elapsed / (double)frequency;
        if (seconds >= CLOCK_MIN_SECONDS)
            break;
    }
    uint64_t end_ticks = cpu->read_tsc();

    // Full 64-bit readings: the difference stays right across any wrap of the
    // low half and over intervals of 2^32 ticks or more.
    volatile double ticks = (double)(end_ticks - start_ticks);
    volatile double rate = ticks / seconds;
    // A counter that ran backwards (another core's, say) makes the difference
    // wrap to nearly 2^64; keep the conversion defined.
    *out = rate < 18446744073709551616.0 ? (uint64_t)(double)rate : UINT64_MAX;
    return true;
}
