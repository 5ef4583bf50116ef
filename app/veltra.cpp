// VELTRA's window: the single-instance start and the main dialog, which shows
// the report, copies it to the clipboard and rotates the status caption.
#include <windows.h>

#include <stdio.h>
#include <stdlib.h>

#include "app/clipboard_copy.h"
#include "info/report.h"
#include "info/title_status.h"
#include "res/resource.h"

// Kept in the dialog's user slot; another instance finds the window by it.
static const LONG window_marker = 0x52121402;

enum { TIMER_TITLE = 1, TIMER_TITLE_PERIOD_MS = 3000 };
enum { VERSION_MAJOR = 1, VERSION_MINOR = 0 };
enum { WINDOW_TEXT_SIZE = 260 };

// Held for the whole run and never closed: its existence marks a running
// instance.
static HANDLE instance_mutex;

typedef BOOL(WINAPI *set_default_dll_directories_proc)(DWORD flags);

// Takes the working directory out of the library search, so that only the
// "ornik.dll" beside the executable (or a system one) can be loaded, never one
// planted in whatever directory the program was started from. The empty
// directory does it on Windows; systems that know default directories (Windows
// 8 and later, Windows 7 with its update, Wine, which ignores the empty one)
// are told to search the executable's folder and the system folders only.
static void remove_working_directory_from_library_search(void)
{
    SetDllDirectoryA("");
    HMODULE kernel = GetModuleHandleA("kernel32.dll");
    set_default_dll_directories_proc set_default_directories =
        kernel ? (set_default_dll_directories_proc)(void *)GetProcAddress(kernel, "SetDefaultDllDirectories")
               : NULL;
    if (set_default_directories)
        set_default_directories(LOAD_LIBRARY_SEARCH_DEFAULT_DIRS);
}

static void show_next_title_status(HWND dialog)
{
    char title[TITLE_STATUS_SIZE];
    format_title_status(title);
    SetWindowTextA(dialog, title);
}

static void lower_own_priority(void)
{
    HANDLE self = OpenProcess(PROCESS_SET_INFORMATION, FALSE, GetCurrentProcessId());
    if (!self)
        return;
    SetPriorityClass(self, IDLE_PRIORITY_CLASS);
    CloseHandle(self);
}

// Everything happens before the window becomes visible, the half-second clock
// measurement of the report included.
static INT_PTR on_init_dialog(HWND dialog)
{
    // The marker comes first: a second instance started meanwhile finds the
    // window even while the report is being built. DWLP_USER is DWL_USER on
    // 32-bit Windows.
    SetWindowLongPtrA(dialog, DWLP_USER, window_marker);
    SetClassLongPtrA(dialog, GCLP_HICON, (LONG_PTR)LoadIconA(NULL, IDI_ASTERISK));

    show_next_title_status(dialog);

    char version[WINDOW_TEXT_SIZE];
    snprintf(version, sizeof version, "VELTRA ver%d.%02d", VERSION_MAJOR, VERSION_MINOR);
    SetWindowTextA(GetDlgItem(dialog, IDC_VERSION), version);

    build_report(report_text);
    SetWindowTextA(GetDlgItem(dialog, IDC_REPORT), report_text);

    SetTimer(dialog, TIMER_TITLE, TIMER_TITLE_PERIOD_MS, NULL);
    lower_own_priority();
    return TRUE; // the platform focuses the first control, the copy button
}

static INT_PTR on_command(HWND dialog, WPARAM wparam)
{
    switch (LOWORD(wparam)) {
    case IDCANCEL: // Escape, the close box and the system menu's Close
        EndDialog(dialog, IDCANCEL);
        break;
    case IDC_COPY:
        copy_text_to_clipboard(&clipboard_seam_system, dialog, report_text);
        break;
    }
    return TRUE;
}

INT_PTR CALLBACK main_dialog_proc(HWND dialog, UINT message, WPARAM wparam, LPARAM lparam)
{
    (void)lparam;
    switch (message) {
    case WM_INITDIALOG:
        return on_init_dialog(dialog);
    case WM_COMMAND:
        return on_command(dialog, wparam);
    case WM_TIMER:
        show_next_title_status(dialog);
        return TRUE;
    case WM_DESTROY:
        KillTimer(dialog, TIMER_TITLE);
        return TRUE;
    }
    return FALSE;
}

// Raises the first window that carries the marker and stops the enumeration.
BOOL CALLBACK activate_running_instance(HWND window, LPARAM parameter)
{
    (void)parameter;
    if (GetWindowLongPtrA(window, DWLP_USER) != window_marker)
        return TRUE;
    SetForegroundWindow(window);
    ShowWindow(window, SW_SHOW);
    return FALSE;
}

int WINAPI WinMain(HINSTANCE instance, HINSTANCE previous, LPSTR command_line, int show)
{
    (void)previous;
    (void)command_line;
    (void)show;
    remove_working_directory_from_library_search();

    instance_mutex = CreateMutexA(NULL, FALSE, "veltra");
    DWORD error = GetLastError();
    if (!instance_mutex)
        exit(-1);
    if (error == ERROR_ALREADY_EXISTS) {
        EnumWindows(activate_running_instance, 0);
        exit(-1);
    }
    // Ends with 0 however the dialog ends, also when it can't be created.
    DialogBoxParamA(instance, MAKEINTRESOURCEA(IDD_MAIN), NULL, main_dialog_proc, 0);
    return 0;
}
