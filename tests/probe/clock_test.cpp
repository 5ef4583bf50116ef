// The clock measurement on a scripted performance counter and time-stamp
// counter.
#include <gtest/gtest.h>

#include <vector>

#include "probe/cpu_x86.h"
#include "support/seams.h"

namespace {

// The script: the counter's frequency, the performance-counter values in the
// order they are read (the last one repeats), the two time-stamp readings.
struct clock_script {
    int64_t frequency;
    std::vector<int64_t> counts;
    uint64_t start_ticks, end_ticks;
};

const clock_script *script;
size_t count_reads, tick_reads, sleeps;
uint32_t slept_ms;

int scripted_frequency(int64_t *frequency)
{
    *frequency = script->frequency;
    return 1;
}

int scripted_counter(int64_t *count)
{
    size_t i = count_reads < script->counts.size() ? count_reads : script->counts.size() - 1;
    *count = script->counts[i];
    count_reads++;
    return 1;
}

void scripted_sleep(uint32_t ms)
{
    sleeps++;
    slept_ms = ms;
}

uint64_t scripted_ticks()
{
    tick_reads++;
    return tick_reads == 1 ? script->start_ticks : script->end_ticks;
}

const cpuid_leaf WITH_TSC[] = {{1, 0, {0x906EA, 0, 0, 0xBFEBFBFF}}};
const cpuid_leaf WITHOUT_TSC[] = {{1, 0, {0x435, 0, 0, 0x00000001}}};

struct clock_case {
    const char *name;
    clock_script script;
    bool ok;
    uint64_t hz;
    size_t count_reads; // start, then the polls
};

class Clock : public ::testing::Test {
protected:
    bool measure(const clock_script &s, const cpuid_leaf *leaves, uint64_t *hz)
    {
        script = &s;
        count_reads = tick_reads = sleeps = 0;
        slept_ms = 0;
        os_seam fake = os_seam_system;
        fake.QueryPerformanceFrequency = scripted_frequency;
        fake.QueryPerformanceCounter = scripted_counter;
        fake.Sleep = scripted_sleep;
        leaf_table table = {leaves, 1, false, scripted_ticks};
        scoped_os os(&fake);
        scoped_cpu cpu(&table);
        return measure_clock_hz(hz);
    }
};

const int64_t QPC = 10000000; // 10 MHz, as Windows and Wine commonly report

TEST_F(Clock, MeasuresTicksOverAtLeastHalfASecond)
{
    const clock_case cases[] = {
        {"exactly half a second ends the loop", {QPC, {0, QPC / 2}, 1000, 1000 + 1500000000ull}, true, 3000000000ull, 2},
        {"busy poll until half a second",
         {QPC, {0, QPC * 4 / 10, QPC * 45 / 100, QPC / 2 - 1, QPC / 2 + 100}, 0, 1500030000ull},
         true,
         3000000000ull,
         5},
        {"late wake-up uses the whole interval", {QPC, {0, 2 * QPC}, 0, 6000000000ull}, true, 3000000000ull, 2},
        {"low 32 bits wrap during the interval",
         {QPC, {0, QPC / 2}, 0x00000007FFFFFF00ull, 0x00000007FFFFFF00ull + 1400000000ull},
         true,
         2800000000ull,
         2},
        {"64-bit counter wraps", {QPC, {0, QPC / 2}, 0xFFFFFFFFFFFFFF00ull, 1400000000ull - 0x100}, true, 2800000000ull, 2},
        {"4.5 GHz needs more than 32 bits", {QPC, {0, QPC / 2}, 0, 2250000000ull}, true, 4500000000ull, 2},
        {"2^32 ticks or more in the interval", {QPC, {0, 2 * QPC}, 5, 5 + 10400000000ull}, true, 5200000000ull, 2},
        {"rate is truncated, not rounded", {1, {0, 10}, 0, 14998765439ull}, true, 1499876543ull, 2},
        {"counter that doesn't start at zero", {3579545, {-3579545, 0}, 100, 100 + 3000000000ull}, true, 3000000000ull, 2},
    };
    for (const clock_case &c : cases) {
        SCOPED_TRACE(c.name);
        uint64_t hz = 0;
        ASSERT_EQ(measure(c.script, WITH_TSC, &hz), c.ok);
        EXPECT_EQ(hz, c.hz);
        EXPECT_EQ(count_reads, c.count_reads);
        EXPECT_EQ(tick_reads, 2u);
        EXPECT_EQ(sleeps, 1u);
        EXPECT_EQ(slept_ms, 400u);
    }
}

TEST_F(Clock, FailsWithoutTouchingTheResult)
{
    const clock_script no_counter = {0, {0, QPC}, 0, 3000000000ull};
    const clock_script normal = {QPC, {0, QPC / 2}, 0, 1500000000ull};
    struct failure_case {
        const char *name;
        const clock_script *script;
        const cpuid_leaf *leaves;
    } cases[] = {
        {"performance-counter frequency 0", &no_counter, WITH_TSC},
        {"no time-stamp counter", &normal, WITHOUT_TSC},
    };
    for (const failure_case &c : cases) {
        SCOPED_TRACE(c.name);
        uint64_t hz = 77;
        EXPECT_FALSE(measure(*c.script, c.leaves, &hz));
        EXPECT_EQ(hz, 77u);
        EXPECT_EQ(sleeps, 0u);
        EXPECT_EQ(tick_reads, 0u);
    }
}

TEST_F(Clock, CounterRunningBackwardsStaysDefined)
{
    const clock_script backwards = {QPC, {0, QPC / 2}, 5000000000ull, 1000};
    uint64_t hz = 0;
    EXPECT_TRUE(measure(backwards, WITH_TSC, &hz));
    EXPECT_EQ(hz, UINT64_MAX);
}

} // namespace
