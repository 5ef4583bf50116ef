// The identification core on made-up processors: what the corpus of real
// ones doesn't show (unknown vendors and models, no CPUID, rare descriptor
// and erratum cases, hostile leaf values).
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ornik/cpu_tables.h"
#include "ornik/identify.h"
#include "support/seams.h"

namespace {

// Leaf 0 with a vendor ID and a highest leaf, then the given rows.
std::vector<cpuid_leaf> processor(const char vendor[13], uint32_t max_leaf, std::vector<cpuid_leaf> rows)
{
    uint32_t id[3];
    memcpy(id, vendor, 12);
    rows.insert(rows.begin(), cpuid_leaf{0, 0, {max_leaf, id[0], id[2], id[1]}});
    return rows;
}

cpu_description identify(const std::vector<cpuid_leaf> &rows, bool no_cpuid = false)
{
    leaf_table table = {rows.data(), rows.size(), no_cpuid, nullptr};
    scoped_cpu cpu(&table);
    cpu_description out;
    identify_processor(&out);
    return out;
}

TEST(Identify, BrandPatterns)
{
    struct pattern_case {
        const char *brand, *pattern;
        bool matches;
    };
    const pattern_case cases[] = {
        {"Intel(R) Core(TM) i7-8565U CPU @ 1.80GHz", "-8###U", true},
        {"Intel(R) Core(TM) i7-8565U CPU @ 1.80GHz", "-8###Y|-8###U", true},
        {"Intel(R) Core(TM) i7-8565U CPU @ 1.80GHz", "-8###Y", false},
        {"AMD A12-9700P RADEON R7", "radeon", true}, // letters in any case
        {"Intel(R) Atom(TM) CPU Z5x0", " Z5##", false}, // '#' wants a digit
        {"AMD C-50", "AMD C-50 Processor", false},      // longer than the brand
        {"", "Xeon", false},
        {"", "", true},
        {"anything", "", true},
    };
    for (const pattern_case &c : cases)
        EXPECT_EQ(brand_matches(c.brand, c.pattern), c.matches) << c.brand << " ~ " << c.pattern;
}

TEST(Identify, UnknownProcessorsGetANameFromVendorAndFamily)
{
    struct unknown_case {
        const char *vendor;
        uint32_t signature;
        const char *name;
    };
    const unknown_case cases[] = {
        {"GenuineIntel", 0x000F06F0, "Intel family 0x6 model 0xFF"},
        {"AuthenticAMD", 0x00E00F00, "AMD family 0x1D model 0x0"},
        {"FooBarBazQux", 0x00000900, "FooBarBazQux family 0x9 model 0x0"},
        {"  Odd   Id  ", 0x00000500, "Odd Id family 0x5 model 0x0"},
        {"\x01\x02\x03\x04\x05\x06\x07\x08\x09\x0a\x0b\x0c", 0x00000500, "???????????? family 0x5 model 0x0"},
        {"\0\0\0\0\0\0\0\0\0\0\0\0", 0x00000400, "x86 family 0x4 model 0x0"},
    };
    for (const unknown_case &c : cases) {
        cpu_description cpu = identify(processor(c.vendor, 1, {{1, 0, {c.signature, 0, 0, 0}}}));
        EXPECT_STREQ(cpu.name, c.name);
        EXPECT_STREQ(cpu.uarch, c.name);
        EXPECT_STREQ(cpu.codename, "");
    }

    cpu_description none = identify({}, true);
    EXPECT_STREQ(none.name, "x86 without CPUID");
    EXPECT_EQ(none.l1d_kb + none.l1i_kb + none.l2_kb + none.l3_kb + none.l1t_kuops, 0);
}

TEST(Identify, NameIsUarchAloneWhenTheCodenameIsTheSame)
{
    cpu_description cpu = identify(processor("GenuineIntel", 1, {{1, 0, {0x000206A7, 0, 0, 0}}}));
    EXPECT_STREQ(cpu.name, "Sandy Bridge");
    cpu = identify(processor("GenuineIntel", 1, {{1, 0, {0x000306A9, 0, 0, 0}}}));
    EXPECT_STREQ(cpu.name, "Sandy Bridge (Ivy Bridge)");
}

TEST(Identify, LeafTwoDescriptors)
{
    // A Northwood: trace cache (70h), 8 KB L1D (66h), 256 KB L2 (7Ah);
    // 5Bh and 50h are TLBs, 40h "no L3".
    cpu_description p4 = identify(processor(
        "GenuineIntel", 2, {{1, 0, {0x00000F24, 0, 0, 0}}, {2, 0, {0x665B5001, 0, 0, 0x007A7040}}}));
    EXPECT_EQ(p4.l1t_kuops, 12);
    EXPECT_EQ(p4.l1i_kb, 0);
    EXPECT_EQ(p4.l1d_kb, 8);
    EXPECT_EQ(p4.l2_kb, 256);
    EXPECT_EQ(p4.l3_kb, 0);
    EXPECT_STREQ(p4.name, "NetBurst (Northwood)");

    // A register with bit 31 set holds no descriptors.
    cpu_description masked =
        identify(processor("GenuineIntel", 2, {{1, 0, {0x00000F24, 0, 0, 0}}, {2, 0, {0x00000001, 0, 0, 0x8000007A}}}));
    EXPECT_EQ(masked.l2_kb, 0);

    // 49h: L3 on family 0Fh model 06h, L2 elsewhere.
    cpu_description xeon_mp =
        identify(processor("GenuineIntel", 2, {{1, 0, {0x00000F68, 0, 0, 0}}, {2, 0, {0x00000001, 0, 0, 0x0000497C}}}));
    EXPECT_EQ(xeon_mp.l3_kb, 4096);
    EXPECT_EQ(xeon_mp.l2_kb, 1024);
    cpu_description core2 =
        identify(processor("GenuineIntel", 2, {{1, 0, {0x000006FB, 0, 0, 0}}, {2, 0, {0x00000001, 0, 0, 0x00000049}}}));
    EXPECT_EQ(core2.l2_kb, 4096);
    EXPECT_EQ(core2.l3_kb, 0);
}

TEST(Identify, LeafFourBeforeLeafTwo)
{
    // Leaf 2 says 2 MB (7Dh), leaf 4 a 16-way 4 MB L2: leaf 4 wins; the L1
    // caches come from leaf 2, which alone names them here.
    cpu_description cpu = identify(processor("GenuineIntel", 4,
                                             {{1, 0, {0x000006FB, 0, 0, 0}},
                                              {2, 0, {0x00000001, 0, 0, 0x2C30007D}},
                                              {4, 0, {0x04004143, 0x03C0003F, 0x00000FFF, 0}}}));
    EXPECT_EQ(cpu.l2_kb, 4096);
    EXPECT_EQ(cpu.l1d_kb, 32);
    EXPECT_EQ(cpu.l1i_kb, 32);
}

TEST(Identify, HostileDeterministicLeavesStayBounded)
{
    // Every field at its maximum: the size saturates instead of wrapping; a
    // processor that never ends its sub-leaves is read up to a bound.
    std::vector<cpuid_leaf> rows = {{1, 0, {0x000906EA, 0, 0, 0}}};
    for (uint32_t sub = 0; sub < 64; sub++)
        rows.push_back({4, sub, {0x00000063, 0xFFFFFFFF, 0xFFFFFFFF, 0}});
    cpu_description cpu = identify(processor("GenuineIntel", 4, rows));
    EXPECT_EQ(cpu.l3_kb, 0x7FFFFFFF);
}

TEST(Identify, AmdTopologyLeafWithLegacyFallback)
{
    // 0x8000001D holds only the L1D; the rest comes from 0x80000005/6.
    const uint32_t topology = 1u << 22;
    std::vector<cpuid_leaf> zen = processor(
        "AuthenticAMD", 1,
        {{1, 0, {0x00B40F40, 0, 0, 0}},
         {0x80000000, 0, {0x8000001D, 0, 0, 0}},
         {0x80000001, 0, {0, 0, topology, 0}},
         {0x80000005, 0, {0, 0, 0x300C0140, 0x20080140}},
         {0x80000006, 0, {0, 0, 0x04008140, 0x02009140}},
         {0x8000001D, 0, {0x00004121, 0x02C0003F, 0x0000003F, 0}}});
    cpu_description cpu = identify(zen);
    EXPECT_EQ(cpu.l1d_kb, 48);
    EXPECT_EQ(cpu.l1i_kb, 32);
    EXPECT_EQ(cpu.l2_kb, 1024);
    EXPECT_EQ(cpu.l3_kb, 65536); // 0x80000006 counts the whole processor's L3
    EXPECT_STREQ(cpu.name, "Zen 5 (Granite Ridge)");

    // Without the topology flag the leaf isn't read, whatever it holds: a
    // 64 KB L1D there gives way to the 48 KB of 0x80000005.
    zen[3].regs.ecx = 0;
    zen[6].regs.ebx = 0x03C0003F;
    EXPECT_EQ(identify(zen).l1d_kb, 48);
}

TEST(Identify, ExtendedLeafFaults)
{
    // Duron stepping A0 says 1 KB for its 64 KB L2; stepping 1 is read as is.
    auto duron = [](uint32_t signature, uint32_t l2_ecx) {
        return processor("AuthenticAMD", 1,
                         {{1, 0, {signature, 0, 0, 0}},
                          {0x80000000, 0, {0x80000006, 0, 0, 0}},
                          {0x80000005, 0, {0, 0, 0x40020140, 0x40020140}},
                          {0x80000006, 0, {0, 0, l2_ecx, 0}}});
    };
    EXPECT_EQ(identify(duron(0x00000630, 0x00010000)).l2_kb, 64);
    EXPECT_EQ(identify(duron(0x00000631, 0x00400000)).l2_kb, 64);
    EXPECT_EQ(identify(duron(0x00000631, 0x00010000)).l2_kb, 1);

    // VIA C3 Samuel 2 and Ezra: the L2 size in the top byte; Nehemiah (model
    // 9) reads the field as everyone else does.
    auto c3 = [](uint32_t signature, uint32_t l2_ecx) {
        return processor("CentaurHauls", 1,
                         {{1, 0, {signature, 0, 0, 0}},
                          {0x80000000, 0, {0x80000006, 0, 0, 0}},
                          {0x80000006, 0, {0, 0, l2_ecx, 0}}});
    };
    EXPECT_EQ(identify(c3(0x00000678, 0x40040120)).l2_kb, 64);
    EXPECT_EQ(identify(c3(0x00000698, 0x00408120)).l2_kb, 64);
}

} // namespace
