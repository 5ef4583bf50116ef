// CPUID access and the identity texts on processors given as tables of leaves.
#include <gtest/gtest.h>
#include <string.h>

#include <string>
#include <vector>

#include "probe/cpu_strings.h"
#include "probe/cpu_x86.h"
#include "support/seams.h"

namespace {

const uint32_t UNTOUCHED = 0xDEADBEEF;

TEST(Cpuid, ProcessorWithoutCpuidAnswersNothing)
{
    const cpuid_leaf rows[] = {{0, 0, {1, 0x756E6547, 0x6C65746E, 0x49656E69}}, {1, 0, {0x400, 0, 0, 0x10}}};
    leaf_table table = {rows, 2, true, nullptr};
    scoped_cpu cpu(&table);

    EXPECT_FALSE(cpuid_available());
    uint32_t a = UNTOUCHED, b = UNTOUCHED, c = UNTOUCHED, d = UNTOUCHED;
    EXPECT_FALSE(cpuid_query(0, &a, &b, &c, &d));
    EXPECT_FALSE(cpuid_query_sub(4, 1, &a, &b, &c, &d));
    EXPECT_EQ(a, UNTOUCHED);
    EXPECT_EQ(b, UNTOUCHED);
    EXPECT_EQ(c, UNTOUCHED);
    EXPECT_EQ(d, UNTOUCHED);
    EXPECT_FALSE(tsc_available());

    char vendor[16];
    read_vendor_string(vendor);
    EXPECT_STREQ(vendor, "   unknown  ");
    char brand[256];
    read_brand_string(brand);
    EXPECT_STREQ(brand, "Not Supported");
}

TEST(Cpuid, SupportTestRepeatsAlthoughItLeavesTheFlagInverted)
{
    leaf_table table = {nullptr, 0, false, nullptr};
    scoped_cpu cpu(&table);
    const cpu_seam *seam = cpu_current();
    uint32_t before = seam->read_eflags();
    EXPECT_TRUE(cpuid_available());
    EXPECT_EQ(seam->read_eflags(), before ^ 0x00200000u);
    EXPECT_TRUE(cpuid_available());
    EXPECT_EQ(seam->read_eflags(), before);
}

TEST(Cpuid, QueryPassesLeafAndSubLeafAndFillsAllFour)
{
    const cpuid_leaf rows[] = {{4, 0, {0x121, 0x1C0003F, 0x3F, 1}}, {4, 2, {0x143, 0x3C0003F, 0xFFF, 6}}};
    leaf_table table = {rows, 2, false, nullptr};
    scoped_cpu cpu(&table);
    uint32_t a, b, c, d;
    ASSERT_TRUE(cpuid_query(4, &a, &b, &c, &d));
    EXPECT_EQ(a, 0x121u);
    ASSERT_TRUE(cpuid_query_sub(4, 2, &a, &b, &c, &d));
    EXPECT_EQ(a, 0x143u);
    EXPECT_EQ(b, 0x3C0003Fu);
    EXPECT_EQ(c, 0xFFFu);
    EXPECT_EQ(d, 6u);
}

TEST(Cpuid, TimeStampCounterIsLeafOneEdxBitFour)
{
    for (uint32_t edx : {0x00000010u, 0xFFFFFFEFu}) {
        const cpuid_leaf rows[] = {{1, 0, {0x633, 0, 0, edx}}};
        leaf_table table = {rows, 1, false, nullptr};
        scoped_cpu cpu(&table);
        EXPECT_EQ(tsc_available(), edx == 0x10u) << std::hex << edx;
    }
}

TEST(Cpuid, VendorTextFromEbxEdxEcx)
{
    struct vendor_case {
        cpuid_regs leaf0;
        const char *text;
    } cases[] = {
        {{0x16, 0x68747541, 0x444D4163, 0x69746E65}, "AuthenticAMD"},
        {{0x0D, 0x756E6547, 0x6C65746E, 0x49656E69}, "GenuineIntel"},
        {{0x01, 0x746E6543, 0x736C7561, 0x48727561}, "CentaurHauls"},
        // Zero registers give an empty text, not the placeholder.
        {{0x00, 0, 0, 0}, ""},
    };
    for (const vendor_case &c : cases) {
        const cpuid_leaf rows[] = {{0, 0, c.leaf0}};
        leaf_table table = {rows, 1, false, nullptr};
        scoped_cpu cpu(&table);
        char vendor[16];
        memset(vendor, 'x', sizeof vendor);
        read_vendor_string(vendor);
        EXPECT_STREQ(vendor, c.text);
        EXPECT_EQ(vendor[12], '\0');
    }
}

// Lays 48 raw bytes out as the three brand leaves.
std::vector<cpuid_leaf> brand_leaves(const std::string &raw, uint32_t highest)
{
    std::vector<cpuid_leaf> rows = {{0x80000000u, 0, {highest, 0, 0, 0}}};
    char bytes[48] = {0};
    memcpy(bytes, raw.data(), raw.size() < 48 ? raw.size() : 48);
    for (uint32_t leaf = 0; leaf < 3; leaf++) {
        uint32_t r[4];
        memcpy(r, bytes + leaf * 16, 16);
        rows.push_back({0x80000002u + leaf, 0, {r[0], r[1], r[2], r[3]}});
    }
    return rows;
}

struct brand_case {
    const char *name;
    std::string raw; // up to 48 bytes; the rest of the 48 is NUL
    uint32_t highest_extended;
    std::string text;
};

TEST(Cpuid, BrandText)
{
    const std::string name28 = "Intel(R) Core(TM) i7-8700 CP";
    const std::string full48 = "AMD Ryzen 9 5950X 16-Core Processor             ";
    const brand_case cases[] = {
        {"leading blanks dropped", std::string(20, ' ') + name28, 0x80000008, name28},
        {"only blanks", std::string(48, ' '), 0x80000008, ""},
        {"blanks then NUL", std::string(5, ' ') + std::string("\0Hidden", 7), 0x80000008, ""},
        {"no NUL in 48 bytes", "  " + std::string(46, 'x'), 0x80000008, std::string(46, 'x')},
        {"trailing blanks kept", "abc" + std::string(45, ' '), 0x80000008, "abc" + std::string(45, ' ')},
        {"inner and trailing blanks", std::string("  a b  \0", 8), 0x80000008, "a b  "},
        {"NUL ends the copy", std::string("Zen\0Ignored", 11), 0x80000008, "Zen"},
        {"full 48 characters", full48, 0x80000004, full48},
        {"highest extended leaf too low", "Brand", 0x80000003, "Not Supported"},
        {"highest extended leaf below 0x80000000", "Brand", 2, "Not Supported"},
    };
    for (const brand_case &c : cases) {
        SCOPED_TRACE(c.name);
        std::vector<cpuid_leaf> rows = brand_leaves(c.raw, c.highest_extended);
        leaf_table table = {rows.data(), rows.size(), false, nullptr};
        scoped_cpu cpu(&table);
        char brand[256];
        memset(brand, 'z', sizeof brand);
        read_brand_string(brand);
        EXPECT_EQ(std::string(brand), c.text);
    }
}

TEST(Cpuid, BrandLeavesNotQueriedWhenMissing)
{
    static int brand_queries;
    struct counting {
        static void cpuid(uint32_t leaf, uint32_t, cpuid_regs *out)
        {
            if (leaf >= 0x80000002u && leaf <= 0x80000004u)
                brand_queries++;
            *out = {leaf == 0x80000000u ? 0x80000003u : 0x41414141u, 0x41414141u, 0x41414141u, 0x41414141u};
        }
    };
    cpu_seam seam = cpu_seam_hardware;
    seam.cpuid = counting::cpuid;
    scoped_cpu cpu(&seam);
    char brand[256];
    read_brand_string(brand);
    EXPECT_STREQ(brand, "Not Supported");
    EXPECT_EQ(brand_queries, 0);
}

} // namespace
