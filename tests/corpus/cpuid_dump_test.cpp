// Reading "cpuid -r" dumps: the first processor's leaves, and refusal of
// anything that isn't such a dump, with the file and line in the message.
#include <gtest/gtest.h>

#include <stdio.h>

#include <string>

#include "probe/cpu_x86.h"
#include "probe/cpuid_dump.h"
#include "support/seams.h"

namespace {

const char two_cpus[] =
    "CPU 0:\n"
    "   0x00000000 0x00: eax=0x0000000d ebx=0x756e6547 ecx=0x6c65746e edx=0x49656e69\n"
    "   0x00000004 0x00: eax=0x04000121 ebx=0x01c0003f ecx=0x0000003f edx=0x00000000\n"
    "   0x00000004 0x01: eax=0x04000122 ebx=0x01C0003F ecx=0x0000003f edx=0x00000000\n"
    "   0x80000000 0x00: eax=0x80000008 ebx=0x00000000 ecx=0x00000000 edx=0x00000000\n"
    "CPU 1:\n"
    "   0x00000000 0x00: eax=0x00000001 ebx=0x00000000 ecx=0x00000000 edx=0x00000000\n"
    "   0x00000007 0x00: eax=0x00000001 ebx=0x00000000 ecx=0x00000000 edx=0x00000000\n";

struct parsed {
    bool ok;
    leaf_table table;
    std::string error;
};

parsed parse(const std::string &text, const char *name = "test.cpuid")
{
    parsed p;
    char error[512] = "";
    p.table = leaf_table{};
    p.ok = cpuid_dump_parse(text.c_str(), name, &p.table, error, sizeof error);
    p.error = error;
    return p;
}

TEST(CpuidDump, ReadsTheFirstProcessorOnly)
{
    parsed p = parse(two_cpus);
    ASSERT_TRUE(p.ok) << p.error;
    EXPECT_EQ(p.table.count, 4u);
    EXPECT_FALSE(p.table.no_cpuid);

    cpuid_regs sub1 = leaf_table_answer(&p.table, 4, 1);
    EXPECT_EQ(sub1.eax, 0x04000122u);
    EXPECT_EQ(sub1.ebx, 0x01c0003fu) << "upper-case digits read alike";
    // Leaf 7 belongs to the second processor: zeros, as any missing leaf.
    cpuid_regs leaf7 = leaf_table_answer(&p.table, 7, 0);
    EXPECT_EQ(leaf7.eax, 0u);
    EXPECT_EQ(leaf_table_answer(&p.table, 4, 2).eax, 0u);

    // Through the seam, as the identification reads it.
    scoped_cpu cpu(&p.table);
    uint32_t eax = 0, ebx = 0, ecx = 0, edx = 0;
    ASSERT_TRUE(cpuid_query(0, &eax, &ebx, &ecx, &edx));
    EXPECT_EQ(eax, 0x0000000du);
    EXPECT_EQ(ebx, 0x756e6547u);
    ASSERT_TRUE(cpuid_query_sub(4, 1, &eax, &ebx, &ecx, &edx));
    EXPECT_EQ(eax, 0x04000122u);
}

TEST(CpuidDump, AcceptsTheToolsLayoutVariants)
{
    // "cpuid -1 -r" writes "CPU:"; files copied from Windows end lines with
    // CR LF; blank lines and trailing blanks carry nothing.
    parsed p = parse("\r\nCPU:\r\n"
                     "   0x00000000 0x00: eax=0x00000001 ebx=0x68747541 ecx=0x444d4163 edx=0x69746e65  \r\n"
                     "\r\n"
                     "\t0x00000001 0x00: eax=0x00000501 ebx=0x00000000 ecx=0x00000000 edx=0x000003bf\r\n");
    ASSERT_TRUE(p.ok) << p.error;
    EXPECT_EQ(p.table.count, 2u);
    EXPECT_EQ(leaf_table_answer(&p.table, 1, 0).edx, 0x000003bfu);

    // The last line needs no line end.
    p = parse("CPU:\n   0x00000000 0x00: eax=0x00000001 ebx=0x1 ecx=0x2 edx=0x3");
    ASSERT_TRUE(p.ok) << p.error;
    EXPECT_EQ(leaf_table_answer(&p.table, 0, 0).edx, 3u);
}

TEST(CpuidDump, RefusesWhatIsNotADumpNamingFileAndLine)
{
    const std::string leaf = "   0x00000000 0x00: eax=0x00000001 ebx=0x00000000 ecx=0x00000000 edx=0x00000000\n";
    struct refusal {
        std::string text;
        const char *where; // "name:line:" expected at the start of the message
    };
    const refusal cases[] = {
        {"", "test.cpuid:1:"},
        {"\n\n", "test.cpuid:2:"},
        {"CPU:\n", "test.cpuid:1:"},
        {"hello\n", "test.cpuid:1:"},
        {leaf, "test.cpuid:1:"},                                  // no heading before it
        {"CPU:\n" + leaf + leaf, "test.cpuid:3:"},               // the same leaf twice
        {"CPU:\n   0x00000000 0x00: eax=0x00000001 ebx=0x0 ecx=0x0\n", "test.cpuid:2:"},
        {"CPU:\n   0x00000000 0x00: eax=0x00000001 ebx=0x0 ecx=0x0 edx=0x0 esi=0x0\n", "test.cpuid:2:"},
        {"CPU:\n   0x00000000 0x00: eax=0x000000001 ebx=0x0 ecx=0x0 edx=0x0\n", "test.cpuid:2:"},
        {"CPU:\n   0x00000000 0x00: eax=0x0000000g ebx=0x0 ecx=0x0 edx=0x0\n", "test.cpuid:2:"},
        {"CPU:\n   0x00000000 0x00: ebx=0x0 eax=0x0 ecx=0x0 edx=0x0\n", "test.cpuid:2:"},
        {"CPU:\n   0x00000000: eax=0x0 ebx=0x0 ecx=0x0 edx=0x0\n", "test.cpuid:2:"},
        {"CPU:\n   00000000 0x00: eax=0x0 ebx=0x0 ecx=0x0 edx=0x0\n", "test.cpuid:2:"},
        {"CPU:\n   0x00000000 0x00: eax=-0x1 ebx=0x0 ecx=0x0 edx=0x0\n", "test.cpuid:2:"},
        {"CPU:\n" + leaf + "CPU x:\n", "test.cpuid:3:"},
        {"CPU:\n" + std::string(300, ' ') + "\n", "test.cpuid:2:"},
    };
    for (const refusal &c : cases) {
        parsed p = parse(c.text);
        EXPECT_FALSE(p.ok) << c.text;
        EXPECT_EQ(p.error.rfind(c.where, 0), 0u) << "message: " << p.error << "\ntext: " << c.text;
    }
}

TEST(CpuidDump, RefusesMoreLeavesThanTheTableHolds)
{
    std::string text = "CPU:\n";
    char line[128];
    for (int i = 0; i <= CPUID_DUMP_MAX_LEAVES; i++) {
        snprintf(line, sizeof line, "0x%08x 0x00: eax=0x0 ebx=0x0 ecx=0x0 edx=0x0\n", i);
        text += line;
    }
    parsed p = parse(text);
    EXPECT_FALSE(p.ok);
    EXPECT_EQ(p.error.rfind("test.cpuid:1026:", 0), 0u) << p.error;
}

TEST(CpuidDump, AFailedReadKeepsThePreviousTable)
{
    parsed good = parse(two_cpus);
    ASSERT_TRUE(good.ok);
    parsed bad = parse("CPU:\n   0x00000000 0x00: eax=0x00000099 ebx=0x0 ecx=0x0 edx=0x0\nnonsense\n");
    ASSERT_FALSE(bad.ok);
    EXPECT_EQ(leaf_table_answer(&good.table, 0, 0).eax, 0x0000000du);
}

TEST(CpuidDump, LoadsFilesAndNamesTheOneItCantOpen)
{
    char path[] = "cpuid_dump_test.cpuid";
    FILE *file = fopen(path, "wb");
    ASSERT_NE(file, nullptr);
    fputs(two_cpus, file);
    fputs("junk after the first processor is never read\n", file);
    fclose(file);

    leaf_table table{};
    char error[512] = "";
    EXPECT_TRUE(cpuid_dump_load(path, &table, error, sizeof error)) << error;
    EXPECT_EQ(table.count, 4u);
    remove(path);

    // A NUL byte makes it a binary file, whatever the rest looks like.
    file = fopen(path, "wb");
    ASSERT_NE(file, nullptr);
    fputs("CPU:\n   0x00000000 0x00: eax=0x00000001 ebx=0x0 ecx=0x0 edx=0x0", file);
    fputc('\0', file);
    fputs("\n", file);
    fclose(file);
    EXPECT_FALSE(cpuid_dump_load(path, &table, error, sizeof error));
    EXPECT_EQ(std::string(error).rfind("cpuid_dump_test.cpuid:2:", 0), 0u) << error;
    remove(path);

    EXPECT_FALSE(cpuid_dump_load("no-such-dump.cpuid", &table, error, sizeof error));
    EXPECT_EQ(std::string(error).rfind("no-such-dump.cpuid:", 0), 0u) << error;
}

} // namespace
