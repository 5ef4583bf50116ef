// veltra.exe under stress, watched from outside as another program would:
// broken and hostile companion libraries beside it, eight starts at once, a
// start while the first instance is still building its report. The tests run
// one after the other: VELTRA allows one instance at a time.
#include <windows.h>

#include <gtest/gtest.h>

#include <stdio.h>

#include <regex>
#include <string>
#include <vector>

#include "info/report.h"
#include "probe/cpu_x86.h"
#include "res/resource.h"
#include "support/window_watch.h"
#include "stress/hostile_texts.h"

namespace {

using namespace window_watch;

const double caption_period_s = 3;

std::string stress_folder(const std::string &name)
{
    return own_folder() + "\\stress\\" + name;
}

// Ends VELTRA as the close box would.
void close_window(HWND window)
{
    PostMessageA(window, WM_CLOSE, 0, 0);
}

// --- what the window must show ---

// One caption: a pattern, or an exact text.
struct caption_item {
    std::string text;
    bool pattern;
};

const std::string memory_pattern = "[0-9]{1,3}% [0-9]+/[0-9]+MB MEMORY";
const std::string time_pattern = "(Sun|Mon|Tue|Wed|Thu|Fri|Sat) (Jan|Feb|Mar|Apr|May|Jun|Jul|Aug|Sep|Oct|Nov|Dec) "
                                 "[0-3][0-9] [0-2][0-9]:[0-5][0-9]:[0-6][0-9] [0-9]{4}";

// The captions from start-up on: memory, time, the two record texts, the
// names, memory again. Two equal texts in a row show as one.
std::vector<caption_item> caption_cycle(const std::string &cpu_name, const std::string &os_name)
{
    std::vector<caption_item> all = {{memory_pattern, true}, {time_pattern, true}, {cpu_name, false},
                                     {os_name, false},       {computer_and_user(), false},
                                     {memory_pattern, true}};
    std::vector<caption_item> shown;
    for (const caption_item &item : all)
        if (shown.empty() || item.pattern || shown.back().pattern || item.text != shown.back().text)
            shown.push_back(item);
    return shown;
}

// Watches the caption until it has shown count texts (the first included) or
// the window is gone.
std::vector<std::string> watch_captions(HWND window, size_t count)
{
    std::vector<std::string> seen;
    poll(caption_period_s * (double)count + 10, [&] {
        if (!IsWindow(window))
            return true;
        std::string caption = window_text(window);
        if (!caption.empty() && (seen.empty() || caption != seen.back()))
            seen.push_back(caption);
        return seen.size() >= count;
    }, 20);
    return seen;
}

testing::AssertionResult captions_follow(const std::vector<std::string> &seen,
                                         const std::vector<caption_item> &expected, size_t count)
{
    if (seen.size() < count)
        return testing::AssertionFailure() << "the caption showed " << seen.size() << " texts, not " << count;
    for (size_t i = 0; i < count; i++) {
        const caption_item &item = expected[i];
        bool match = item.pattern ? std::regex_match(seen[i], std::regex(item.text)) : seen[i] == item.text;
        if (!match)
            return testing::AssertionFailure() << "caption " << i + 1 << " is \"" << seen[i] << "\", expected "
                                               << (item.pattern ? "the pattern " : "") << "\"" << item.text << "\"";
    }
    return testing::AssertionSuccess();
}

std::vector<std::string> lines_of(const std::string &text)
{
    std::vector<std::string> lines;
    size_t start = 0;
    for (size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2)
        lines.push_back(text.substr(start, end - start));
    lines.push_back(text.substr(start)); // after the last line end: empty
    return lines;
}

// The machine's own lines of a full report: the four processor lines and
// the service-pack text, read here as veltra.exe reads them.
struct machine_lines {
    std::vector<std::string> processor;
    std::string service_pack;
    unsigned long clock_mhz;
};

const machine_lines &this_machine()
{
    static machine_lines machine;
    if (machine.processor.empty()) {
        processor_identity id;
        read_processor_identity(&id);
        char lines[1024];
        format_processor_lines(lines, sizeof lines, &id, "\r\n");
        machine.processor = lines_of(lines);
        machine.processor.pop_back();
        OSVERSIONINFOA version;
        ZeroMemory(&version, sizeof version);
        version.dwOSVersionInfoSize = sizeof version;
        GetVersionExA(&version);
        machine.service_pack = version.szCSDVersion;
        uint64_t hz = 0;
        measure_clock_hz(&hz);
        machine.clock_mhz = (unsigned long)(hz / 1000000);
    }
    return machine;
}

// A full report: every line as the template gives it, except the
// attribution after the version and the measured clock, which must be near
// the one measured here.
testing::AssertionResult full_report_is(const std::string &shown, const std::string &version,
                                        const std::string &cpu_name, const std::string &caches,
                                        const std::string &os_name)
{
    const machine_lines &machine = this_machine();
    const std::string equals(56, '='), hyphens(56, '-');
    std::vector<std::string> expected = {equals, "ORNIK ver" + version + " ", equals, ""};
    expected.insert(expected.end(), machine.processor.begin(), machine.processor.end());
    std::vector<std::string> tail = {"",
                                     hyphens,
                                     "",
                                     "cpu   : " + cpu_name,
                                     "cache : " + caches,
                                     "clock : ",
                                     "os    : " + os_name + " " + machine.service_pack,
                                     "",
                                     equals,
                                     ""};
    expected.insert(expected.end(), tail.begin(), tail.end());

    std::vector<std::string> lines = lines_of(shown);
    if (lines.size() != expected.size())
        return testing::AssertionFailure() << lines.size() - 1 << " lines, not " << expected.size() - 1 << ":\n"
                                           << shown;
    for (size_t i = 0; i < lines.size(); i++) {
        const std::string &line = lines[i], &want = expected[i];
        bool match;
        if (i == 1) {
            match = line.size() > want.size() && line.compare(0, want.size(), want) == 0;
        } else if (want == "clock : ") {
            unsigned long mhz = 0;
            char tail_text[8] = "";
            match = sscanf(line.c_str(), "clock : %lu%7s", &mhz, tail_text) == 2 &&
                    std::string(tail_text) == "[MHz]" && mhz * 20 >= machine.clock_mhz * 19 &&
                    mhz * 20 <= machine.clock_mhz * 21;
        } else {
            match = line == want;
        }
        if (!match)
            return testing::AssertionFailure() << "line " << i + 1 << " is\n  \"" << line << "\"\nexpected\n  \""
                                               << want << (i == 1 ? "...\"" : "\"") << "\nreport:\n" << shown;
    }
    return testing::AssertionSuccess();
}

const char cannot_load[] = "Can not load \"ornik.dll\".";
const char no_function[] = "Can not find the function.";

std::string mismatch(const char *version)
{
    return std::string("ORNIK ver") + version + "\r\nORNIK major version is mismatch.";
}

std::string unterminated(char fill)
{
    return std::string(HOSTILE_TEXT_LENGTH, fill);
}

std::string long_text(char first)
{
    char text[HOSTILE_TEXT_LENGTH + 1];
    hostile_long_text(text, first);
    return text;
}

const char zero_caches[] = "L1I:0 L1T:0 L1D:0 L2D:0 L3D:0";

// One library beside veltra.exe (tests/stress/CMakeLists.txt builds them):
// what the report shows, what the record's two texts show in the caption,
// and how many captions to watch.
struct library_case {
    const char *folder;
    std::string error_text; // empty: a full report with the fields below
    std::string version, caches;
    std::string cpu_name, os_name;
    size_t captions;
};

void PrintTo(const library_case &c, std::ostream *out)
{
    *out << c.folder;
}

class hostile_library : public testing::TestWithParam<library_case> {
protected:
    void TearDown() override
    {
        // No test leaves a window behind for the next one to find.
        poll(exit_timeout_s, [] { return marked_windows().empty(); }, 50);
    }
};

TEST_P(hostile_library, shows_its_exact_text_keeps_the_window_up_and_rotates_the_caption)
{
    const library_case &c = GetParam();
    veltra_process veltra;
    ASSERT_TRUE(veltra.start(stress_folder(c.folder)));
    HWND window = veltra.wait_until_visible();
    ASSERT_NE(window, nullptr) << "no visible window with the marker";

    std::string shown = window_text(GetDlgItem(window, IDC_REPORT));
    if (c.error_text.empty())
        EXPECT_TRUE(full_report_is(shown, c.version, c.cpu_name, c.caches, c.os_name));
    else
        EXPECT_EQ(shown, c.error_text);

    EXPECT_TRUE(captions_follow(watch_captions(window, c.captions), caption_cycle(c.cpu_name, c.os_name),
                                c.captions));
    EXPECT_TRUE(veltra.running());
    EXPECT_TRUE(IsWindowVisible(window));

    close_window(window);
    EXPECT_EQ(veltra.wait_for_exit(), 0u);
}

// The record's texts as the report and the caption show them: at most 255
// characters, also when the library leaves no terminator.
const library_case library_cases[] = {
    {"missing", cannot_load, "", "", "unknown", "unknown", 4},
    {"init-fails", cannot_load, "", "", "unknown", "unknown", 2},
    {"no-export", no_function, "", "", "unknown", "unknown", 2},
    {"other-export", no_function, "", "", "unknown", "unknown", 2},
    // A rejected library's texts stay in the record and reach the caption.
    {"version-0000", mismatch("0.00"), "", "", HOSTILE_CPU_NAME, HOSTILE_OS_NAME, 4},
    {"version-0200", mismatch("2.00"), "", "", HOSTILE_CPU_NAME, HOSTILE_OS_NAME, 2},
    {"version-ffff", mismatch("255.255"), "", "", HOSTILE_CPU_NAME, HOSTILE_OS_NAME, 2},
    {"version-minus-1", mismatch("-1.255"), "", "", HOSTILE_CPU_NAME, HOSTILE_OS_NAME, 2},
    {"version-int-min", mismatch("-8388608.00"), "", "", HOSTILE_CPU_NAME, HOSTILE_OS_NAME, 2},
    {"unterminated", "", "1.00", zero_caches, unterminated(HOSTILE_UNTERMINATED_CPU_FILL),
     unterminated(HOSTILE_UNTERMINATED_OS_FILL), 6},
    {"long-texts", "", "1.255", zero_caches, long_text('c'), long_text('o'), 4},
    {"cache-extremes", "", "1.00", "L1I:-2147483648 L1T:2147483647 L1D:-2147483648 L2D:2147483647 L3D:-2147483648",
     HOSTILE_CPU_NAME, HOSTILE_OS_NAME, 2},
    {"writes-nothing", "", "1.00", zero_caches, "unknown", "unknown", 4},
};

std::string case_name(const testing::TestParamInfo<library_case> &info)
{
    std::string name = info.param.folder;
    for (char &c : name)
        if (c == '-')
            c = '_';
    return name;
}

INSTANTIATE_TEST_SUITE_P(each, hostile_library, testing::ValuesIn(library_cases), case_name);

// --- concurrent starts ---

class concurrent_starts : public testing::Test {
protected:
    void TearDown() override
    {
        poll(exit_timeout_s, [] { return marked_windows().empty(); }, 50);
    }
};

TEST_F(concurrent_starts, eight_at_once_leave_one_window_ten_rounds_running)
{
    const size_t starts = 8;
    for (int round = 1; round <= 10; round++) {
        SCOPED_TRACE("round " + std::to_string(round));
        std::vector<veltra_process> runs(starts);
        // Created held, then let go together.
        for (veltra_process &run : runs)
            ASSERT_TRUE(run.start_suspended(own_folder()));
        for (veltra_process &run : runs)
            run.resume();

        // Seven end with -1; the one left holds the only window.
        size_t survivor = starts;
        ASSERT_TRUE(poll(window_timeout_s, [&] {
            size_t running = 0;
            for (size_t i = 0; i < starts; i++)
                if (runs[i].running()) {
                    running++;
                    survivor = i;
                }
            return running == 1;
        }, 20)) << "not exactly one instance stays";
        for (size_t i = 0; i < starts; i++) {
            if (i != survivor) {
                EXPECT_EQ(runs[i].wait_for_exit(0), exit_code_other_instance) << "start " << i;
            }
        }

        HWND window = runs[survivor].wait_until_visible();
        ASSERT_NE(window, nullptr) << "the surviving instance shows no window";
        std::vector<HWND> windows = marked_windows();
        EXPECT_EQ(windows.size(), 1u);
        EXPECT_TRUE(poll(10, [&] { return GetForegroundWindow() == window; }, 20))
            << "the surviving window isn't the one in front";

        close_window(window);
        EXPECT_EQ(runs[survivor].wait_for_exit(), 0u);
        ASSERT_TRUE(poll(exit_timeout_s, [] { return marked_windows().empty(); }, 20));
    }
}

TEST_F(concurrent_starts, a_start_while_the_first_builds_its_report_finds_its_window)
{
    // Beside a library that takes three seconds to answer, set-up lasts long
    // enough for the second start to come while the window is still hidden.
    veltra_process first, second;
    ASSERT_TRUE(first.start(stress_folder("slow")));
    HWND window = NULL;
    ASSERT_TRUE(poll(window_timeout_s, [&] { return (window = first.find_window()) != NULL; }, 2))
        << "the first instance's window never carries the marker";
    ASSERT_FALSE(IsWindowVisible(window)) << "set-up ended before the second start";

    ASSERT_TRUE(second.start(own_folder()));
    double started_s = now_s();
    EXPECT_EQ(second.wait_for_exit(window_timeout_s), exit_code_other_instance);
    double ended_s = now_s();
    EXPECT_EQ(second.find_window(), nullptr);

    // The second start shows the window it found: its show request waits for
    // the first instance's set-up to end, which the slow library stretches.
    EXPECT_TRUE(IsWindowVisible(window));
    EXPECT_GT(ended_s - started_s, 1.0) << "the second start ended without waiting to show the window";
    EXPECT_TRUE(poll(10, [&] { return GetForegroundWindow() == window; }, 20));
    std::vector<HWND> windows = marked_windows();
    EXPECT_EQ(windows.size(), 1u);
    EXPECT_TRUE(first.running());

    close_window(window);
    EXPECT_EQ(first.wait_for_exit(), 0u);
}

} // namespace
