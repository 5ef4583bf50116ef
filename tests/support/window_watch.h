// Watching veltra.exe from another process under Wine, as another program
// would: its marked windows, their texts, timing with generous polls.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "info/report.h"

namespace window_watch {

// What VELTRA keeps in its dialog's user slot.
const LONG_PTR window_marker = 0x52121402;
const DWORD exit_code_other_instance = 0xFFFFFFFF; // -1

// Generous: the machine may be slow and shared.
const double window_timeout_s = 60;
const double exit_timeout_s = 20;

inline double now_s()
{
    static LARGE_INTEGER frequency;
    if (!frequency.QuadPart)
        QueryPerformanceFrequency(&frequency);
    LARGE_INTEGER count;
    QueryPerformanceCounter(&count);
    return (double)count.QuadPart / (double)frequency.QuadPart;
}

// Polls done() every interval_ms until it holds or timeout_s have passed.
template <class Condition> bool poll(double timeout_s, Condition done, DWORD interval_ms = 10)
{
    double deadline = now_s() + timeout_s;
    for (;;) {
        if (done())
            return true;
        if (now_s() > deadline)
            return false;
        Sleep(interval_ms);
    }
}

// The folder of this program, the build's bin folder, without a final "\".
inline std::string own_folder()
{
    char path[MAX_PATH];
    DWORD length = GetModuleFileNameA(NULL, path, sizeof path);
    std::string folder(path, length);
    return folder.substr(0, folder.find_last_of('\\'));
}

inline DWORD window_process(HWND window)
{
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    return process;
}

inline BOOL CALLBACK collect_marked_window(HWND window, LPARAM found)
{
    if (GetWindowLongPtrA(window, DWLP_USER) == window_marker)
        ((std::vector<HWND> *)found)->push_back(window);
    return TRUE;
}

// Every top-level window that carries VELTRA's marker, of any process.
inline std::vector<HWND> marked_windows()
{
    std::vector<HWND> found;
    EnumWindows(collect_marked_window, (LPARAM)&found);
    return found;
}

// The text of a window of another process; empty when it doesn't answer.
inline std::string window_text(HWND window)
{
    static char text[REPORT_TEXT_SIZE * 2];
    DWORD_PTR copied = 0;
    if (!SendMessageTimeoutA(window, WM_GETTEXT, sizeof text, (LPARAM)text, SMTO_ABORTIFHUNG, 5000, &copied))
        return std::string();
    return std::string(text, copied);
}

// The caption's computer and user item as this machine would show it.
inline std::string computer_and_user()
{
    char computer[MAX_COMPUTERNAME_LENGTH + 1] = "", user[257] = "";
    DWORD computer_size = sizeof computer, user_size = sizeof user;
    GetComputerNameA(computer, &computer_size);
    GetUserNameA(user, &user_size);
    return std::string(computer) + "/" + user;
}

// One start of veltra.exe; ended by force if a test leaves it running.
class veltra_process {
public:
    veltra_process() { ZeroMemory(&info_, sizeof info_); }
    ~veltra_process()
    {
        if (!info_.hProcess)
            return;
        if (WaitForSingleObject(info_.hProcess, 0) == WAIT_TIMEOUT) {
            TerminateProcess(info_.hProcess, 1);
            WaitForSingleObject(info_.hProcess, 10000);
        }
        CloseHandle(info_.hProcess);
        CloseHandle(info_.hThread);
    }
    veltra_process(const veltra_process &) = delete;
    veltra_process &operator=(const veltra_process &) = delete;

    // Starts folder\veltra.exe with working_folder (default: folder) as its
    // working directory.
    bool start(const std::string &folder, const std::string &working_folder = std::string())
    {
        return create(folder, working_folder, 0);
    }

    // The same, held before its first instruction until resume().
    bool start_suspended(const std::string &folder) { return create(folder, std::string(), CREATE_SUSPENDED); }

    void resume() { ResumeThread(info_.hThread); }

    // The marked window of this process, visible or not yet.
    HWND find_window() const
    {
        for (HWND window : marked_windows())
            if (window_process(window) == info_.dwProcessId)
                return window;
        return NULL;
    }

    HWND wait_for_window()
    {
        HWND window = NULL;
        poll(window_timeout_s, [&] { return (window = find_window()) != NULL; }, 2);
        return window;
    }

    // Waits for the window to be visible, noting when it was first seen
    // carrying the marker and first seen visible.
    HWND wait_until_visible()
    {
        HWND window = NULL;
        poll(window_timeout_s, [&] {
            if (!window && (window = find_window()) != NULL)
                marked_s = now_s();
            return window && IsWindowVisible(window);
        }, 2);
        visible_s = now_s();
        return window && IsWindowVisible(window) ? window : NULL;
    }

    bool running() const { return WaitForSingleObject(info_.hProcess, 0) == WAIT_TIMEOUT; }

    // The exit code, or STILL_ACTIVE when the process doesn't end in time.
    DWORD wait_for_exit(double timeout_s = exit_timeout_s)
    {
        WaitForSingleObject(info_.hProcess, (DWORD)(timeout_s * 1000));
        DWORD code = STILL_ACTIVE;
        GetExitCodeProcess(info_.hProcess, &code);
        return code;
    }

    HANDLE handle() const { return info_.hProcess; }
    DWORD id() const { return info_.dwProcessId; }
    DWORD thread_id() const { return info_.dwThreadId; }

    double started_s = 0, marked_s = 0, visible_s = 0;

private:
    bool create(const std::string &folder, const std::string &working_folder, DWORD flags)
    {
        std::string program = folder + "\\veltra.exe";
        std::string working = working_folder.empty() ? folder : working_folder;
        STARTUPINFOA startup;
        ZeroMemory(&startup, sizeof startup);
        startup.cb = sizeof startup;
        started_s = now_s();
        return CreateProcessA(program.c_str(), NULL, NULL, NULL, FALSE, flags, NULL, working.c_str(), &startup,
                              &info_) != 0;
    }

    PROCESS_INFORMATION info_;
};

} // namespace window_watch
