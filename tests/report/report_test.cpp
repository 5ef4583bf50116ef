// The report against real companion libraries (one per behaviour, built as
// DLLs and shared objects beside this program) on a scripted processor, clock
// and service-pack text, compared line by line with the template.
#include <gtest/gtest.h>
#include <string.h>

#include <string>
#include <vector>

#include "info/report.h"
#include "support/paths.h"
#include "support/seams.h"

namespace {

// --- the fixture processor: a 3.2 GHz counter, brand with leading blanks ---

std::vector<cpuid_leaf> fixture_leaves(const char *brand, uint32_t highest_extended)
{
    std::vector<cpuid_leaf> rows = {
        {0, 0, {0x0000000D, 0x756E6547, 0x6C65746E, 0x49656E69}}, // "GenuineIntel"
        {1, 0, {0x000906EA, 0x00100800, 0x7FFAFBBF, 0xBFEBFBFF}},
        {0x80000000, 0, {highest_extended, 0, 0, 0}},
    };
    char raw[48] = {0};
    strncpy(raw, brand, sizeof raw);
    for (uint32_t leaf = 0; leaf < 3; leaf++) {
        uint32_t r[4];
        memcpy(r, raw + leaf * 16, 16);
        rows.push_back({0x80000002 + leaf, 0, {r[0], r[1], r[2], r[3]}});
    }
    return rows;
}

uint64_t tsc_readings[2] = {1000000, 1000000 + 1600000000ull}; // 1.6e9 ticks in 0.5 s
int tsc_reads;
uint64_t fixture_tsc() { return tsc_readings[tsc_reads++ % 2]; }

// --- the fixture system: libraries from one variant folder, counted ---

std::string variant_folder;
int loads, frees, sleeps;
int64_t qpc_frequency;
int64_t qpc_now;
char csd_version[129];

void *variant_load(const char *name)
{
    std::string path = variant_folder + name;
    void *module = os_seam_system.LoadLibraryA(path.c_str());
    if (module)
        loads++;
    return module;
}

int variant_free(void *module)
{
    frees++;
    return os_seam_system.FreeLibrary(module);
}

int fixture_frequency(int64_t *f)
{
    *f = qpc_frequency;
    return 1;
}

// Each read moves the counter on by half a second.
int fixture_counter(int64_t *c)
{
    *c = qpc_now;
    qpc_now += qpc_frequency / 2;
    return 1;
}

void fixture_sleep(uint32_t) { sleeps++; }

int fixture_version(os_version_info *info)
{
    memcpy(info->szCSDVersion, csd_version, sizeof info->szCSDVersion);
    return 1;
}

std::vector<std::string> lines_of(const char *text)
{
    std::vector<std::string> lines;
    std::string all(text);
    size_t start = 0, end;
    while ((end = all.find("\r\n", start)) != std::string::npos) {
        lines.push_back(all.substr(start, end - start));
        start = end + 2;
    }
    if (start < all.size())
        lines.push_back(all.substr(start)); // text after the last CR LF
    return lines;
}

const std::string EQUALS(56, '=');
const std::string HYPHENS(56, '-');

struct expected_fields {
    std::string version = "1.00";
    std::string brand = "Fixture(R) Processor @ 3.20GHz";
    std::string cpu = "Fixture Cove (Test Lake)";
    std::string cache = "L1I:32 L1T:0 L1D:48 L2D:1280 L3D:30720";
    std::string clock = "3200";
    std::string os = "Fixture OS 1.0 Service Pack 3";
};

std::vector<std::string> expected_report(const expected_fields &f)
{
    return {
        EQUALS,
        "ORNIK ver" + f.version + " VELTRA processor identification",
        EQUALS,
        "",
        "CPUID         : [906EA 00 9]",
        "VENDER STRING : [GenuineIntel]",
        "NAME STRING   : [" + f.brand + "]",
        "FEATURE       : [BFEBFBFF]",
        "",
        HYPHENS,
        "",
        "cpu   : " + f.cpu,
        "cache : " + f.cache,
        "clock : " + f.clock + "[MHz]",
        "os    : " + f.os,
        "",
        EQUALS,
    };
}

class Report : public ::testing::Test {
protected:
    void SetUp() override
    {
        system = os_seam_system;
        system.LoadLibraryA = variant_load;
        system.FreeLibrary = variant_free;
        system.QueryPerformanceFrequency = fixture_frequency;
        system.QueryPerformanceCounter = fixture_counter;
        system.Sleep = fixture_sleep;
        system.GetVersionExA = fixture_version;
        loads = frees = sleeps = tsc_reads = 0;
        qpc_frequency = 10000000;
        qpc_now = 0;
        tsc_readings[1] = tsc_readings[0] + 1600000000ull;
        snprintf(csd_version, sizeof csd_version, "Service Pack 3");
        use_leaves("    Fixture(R) Processor @ 3.20GHz", 0x80000008);
        memset(report_text, 0x5A, sizeof report_text);
    }

