// The caption's status text: rotation, name capacities, memory, time and the
// library's texts through a scripted operating system; then the live machine.
#include <gtest/gtest.h>

#include <ctype.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include <string>
#include <vector>

#include "info/report.h"
#include "info/title_status.h"
#include "tests/support/seams.h"

#if !defined(_WIN32)
#include <pwd.h>
#include <sys/sysinfo.h>
#include <unistd.h>
#endif

namespace {

// What the scripted operating system answers, and what it was asked.
struct fake_machine {
    std::string computer_name;
    std::string user_name;
    bool user_known;
    os_memory_status memory;
    bool memory_ok;
    int64_t now;
    os_local_time local;
    bool local_ok;

    std::vector<uint32_t> computer_offered;
    std::vector<uint32_t> user_offered;
    std::vector<int64_t> local_asked;
    int memory_reads;
};

fake_machine machine;

// The platform's capacity rules: a name that doesn't fit with its terminator
// fails and asks for the room it needs; after a success the computer name
// stores its length, the user name its length with the terminator.
int copy_name(const std::string &name, char *buffer, uint32_t *size, bool with_terminator)
{
    uint32_t needed = (uint32_t)name.size() + 1;
    if (*size < needed) {
        *size = needed;
        return 0;
    }
    memcpy(buffer, name.c_str(), needed);
    *size = with_terminator ? needed : needed - 1;
    return 1;
}

int fake_computer_name(char *buffer, uint32_t *size)
{
    machine.computer_offered.push_back(*size);
    return copy_name(machine.computer_name, buffer, size, false);
}

int fake_user_name(char *buffer, uint32_t *size)
{
    machine.user_offered.push_back(*size);
    if (!machine.user_known)
        return 0;
    return copy_name(machine.user_name, buffer, size, true);
}

int fake_memory_status(os_memory_status *status)
{
    machine.memory_reads++;
    if (!machine.memory_ok)
        return 0;
    *status = machine.memory;
    return 1;
}

int64_t fake_time(void)
{
    return machine.now;
}

int fake_localtime(int64_t seconds, os_local_time *out)
{
    machine.local_asked.push_back(seconds);
    if (!machine.local_ok)
        return 0;
    *out = machine.local;
    return 1;
}

void *no_library(const char *)
{
    return nullptr;
}

// Thursday, 4 October 2001, 09:05:07.
const os_local_time OCT_4_2001 = {101, 9, 4, 9, 5, 7, 4};

os_seam make_fake_os()
{
    os_seam fake = os_seam_system;
    fake.GetComputerNameA = fake_computer_name;
    fake.GetUserNameA = fake_user_name;
    fake.GlobalMemoryStatusEx = fake_memory_status;
    fake.time = fake_time;
    fake.localtime = fake_localtime;
    fake.LoadLibraryA = no_library;
    return fake;
}

const os_seam fake_os = make_fake_os();

// The statuses of the first count calls of a run.
std::vector<std::string> run_statuses(int count)
{
    std::vector<std::string> texts;
    char out[TITLE_STATUS_SIZE];
    for (int i = 0; i < count; i++) {
        memset(out, '#', sizeof out);
        format_title_status(out);
        texts.push_back(out);
    }
    return texts;
}

class TitleStatus : public ::testing::Test {
protected:
    TitleStatus() : use_os_(&fake_os)
    {
        machine = fake_machine();
        machine.computer_name = "HOST";
        machine.user_name = "guest";
        machine.user_known = true;
        machine.memory = {45, 268435456, 147000000};
        machine.memory_ok = true;
        machine.now = 1002186307;
        machine.local = OCT_4_2001;
        machine.local_ok = true;
        title_status_reset();
        snprintf(ident_library.cpu_name, sizeof ident_library.cpu_name, "Test Processor 1000");
        snprintf(ident_library.os_name, sizeof ident_library.os_name, "Test System 2");
    }

