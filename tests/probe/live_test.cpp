// The probe on the processor this test runs on.
#include <gtest/gtest.h>
#include <stdio.h>
#include <string.h>

#include <string>

#include "os/os_seam.h"
#include "probe/cpu_seam.h"
#include "probe/cpu_strings.h"
#include "probe/cpu_x86.h"

namespace {

TEST(Live, ProcessorHasCpuidAndATimeStampCounter)
{
    EXPECT_TRUE(cpuid_available());
    EXPECT_TRUE(cpuid_available());
    EXPECT_TRUE(tsc_available());
}

#if defined(__linux__)
// The first value of a /proc/cpuinfo field.
std::string cpuinfo_field(const char *key)
{
    FILE *f = fopen("/proc/cpuinfo", "r");
    if (!f)
        return "";
    char line[1024];
    std::string value;
    while (fgets(line, sizeof line, f)) {
        if (strncmp(line, key, strlen(key)) != 0)
            continue;
        const char *colon = strchr(line, ':');
        if (!colon)
            continue;
        value = colon + 1;
        value.erase(0, value.find_first_not_of(" \t"));
        value.erase(value.find_last_not_of("\r\n") + 1);
        break;
    }
    fclose(f);
    return value;
}

TEST(Live, VendorAndBrandAgreeWithLinux)
{
    char vendor[16];
    read_vendor_string(vendor);
    EXPECT_EQ(std::string(vendor), cpuinfo_field("vendor_id"));

    std::string model = cpuinfo_field("model name");
    char brand[256];
    read_brand_string(brand);
    // Linux drops trailing blanks from the model name; the probe keeps them.
    std::string ours(brand);
    ours.erase(ours.find_last_not_of(' ') + 1);
    EXPECT_EQ(ours, model);
}
#endif

// The same counters over three seconds, as the reference.
double long_measurement_hz()
{
    const os_seam *os = os_current();
    int64_t frequency = 0, start = 0, end = 0;
    os->QueryPerformanceFrequency(&frequency);
    os->QueryPerformanceCounter(&start);
    uint64_t start_ticks = cpu_current()->read_tsc();
    os->Sleep(3000);
    os->QueryPerformanceCounter(&end);
    uint64_t end_ticks = cpu_current()->read_tsc();
    return (double)(end_ticks - start_ticks) / ((double)(end - start) / (double)frequency);
}

TEST(Live, ClockAgreesWithALongerMeasurement)
{
    uint64_t hz = 0;
    ASSERT_TRUE(measure_clock_hz(&hz));
    double reference = long_measurement_hz();
    EXPECT_NEAR((double)hz, reference, reference * 0.02) << "measured " << hz << " Hz";
}

} // namespace