    void use_leaves(const char *brand, uint32_t highest_extended)
    {
        leaves = fixture_leaves(brand, highest_extended);
        table = {leaves.data(), leaves.size(), false, fixture_tsc};
    }

    // Builds the report with the library of the named variant.
    std::vector<std::string> build_with(const char *variant)
    {
        variant_folder = executable_folder() + "variants" + PATH_SEPARATOR + variant + PATH_SEPARATOR;
        scoped_os os(&system);
        scoped_cpu cpu(&table);
        build_report(report_text);
        return lines_of(report_text);
    }

    os_seam system;
    std::vector<cpuid_leaf> leaves;
    leaf_table table;
};

TEST_F(Report, FullReportFollowsTheTemplateLineByLine)
{
    EXPECT_EQ(build_with("good"), expected_report(expected_fields()));
    // Exactly 17 CR LF-terminated lines, nothing after the last.
    std::string text(report_text);
    EXPECT_EQ(text.compare(text.size() - 2, 2, "\r\n"), 0);
    EXPECT_EQ(loads, 1);
    EXPECT_EQ(frees, 1);
    EXPECT_EQ(sleeps, 1);
    EXPECT_STREQ(ident_library.extra_name, "Fixture Cove");
}

struct version_case {
    const char *variant;
    const char *header_version; // accepted: the version on line 2
    const char *error_text;     // rejected: the whole report
};

class ReportVersion : public Report, public ::testing::WithParamInterface<version_case> {};

TEST_P(ReportVersion, MajorVersionOneIsAcceptedAnyOtherRejected)
{
    const version_case &c = GetParam();
    std::vector<std::string> lines = build_with(c.variant);
    if (c.header_version) {
        expected_fields fields;
        fields.version = c.header_version;
        EXPECT_EQ(lines, expected_report(fields));
    } else {
        EXPECT_STREQ(report_text, c.error_text);
        EXPECT_EQ(sleeps, 0) << "no clock measurement after a rejected library";
        // What the library wrote stays in the record for the title status.
        EXPECT_STREQ(ident_library.cpu_name, "Fixture Cove (Test Lake)");
    }
    EXPECT_EQ(frees, loads) << "the library is unloaded on every path";
}

INSTANTIATE_TEST_SUITE_P(
    Handshake, ReportVersion,
    ::testing::Values(version_case{"untouched", "1.00", nullptr}, version_case{"good", "1.00", nullptr},
                      version_case{"minor-ff", "1.255", nullptr},
                      version_case{"version-0000", nullptr, "ORNIK ver0.00\r\nORNIK major version is mismatch."},
                      version_case{"version-0200", nullptr, "ORNIK ver2.00\r\nORNIK major version is mismatch."},
                      version_case{"version-0205", nullptr, "ORNIK ver2.05\r\nORNIK major version is mismatch."},
                      version_case{"version-negative", nullptr,
                                   "ORNIK ver-1.255\r\nORNIK major version is mismatch."}),
    [](const ::testing::TestParamInfo<version_case> &info) {
        std::string name = info.param.variant;
        for (char &ch : name)
            if (ch == '-')
                ch = '_';
        return name;
    });

struct failure_case {
    const char *variant;
    const char *text;
    int loads;
};

TEST_F(Report, LibraryFailuresGiveTheirTextAndNothingElse)
{
    const failure_case cases[] = {
        {"missing", "Can not load \"ornik.dll\".", 0},
        {"other-export", "Can not find the function.", 1},
    };
    for (const failure_case &c : cases) {
        SCOPED_TRACE(c.variant);
        loads = frees = sleeps = 0;
        build_with(c.variant);
        EXPECT_STREQ(report_text, c.text);
        EXPECT_EQ(loads, c.loads);
        EXPECT_EQ(frees, c.loads);
        EXPECT_EQ(sleeps, 0);
        EXPECT_STREQ(ident_library.cpu_name, "unknown");
        EXPECT_STREQ(ident_library.os_name, "unknown");
        EXPECT_STREQ(ident_library.extra_name, "unknown");
        EXPECT_EQ(ident_library.version, 0x0100);
    }
}

TEST_F(Report, LibraryThatWritesNoNamesShowsUnknown)
{
    expected_fields fields;
    fields.cpu = "unknown";
    fields.os = "unknown Service Pack 3";
    EXPECT_EQ(build_with("no-names"), expected_report(fields));
}

TEST_F(Report, UnterminatedTextsAndExtremeNumbersStayInBounds)
{
    // 128 bytes of service-pack text without a terminator as well.
    memset(csd_version, 'S', 128);
    expected_fields fields;
    fields.cpu = std::string(255, 'C');
    fields.cache = "L1I:-2147483648 L1T:2147483647 L1D:-2147483648 L2D:2147483647 L3D:-1";
    fields.os = std::string(255, 'O') + " " + std::string(127, 'S');
    EXPECT_EQ(build_with("hostile"), expected_report(fields));
    // Nothing written past the terminator.
    size_t length = strlen(report_text);
    ASSERT_LT(length, sizeof report_text);
    EXPECT_EQ(report_text[length + 1], 0x5A);
}

TEST_F(Report, EdgesOfTheProcessorAndSystemFields)
{
    struct edge_case {
        const char *name;
        int64_t frequency;
        uint64_t ticks_per_half_second;
        uint32_t highest_extended;
        const char *csd;
        const char *brand;
        const char *clock;
        const char *os;
    } cases[] = {
        {"failed clock", 0, 1600000000ull, 0x80000008, "Service Pack 3", "Fixture(R) Processor @ 3.20GHz", "0",
         "Fixture OS 1.0 Service Pack 3"},
        {"no brand leaves", 10000000, 1600000000ull, 0x80000003, "Service Pack 3", "Not Supported", "3200",
         "Fixture OS 1.0 Service Pack 3"},
        {"empty service pack", 10000000, 1600000000ull, 0x80000008, "", "Fixture(R) Processor @ 3.20GHz", "3200",
         "Fixture OS 1.0 "},
        // Past 2^32 Hz the true megahertz still print.
        {"5.2 GHz", 10000000, 2600000000ull, 0x80000008, "Service Pack 3", "Fixture(R) Processor @ 3.20GHz", "5200",
         "Fixture OS 1.0 Service Pack 3"},
    };
    for (const edge_case &c : cases) {
        SCOPED_TRACE(c.name);
        qpc_frequency = c.frequency;
        qpc_now = 0;
        tsc_reads = 0;
        tsc_readings[1] = tsc_readings[0] + c.ticks_per_half_second;
        snprintf(csd_version, sizeof csd_version, "%s", c.csd);
        use_leaves("    Fixture(R) Processor @ 3.20GHz", c.highest_extended);
        expected_fields fields;
        fields.brand = c.brand;
        fields.clock = c.clock;
        fields.os = c.os;
        EXPECT_EQ(build_with("good"), expected_report(fields));
    }
}

TEST(ReportLive, RealLibraryOnThisMachineGivesAFullReport)
{
    build_report(report_text);
    std::vector<std::string> lines = lines_of(report_text);
    ASSERT_EQ(lines.size(), 17u) << report_text;
    EXPECT_EQ(lines[1].rfind("ORNIK ver1.00 ", 0), 0u);
    EXPECT_EQ(lines[4].rfind("CPUID         : [", 0), 0u);
    EXPECT_EQ(lines[11].rfind("cpu   : ", 0), 0u);
    EXPECT_NE(lines[11], "cpu   : unknown");
    EXPECT_NE(lines[13], "clock : 0[MHz]");
    EXPECT_NE(lines[14].rfind("os    : unknown", 0), 0u);
}

} // namespace
