// Start-up times of window programs, side by side:
//
//   start_timer ROUNDS PROGRAM.exe [PROGRAM.exe...]
//
// Each round starts every program once, in turn, and times it from the
// moment it is asked for (CreateProcess) to the moment a visible top-level
// window of the new process is seen, then closes that window as the close
// box would and waits for the process to end. Prints one line per start and
// one summary per program:
//
//   start PROGRAM SECONDS EXIT_CODE
//   median PROGRAM SECONDS MIN MAX
//
//   start_timer --hold SECONDS PROGRAM.exe
//
// starts the program once, prints "visible SECONDS" as soon as its window
// shows, leaves it alone for SECONDS, then closes it and prints "ended
// EXIT_CODE".
#include <windows.h>

#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include <algorithm>
#include <string>
#include <vector>

static double now_s()
{
    static LARGE_INTEGER frequency;
    if (!frequency.QuadPart)
        QueryPerformanceFrequency(&frequency);
    LARGE_INTEGER count;
    QueryPerformanceCounter(&count);
    return (double)count.QuadPart / (double)frequency.QuadPart;
}

struct window_search {
    DWORD process;
    HWND found;
};

static BOOL CALLBACK find_visible_window(HWND window, LPARAM parameter)
{
    window_search *search = (window_search *)parameter;
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    if (process == search->process && IsWindowVisible(window)) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

struct started_program {
    PROCESS_INFORMATION info;
    HWND window;
};

// Starts program in its own folder and waits for its first visible window.
// Returns the seconds that took, or a negative value when the program fails
// to start or shows nothing within 30 s.
static double start_and_wait(const std::string &program, started_program *started)
{
    std::string folder = program.substr(0, program.find_last_of("\\/") + 1);
    STARTUPINFOA startup;
    ZeroMemory(&startup, sizeof startup);
    startup.cb = sizeof startup;
    const double timeout_s = 30;
    started->window = NULL;

    double start = now_s();
    if (!CreateProcessA(program.c_str(), NULL, NULL, NULL, FALSE, 0, NULL, folder.empty() ? NULL : folder.c_str(),
                        &startup, &started->info)) {
        ZeroMemory(&started->info, sizeof started->info);
        return -1;
    }
    window_search search = {started->info.dwProcessId, NULL};
    for (;;) {
        EnumWindows(find_visible_window, (LPARAM)&search);
        double now = now_s();
        if (search.found) {
            started->window = search.found;
            return now - start;
        }
        if (now - start > timeout_s || WaitForSingleObject(started->info.hProcess, 0) == WAIT_OBJECT_0)
            return -1;
        Sleep(1);
    }
}

// Closes the window as the close box would and returns the exit code.
static DWORD close_and_wait(started_program *started)
{
    if (!started->info.hProcess)
        return STILL_ACTIVE;
    if (started->window)
        PostMessageA(started->window, WM_CLOSE, 0, 0);
    if (WaitForSingleObject(started->info.hProcess, 20000) == WAIT_TIMEOUT)
        TerminateProcess(started->info.hProcess, 1);
    DWORD exit_code = STILL_ACTIVE;
    GetExitCodeProcess(started->info.hProcess, &exit_code);
    CloseHandle(started->info.hProcess);
    CloseHandle(started->info.hThread);
    return exit_code;
}

static int hold(double seconds, const std::string &program)
{
    started_program started;
    double shown = start_and_wait(program, &started);
    printf("visible %.4f\n", shown);
    fflush(stdout);
    if (shown >= 0)
        Sleep((DWORD)(seconds * 1000));
    DWORD exit_code = close_and_wait(&started);
    printf("ended %lu\n", (unsigned long)exit_code);
    return shown >= 0 && exit_code == 0 ? 0 : 1;
}

static std::string base_name(const std::string &path)
{
    return path.substr(path.find_last_of("\\/") + 1);
}

int main(int argc, char **argv)
{
    if (argc == 4 && strcmp(argv[1], "--hold") == 0 && atof(argv[2]) > 0)
        return hold(atof(argv[2]), argv[3]);
    int rounds = argc > 2 ? atoi(argv[1]) : 0;
    if (rounds <= 0) {
        fprintf(stderr, "usage: start_timer ROUNDS PROGRAM.exe [PROGRAM.exe...]\n"
                        "       start_timer --hold SECONDS PROGRAM.exe\n");
        return 2;
    }
    std::vector<std::string> programs(argv + 2, argv + argc);
    std::vector<std::vector<double>> times(programs.size());
    int status = 0;
    for (int round = 0; round < rounds; round++)
        for (size_t i = 0; i < programs.size(); i++) {
            started_program started;
            double seconds = start_and_wait(programs[i], &started);
            DWORD exit_code = close_and_wait(&started);
            printf("start %s %.4f %lu\n", base_name(programs[i]).c_str(), seconds, (unsigned long)exit_code);
            fflush(stdout);
            if (seconds < 0 || exit_code != 0)
                status = 1;
            else
                times[i].push_back(seconds);
            Sleep(300); // lets the ended process's traces settle
        }
    for (size_t i = 0; i < programs.size(); i++) {
        std::vector<double> &t = times[i];
        if (t.empty())
            continue;
        std::sort(t.begin(), t.end());
        size_t n = t.size();
        double median = n % 2 ? t[n / 2] : (t[n / 2 - 1] + t[n / 2]) / 2;
        printf("median %s %.4f %.4f %.4f\n", base_name(programs[i]).c_str(), median, t.front(), t.back());
    }
    return status;
}