    scoped_os use_os_;
};

TEST_F(TitleStatus, RotatesFromMemoryAndReadsEverythingOnEveryCall)
{
    std::vector<std::string> expected = {"45% 115/256MB MEMORY", "Thu Oct 04 09:05:07 2001",
                                         "Test Processor 1000",  "Test System 2",
                                         "HOST/guest",           "45% 115/256MB MEMORY"};
    EXPECT_EQ(run_statuses(6), expected);
    EXPECT_EQ(machine.local_asked.size(), 6u);
    EXPECT_EQ(machine.computer_offered.size(), 6u);
    EXPECT_EQ(machine.user_offered.size(), 6u);
    EXPECT_EQ(machine.memory_reads, 6);
}

struct name_case {
    const char *label;
    std::string computer_name;
    std::string user_name;
    bool user_known;
    std::vector<uint32_t> computer_offered; // over the first five calls
    std::vector<uint32_t> user_offered;
    std::string item0; // the fifth call
};

TEST_F(TitleStatus, NameCapacitiesCarryOverAndNeverExceedTheBuffers)
{
    const std::string name14 = "ABCDEFGHIJKLMN";
    const std::string name15 = "ABCDEFGHIJKLMNO";
    const std::string host63(63, 'h');
    const std::string host300(300, 'h');
    const std::string user255(255, 'u');
    const std::string user256(256, 'u');
    const std::string user400(400, 'u');
    const name_case cases[] = {
        {"14-character computer", name14, "guest", true, {15, 14, 15, 14, 15}, {255, 6, 6, 6, 6}, name14 + "/guest"},
        {"15-character computer", name15, "guest", true, {15, 16, 15, 16, 15}, {255, 6, 6, 6, 6}, name15 + "/guest"},
        {"no user name read", "HOST", "", false, {15, 4, 5, 4, 5}, {255, 255, 255, 255, 255}, "HOST/"},
        {"255-character user", "H", user255, true, {15, 1, 2, 1, 2}, {255, 256, 256, 256, 256}, "H/" + user255},
        {"long host name", host63, "guest", true, {15, 64, 63, 64, 63}, {255, 6, 6, 6, 6}, host63 + "/guest"},
        // Names that can't fit are never read: the room offered stays the buffer's.
        {"256-character user", "HOST", user256, true, {15, 4, 5, 4, 5}, {255, 256, 256, 256, 256}, "HOST/"},
        {"400-character user", "HOST", user400, true, {15, 4, 5, 4, 5}, {255, 256, 256, 256, 256}, "HOST/"},
        {"host name beyond the buffer", host300, "guest", true, {15, 256, 256, 256, 256}, {255, 6, 6, 6, 6}, "/guest"},
    };
    for (const name_case &c : cases) {
        SCOPED_TRACE(c.label);
        machine.computer_name = c.computer_name;
        machine.user_name = c.user_name;
        machine.user_known = c.user_known;
        machine.computer_offered.clear();
        machine.user_offered.clear();
        title_status_reset();
        std::vector<std::string> texts = run_statuses(5);
        EXPECT_EQ(machine.computer_offered, c.computer_offered);
        EXPECT_EQ(machine.user_offered, c.user_offered);
        EXPECT_EQ(texts[4], c.item0);
    }
}

TEST_F(TitleStatus, LongNamesAreCutToTheCallersBuffer)
{
    machine.computer_name = std::string(63, 'h');
    machine.user_name = std::string(255, 'u');
    std::vector<std::string> texts = run_statuses(5);
    EXPECT_EQ(texts[4], machine.computer_name + "/" + std::string(TITLE_STATUS_SIZE - 1 - 64, 'u'));
}

TEST_F(TitleStatus, NameKeepsItsLastReadWhenAReadFails)
{
    run_statuses(5);
    machine.user_known = false;
    machine.computer_name = "OTHER";
    // The last of these calls offers the computer name one byte too few, and
    // the user name can't be read at all: both show what was read before.
    std::vector<std::string> texts = run_statuses(5);
    EXPECT_EQ(machine.computer_offered.back(), 5u);
    EXPECT_EQ(texts[4], "OTHER/guest");
}

struct memory_case {
    os_memory_status memory;
    bool ok;
    const char *text;
};

TEST_F(TitleStatus, MemoryInWholeMebibytes)
{
    const uint64_t GiB = 1ull << 30;
    const memory_case cases[] = {
        {{45, 268435456, 147000000}, true, "45% 115/256MB MEMORY"},
        {{100, 268435456, 0}, true, "100% 256/256MB MEMORY"},
        {{0, 268435456, 268435456}, true, "0% 0/256MB MEMORY"},
        // Beyond 4 GB the figures need 64 bits.
        {{62, 24 * GiB, 9 * GiB + 1}, true, "62% 15359/24576MB MEMORY"},
        {{1, 1024 * GiB, 1023 * GiB}, true, "1% 1024/1048576MB MEMORY"},
        // A record that makes no sense shows nothing used, not a wrapped figure.
        {{0, 256u << 20, 512u << 20}, true, "0% 0/256MB MEMORY"},
        {{99, 24 * GiB, GiB}, false, "0% 0/0MB MEMORY"},
    };
    for (const memory_case &c : cases) {
        SCOPED_TRACE(c.text);
        machine.memory = c.memory;
        machine.memory_ok = c.ok;
        title_status_reset();
        EXPECT_EQ(run_statuses(1)[0], c.text);
    }
}

struct time_case {
    os_local_time local;
    bool ok;
    const char *text;
};

TEST_F(TitleStatus, TimeInTheCtimeLayoutWithATwoDigitDay)
{
    const time_case cases[] = {
        {OCT_4_2001, true, "Thu Oct 04 09:05:07 2001"},
        {{124, 0, 5, 0, 0, 0, 5}, true, "Fri Jan 05 00:00:00 2024"},
        {{105, 11, 31, 23, 59, 59, 6}, true, "Sat Dec 31 23:59:59 2005"},
        {{138, 0, 19, 3, 14, 8, 2}, true, "Tue Jan 19 03:14:08 2038"},
        {{107, 1, 11, 12, 30, 0, 0}, true, "Sun Feb 11 12:30:00 2007"},
        // The layout holds 24 characters, whatever the year.
        {{12345 - 1900, 0, 1, 0, 0, 0, 1}, true, "Mon Jan 01 00:00:00 1234"},
        // No local time, or one that names no weekday or month: an empty text.
        {OCT_4_2001, false, ""},
        {{101, 12, 4, 9, 5, 7, 4}, true, ""},
        {{101, 9, 4, 9, 5, 7, 7}, true, ""},
        {{101, -1, 4, 9, 5, 7, -1}, true, ""},
    };
    for (const time_case &c : cases) {
        SCOPED_TRACE(c.text);
        machine.local = c.local;
        machine.local_ok = c.ok;
        title_status_reset();
        EXPECT_EQ(run_statuses(2)[1], c.text);
    }
}

TEST_F(TitleStatus, TimeKeepsAll64Bits)
{
    machine.now = 4102444800; // 2100-01-01, past the 32-bit limit
    run_statuses(2);
    ASSERT_EQ(machine.local_asked.size(), 2u);
    EXPECT_EQ(machine.local_asked[1], 4102444800);
}

TEST_F(TitleStatus, LibraryTextsShowUnknownWhenTheLibraryCouldNotBeLoaded)
{
    build_report(report_text);
    std::vector<std::string> texts = run_statuses(4);
    EXPECT_EQ(texts[2], "unknown");
    EXPECT_EQ(texts[3], "unknown");
}

TEST_F(TitleStatus, LibraryTextWithoutTerminatorIsCut)
{
    memset(ident_library.cpu_name, 'c', sizeof ident_library.cpu_name);
    memset(ident_library.extra_name, 'x', sizeof ident_library.extra_name);
    std::vector<std::string> texts = run_statuses(3);
    EXPECT_EQ(texts[2], std::string(255, 'c'));
}

// The live machine, through the real operating system.

// The machine's host name as Linux has it, also from inside Wine.
std::string linux_host_name()
{
#if defined(_WIN32)
    char line[256] = "";
    FILE *file = fopen("Z:\\proc\\sys\\kernel\\hostname", "r");
    if (!file)
        return "";
    if (!fgets(line, sizeof line, file))
        line[0] = '\0';
    fclose(file);
    line[strcspn(line, "\r\n")] = '\0';
    return line;
#else
    char name[256] = "";
    gethostname(name, sizeof name);
    name[sizeof name - 1] = '\0';
    return name;
#endif
}

// Physical memory in whole mebibytes as Linux counts it, 0 if unknown.
uint64_t linux_total_memory_mb()
{
#if defined(_WIN32)
    FILE *file = fopen("Z:\\proc\\meminfo", "r");
    if (!file)
        return 0;
    char line[256];
    unsigned long long kb = 0;
    while (fgets(line, sizeof line, file) && sscanf(line, "MemTotal: %llu kB", &kb) != 1) {
    }
    fclose(file);
    return kb >> 10;
#else
    struct sysinfo info;
    if (sysinfo(&info) != 0)
        return 0;
    return (uint64_t)info.totalram * info.mem_unit >> 20;
#endif
}

class LiveTitleStatus : public ::testing::Test {
protected:
    LiveTitleStatus() { title_status_reset(); }
};

TEST_F(LiveTitleStatus, ComputerAndUserNameAreThisMachines)
{
    std::string item0 = run_statuses(5)[4];
    std::string host = linux_host_name();
    ASSERT_FALSE(host.empty());
#if defined(_WIN32)
    // Wine names the computer after the host: upper case, at most 15
    // characters, and puts both names into the environment.
    size_t slash = item0.find('/');
    ASSERT_NE(slash, std::string::npos) << item0;
    std::string computer = item0.substr(0, slash);
    std::string host_upper = host;
    for (char &ch : host_upper)
        ch = (char)toupper((unsigned char)ch);
    EXPECT_FALSE(computer.empty());
    EXPECT_LE(computer.size(), 15u);
    EXPECT_EQ(host_upper.compare(0, computer.size(), computer), 0) << computer << " for host " << host;
    if (const char *environment_computer = getenv("COMPUTERNAME")) {
        EXPECT_EQ(computer, environment_computer);
    }
    std::string user = item0.substr(slash + 1);
    EXPECT_FALSE(user.empty());
    if (const char *environment_user = getenv("USERNAME")) {
        EXPECT_EQ(user, environment_user);
    }
#else
    struct passwd *entry = getpwuid(geteuid());
    ASSERT_NE(entry, nullptr);
    EXPECT_EQ(item0, host + "/" + entry->pw_name);
#endif
}

TEST_F(LiveTitleStatus, MemoryShowsThisMachinesTotal)
{
    uint64_t expected_mb = linux_total_memory_mb();
    if (expected_mb == 0)
        GTEST_SKIP() << "the system's memory total can't be read";
    std::string item1 = run_statuses(1)[0];
    unsigned load = 0;
    unsigned long long used_mb = 0, total_mb = 0;
    ASSERT_EQ(sscanf(item1.c_str(), "%u%% %llu/%lluMB MEMORY", &load, &used_mb, &total_mb), 3) << item1;
    EXPECT_LE(load, 100u);
    EXPECT_LE(used_mb, total_mb);
    // Within 2%: the platforms may round the figure a little differently.
    EXPECT_NEAR((double)total_mb, (double)expected_mb, expected_mb * 0.02) << item1;
}

TEST_F(LiveTitleStatus, TimeBeyond2038)
{
    // The real local time of a fixed instant past the 32-bit limit.
    os_seam at_2100 = os_seam_system;
    at_2100.time = []() -> int64_t { return 4102444800; }; // 2100-01-01 00:00:00 UTC
    scoped_os use(&at_2100);
    std::string item2 = run_statuses(2)[1];
    ASSERT_EQ(item2.size(), 24u) << item2;
    EXPECT_TRUE(item2.compare(0, 10, "Fri Jan 01") == 0 || item2.compare(0, 10, "Thu Dec 31") == 0) << item2;
    EXPECT_TRUE(item2.compare(20, 4, "2100") == 0 || item2.compare(20, 4, "2099") == 0) << item2;
}

} // namespace
