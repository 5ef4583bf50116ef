// The floor of the start-up figures: the smallest dialog program of ours. A
// window of VELTRA's size, styles and font, with no controls and no work
// before it shows. Escape or the close box ends it.
#include <windows.h>

// The dialog template: the styles, position, size and font of VELTRA's own,
// no menu, the standard class, no caption, no controls. A template starts on
// a DWORD boundary.
alignas(4) static const WORD empty_template[] = {
    LOWORD(WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | DS_MODALFRAME | DS_CENTER | DS_SETFONT),
    HIWORD(WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | DS_MODALFRAME | DS_CENTER | DS_SETFONT),
    0, 0,     // extended style
    0,        // controls
    0, 0,     // position
    252, 229, // size
    0, 0, 0,  // menu, class, caption
    9,        // point size; "ＭＳ ゴシック"
    0xFF2D, 0xFF33, 0x0020, 0x30B4, 0x30B7, 0x30C3, 0x30AF, 0,
};

static INT_PTR CALLBACK empty_dialog_proc(HWND dialog, UINT message, WPARAM wparam, LPARAM lparam)
{
    (void)lparam;
    if (message == WM_INITDIALOG)
        return TRUE;
    if (message == WM_COMMAND && LOWORD(wparam) == IDCANCEL) {
        EndDialog(dialog, IDCANCEL);
        return TRUE;
    }
    return FALSE;
}

int WINAPI WinMain(HINSTANCE instance, HINSTANCE previous, LPSTR command_line, int show)
{
    (void)previous;
    (void)command_line;
    (void)show;
    DialogBoxIndirectParamW(instance, (LPCDLGTEMPLATEW)empty_template, NULL, empty_dialog_proc, 0);
    return 0;
}
