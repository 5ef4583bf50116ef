// The live processor and the veltra-probe program (native build): a
// "cpuid -1 -r" dump of this machine replays to the same seven lines as the
// live processor, the program's exit status and messages, and pinning to a
// performance core.
#include <gtest/gtest.h>

#include <sched.h>
#include <stdio.h>
#include <sys/wait.h>

#include <string>
#include <vector>

#include "ornik/core_pinning.h"
#include "probe/cpuid_dump.h"
#include "support/seams.h"
#include "tools/probe_lines.h"

namespace {

struct command_result {
    int status; // exit status, -1 when it didn't exit normally
    std::string output;
};

command_result run(const std::string &command)
{
    command_result result = {-1, ""};
    FILE *pipe = popen(command.c_str(), "r");
    if (!pipe)
        return result;
    char buffer[4096];
    size_t n;
    while ((n = fread(buffer, 1, sizeof buffer, pipe)) > 0)
        result.output.append(buffer, n);
    int status = pclose(pipe);
    if (status != -1 && WIFEXITED(status))
        result.status = WEXITSTATUS(status);
    return result;
}

std::string probe_lines_of(const leaf_table *table)
{
    char text[2048];
    scoped_cpu cpu(table);
    format_probe_lines(text, sizeof text);
    return text;
}

std::string live_probe_lines()
{
    core_pin pin;
    pin_performance_core(&pin);
    char text[2048];
    format_probe_lines(text, sizeof text);
    unpin_core(&pin);
    return text;
}

TEST(LiveProbe, ReplayOfThisMachinesDumpGivesTheLiveLines)
{
    command_result dump = run("cpuid -1 -r 2>/dev/null");
    ASSERT_EQ(dump.status, 0) << "the cpuid tool is needed (tools/install-deps.sh installs it)";
    leaf_table table;
    char error[512];
    ASSERT_TRUE(cpuid_dump_parse(dump.output.c_str(), "cpuid -1 -r", &table, error, sizeof error)) << error;

    std::string live = live_probe_lines();
    EXPECT_EQ(probe_lines_of(&table), live);
    printf("%s", live.c_str());
}

TEST(LiveProbe, ProgramPrintsTheLinesAndRefusesMalformedDumps)
{
    const std::string probe = VELTRA_PROBE;
    const std::string dump = std::string(VELTRA_TEST_DATA) + "/cpuid-corpus/intel/core/intel-celeron-cpu-e1200.cpuid";

    leaf_table table;
    char error[512];
    ASSERT_TRUE(cpuid_dump_load(dump.c_str(), &table, error, sizeof error)) << error;
    std::string expected = probe_lines_of(&table);
    EXPECT_NE(expected.find("cpu   : Core (Allendale)\n"), std::string::npos) << expected;

    command_result by_name = run("'" + probe + "' '" + dump + "'");
    EXPECT_EQ(by_name.status, 0);
    EXPECT_EQ(by_name.output, expected);
    command_result by_stdin = run("'" + probe + "' - < '" + dump + "'");
    EXPECT_EQ(by_stdin.status, 0);
    EXPECT_EQ(by_stdin.output, expected);

    const char bad[] = "live_probe_test_bad.cpuid";
    FILE *file = fopen(bad, "w");
    ASSERT_NE(file, nullptr);
    fputs("CPU:\n   0x00000000 0x00: eax=0x00000001 ebx=0x0 ecx=0x0 edx=0x0\n   0x00000001 0x00: eax=0x5\n", file);
    fclose(file);
    // stderr to the pipe, stdout thrown away: the message alone, no lines.
    command_result refused = run("'" + probe + "' " + bad + " 2>&1 >/dev/null");
    EXPECT_EQ(refused.status, 2);
    EXPECT_EQ(refused.output.rfind(std::string("veltra-probe: ") + bad + ":3: ", 0), 0u) << refused.output;
    EXPECT_EQ(run("'" + probe + "' " + bad + " 2>/dev/null").output, "");
    remove(bad);

    command_result missing = run("'" + probe + "' no-such-dump.cpuid 2>&1");
    EXPECT_EQ(missing.status, 2);
    EXPECT_NE(missing.output.find("no-such-dump.cpuid"), std::string::npos);
}

// A hybrid processor whose every logical processor reports core_type.
std::vector<cpuid_leaf> hybrid_processor_rows(uint32_t core_type)
{
    return {
        {0, 0, {0x1A, 0x756e6547, 0x6c65746e, 0x49656e69}},
        {7, 0, {0, 0, 0, 1u << 15}},
        {0x1A, 0, {core_type << 24 | 1, 0, 0, 0}},
    };
}

int allowed_processors()
{
    cpu_set_t set;
    EXPECT_EQ(sched_getaffinity(0, sizeof set, &set), 0);
    return CPU_COUNT(&set);
}

TEST(CorePinning, PinsToOnePerformanceCoreAndRestores)
{
    const int before = allowed_processors();
    struct pin_case {
        uint32_t core_type; // 0x40 Core, 0x20 Atom
        bool hybrid;
        bool pinned;
    };
    const pin_case cases[] = {{0x40, true, true}, {0x20, true, false}, {0x40, false, false}};
    for (const pin_case &c : cases) {
        std::vector<cpuid_leaf> rows = hybrid_processor_rows(c.core_type);
        if (!c.hybrid)
            rows[1].regs.edx = 0;
        leaf_table table = {rows.data(), rows.size(), false, nullptr};
        scoped_cpu cpu(&table);

        core_pin pin;
        EXPECT_EQ(pin_performance_core(&pin), c.pinned);
        EXPECT_EQ(allowed_processors(), c.pinned ? 1 : before);
        unpin_core(&pin);
        EXPECT_EQ(allowed_processors(), before);
    }
}

} // namespace
