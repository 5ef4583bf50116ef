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

} // namespace window_watch
