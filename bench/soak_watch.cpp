// Watches one run of veltra.exe for a long while, from outside:
//
//   soak_watch MINUTES PATH\veltra.exe
//
// Starts the program, then reads its caption every 100 ms and checks that
// it moves through the five items in their order, one step about every 3 s.
// Once a minute it prints the process's counts:
//
//   minute M handles H gdi G user U working_set_kb W pagefile_kb P captions C order_errors E
//
// and at the end a summary line "soak ..." with the first and last counts
// and the caption timing. Handles are the process's entries in the system's
// handle list; GDI and USER objects come from GetGuiResources where the
// system implements it. Wine's is a stub, so there the GDI objects are
// counted in the process's GDI handle table (which its PEB names, as on
// Windows) and the USER objects are the process's windows.
#include <windows.h>

#include <psapi.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <winternl.h>

#include <regex>
#include <string>
#include <vector>

namespace {

const LONG_PTR window_marker = 0x52121402;

double now_s()
{
    static LARGE_INTEGER frequency;
    if (!frequency.QuadPart)
        QueryPerformanceFrequency(&frequency);
    LARGE_INTEGER count;
    QueryPerformanceCounter(&count);
    return (double)count.QuadPart / (double)frequency.QuadPart;
}

typedef NTSTATUS(NTAPI *query_system_proc)(ULONG, PVOID, ULONG, PULONG);
typedef NTSTATUS(NTAPI *query_process_proc)(HANDLE, ULONG, PVOID, ULONG, PULONG);

// SystemHandleInformation (16): one entry per open handle of every process.
struct system_handle_entry {
    ULONG owner_process;
    BYTE object_type;
    BYTE flags;
    USHORT value;
    PVOID object;
    ULONG access;
};

DWORD handle_count(DWORD process)
{
    static query_system_proc query =
        (query_system_proc)(void *)GetProcAddress(GetModuleHandleA("ntdll.dll"), "NtQuerySystemInformation");
    static std::vector<char> buffer(1 << 20);
    if (!query)
        return 0;
    ULONG needed = 0;
    while (query(16, buffer.data(), (ULONG)buffer.size(), &needed) != 0) {
        if (buffer.size() >= (64u << 20))
            return 0;
        buffer.resize(buffer.size() * 2);
    }
    ULONG count = *(ULONG *)buffer.data();
    const system_handle_entry *entries = (const system_handle_entry *)(buffer.data() + sizeof(ULONG_PTR));
    DWORD mine = 0;
    for (ULONG i = 0; i < count; i++)
        if (entries[i].owner_process == process)
            mine++;
    return mine;
}

// Wine's GDI handle table entry (include/ntgdi.h); the table holds 65536.
#pragma pack(push, 1)
struct wine_gdi_entry {
    UINT64 object;
    ULONG owner;
    USHORT unique;
    UCHAR type;
    UCHAR flags;
    UINT64 user_pointer;
};
#pragma pack(pop)

// The GDI objects of the process: the used entries of the handle table that
// its PEB points to (at 0x94 in a 32-bit PEB). 0 when it can't be read.
DWORD gdi_table_count(HANDLE process)
{
    static query_process_proc query =
        (query_process_proc)(void *)GetProcAddress(GetModuleHandleA("ntdll.dll"), "NtQueryInformationProcess");
    PROCESS_BASIC_INFORMATION basic;
    if (!query || query(process, ProcessBasicInformation, &basic, sizeof basic, NULL) != 0)
        return 0;
    DWORD table = 0;
    SIZE_T read = 0;
    if (!ReadProcessMemory(process, (char *)basic.PebBaseAddress + 0x94, &table, sizeof table, &read) || !table)
        return 0;
    static std::vector<wine_gdi_entry> entries(65536);
    if (!ReadProcessMemory(process, (void *)(ULONG_PTR)table, entries.data(), entries.size() * sizeof entries[0],
                           &read))
        return 0;
    DWORD used = 0;
    for (size_t i = 0; i < read / sizeof entries[0]; i++)
        if (entries[i].type)
            used++;
    return used;
}

struct window_count {
    DWORD process;
    DWORD windows;
};

BOOL CALLBACK count_child(HWND, LPARAM parameter)
{
    ((window_count *)parameter)->windows++;
    return TRUE;
}

BOOL CALLBACK count_top_level(HWND window, LPARAM parameter)
{
    window_count *count = (window_count *)parameter;
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    if (process == count->process) {
        count->windows++;
        EnumChildWindows(window, count_child, parameter);
    }
    return TRUE;
}

struct sample {
    DWORD handles, gdi, user;
    SIZE_T working_set, pagefile;
};

sample take_sample(const PROCESS_INFORMATION &info)
{
    sample s;
    s.handles = handle_count(info.dwProcessId);
    s.gdi = GetGuiResources(info.hProcess, GR_GDIOBJECTS);
    s.user = GetGuiResources(info.hProcess, GR_USEROBJECTS);
    if (!s.gdi)
        s.gdi = gdi_table_count(info.hProcess);
    if (!s.user) {
        window_count count = {info.dwProcessId, 0};
        EnumWindows(count_top_level, (LPARAM)&count);
        s.user = count.windows;
    }
    PROCESS_MEMORY_COUNTERS memory;
    ZeroMemory(&memory, sizeof memory);
    memory.cb = sizeof memory;
    GetProcessMemoryInfo(info.hProcess, &memory, sizeof memory);
    s.working_set = memory.WorkingSetSize;
    s.pagefile = memory.PagefileUsage;
    return s;
}

struct marked_search {
    DWORD process;
    HWND found;
};

BOOL CALLBACK find_marked(HWND window, LPARAM parameter)
{
    marked_search *search = (marked_search *)parameter;
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    if (process == search->process && GetWindowLongPtrA(window, DWLP_USER) == window_marker &&
        IsWindowVisible(window)) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

std::string caption_of(HWND window)
{
    char text[1024];
    DWORD_PTR copied = 0;
    if (!SendMessageTimeoutA(window, WM_GETTEXT, sizeof text, (LPARAM)text, SMTO_ABORTIFHUNG, 5000, &copied))
        return std::string();
    return std::string(text, copied);
}

// The five items in the order they come, from the first call on: memory,
// time, processor, system, computer and user.
enum { ITEM_MEMORY, ITEM_TIME, ITEM_PROCESSOR, ITEM_SYSTEM, ITEM_NAMES, ITEM_COUNT };

bool is_memory(const std::string &caption)
{
    static const std::regex memory("[0-9]{1,3}% [0-9]+/[0-9]+MB MEMORY");
    return std::regex_match(caption, memory);
}

bool is_time(const std::string &caption)
{
    static const std::regex time("(Sun|Mon|Tue|Wed|Thu|Fri|Sat) (Jan|Feb|Mar|Apr|May|Jun|Jul|Aug|Sep|Oct|Nov|Dec) "
                                 "[0-3][0-9] [0-2][0-9]:[0-5][0-9]:[0-6][0-9] [0-9]{4}");
    return std::regex_match(caption, time);
}

std::string computer_and_user()
{
    char computer[MAX_COMPUTERNAME_LENGTH + 1] = "", user[257] = "";
    DWORD computer_size = sizeof computer, user_size = sizeof user;
    GetComputerNameA(computer, &computer_size);
    GetUserNameA(user, &user_size);
    return std::string(computer) + "/" + user;
}

} // namespace

int main(int argc, char **argv)
{
    double minutes = argc == 3 ? atof(argv[1]) : 0;
    if (minutes <= 0) {
        fprintf(stderr, "usage: soak_watch MINUTES PATH\\veltra.exe\n");
        return 2;
    }
    std::string program = argv[2];
    std::string folder = program.substr(0, program.find_last_of("\\/") + 1);
    STARTUPINFOA startup;
    ZeroMemory(&startup, sizeof startup);
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info;
    if (!CreateProcessA(program.c_str(), NULL, NULL, NULL, FALSE, 0, NULL, folder.empty() ? NULL : folder.c_str(),
                        &startup, &info)) {
        fprintf(stderr, "soak_watch: can't start %s\n", program.c_str());
        return 1;
    }
    marked_search search = {info.dwProcessId, NULL};
    double start = now_s();
    while (!search.found && now_s() - start < 60) {
        EnumWindows(find_marked, (LPARAM)&search);
        Sleep(10);
    }
    if (!search.found) {
        fprintf(stderr, "soak_watch: no window\n");
        TerminateProcess(info.hProcess, 1);
        return 1;
    }
    HWND window = search.found;
    const std::string names = computer_and_user();

    // The processor and system texts are learnt from the first cycle and
    // must read the same in every later one.
    std::string last, processor, system;
    int item = -1; // of the latest caption
    unsigned long captions = 0, order_errors = 0;
    double last_change = 0, shortest = 1e9, longest = 0;
    sample first = take_sample(info), latest = first;
    double next_sample = now_s() + 60;
    int minute = 0;
    printf("minute 0 handles %lu gdi %lu user %lu working_set_kb %lu pagefile_kb %lu captions 0 order_errors 0\n",
           first.handles, first.gdi, first.user, (unsigned long)(first.working_set >> 10),
           (unsigned long)(first.pagefile >> 10));
    fflush(stdout);
    double end = start + minutes * 60;
    bool alive = true;
    while (now_s() < end) {
        if (WaitForSingleObject(info.hProcess, 0) == WAIT_OBJECT_0) {
            alive = false;
            break;
        }
        std::string caption = caption_of(window);
        if (!caption.empty() && caption != last) {
            double now = now_s();
            // The first step starts at an unknown point of the first tick.
            if (captions > 1) {
                shortest = now - last_change < shortest ? now - last_change : shortest;
                longest = now - last_change > longest ? now - last_change : longest;
            }
            int expected = item < 0 ? ITEM_MEMORY : (item + 1) % ITEM_COUNT;
            bool in_order;
            switch (expected) {
            case ITEM_MEMORY:
                in_order = is_memory(caption);
                break;
            case ITEM_TIME:
                in_order = is_time(caption);
                break;
            case ITEM_PROCESSOR:
                if (processor.empty())
                    processor = caption;
                in_order = caption == processor;
                break;
            case ITEM_SYSTEM:
                if (system.empty())
                    system = caption;
                in_order = caption == system;
                break;
            default:
                in_order = caption == names;
                break;
            }
            if (!in_order) {
                order_errors++;
                fprintf(stderr, "soak_watch: \"%s\" after \"%s\"\n", caption.c_str(), last.c_str());
                // Picks the order up again where it can tell.
                expected = is_memory(caption) ? ITEM_MEMORY : is_time(caption) ? ITEM_TIME
                         : caption == names  ? ITEM_NAMES : expected;
            }
            item = expected;
            last = caption;
            last_change = now;
            captions++;
        }
        if (now_s() >= next_sample) {
            latest = take_sample(info);
            minute++;
            printf("minute %d handles %lu gdi %lu user %lu working_set_kb %lu pagefile_kb %lu captions %lu "
                   "order_errors %lu\n",
                   minute, latest.handles, latest.gdi, latest.user, (unsigned long)(latest.working_set >> 10),
                   (unsigned long)(latest.pagefile >> 10), captions, order_errors);
            fflush(stdout);
            next_sample += 60;
        }
        Sleep(100);
    }
    if (alive)
        PostMessageA(window, WM_CLOSE, 0, 0);
    DWORD exit_code = STILL_ACTIVE;
    if (WaitForSingleObject(info.hProcess, 20000) == WAIT_TIMEOUT)
        TerminateProcess(info.hProcess, 1);
    GetExitCodeProcess(info.hProcess, &exit_code);
    printf("soak %.1f minutes: captions %lu, order errors %lu, steps %.2f-%.2f s, handles %lu -> %lu, gdi %lu -> %lu, "
           "user %lu -> %lu, working set %lu -> %lu KB, pagefile %lu -> %lu KB, exit code %lu\n",
           (now_s() - start) / 60, captions, order_errors, shortest, longest, first.handles, latest.handles, first.gdi,
           latest.gdi, first.user, latest.user, (unsigned long)(first.working_set >> 10),
           (unsigned long)(latest.working_set >> 10), (unsigned long)(first.pagefile >> 10),
           (unsigned long)(latest.pagefile >> 10), (unsigned long)exit_code);
    return alive && order_errors == 0 && exit_code == 0 ? 0 : 1;
}
