// Hands a text to the clipboard as CF_TEXT. The memory and clipboard calls go
// through a seam, so that tests can make each of them fail.
#pragma once

#include <windows.h>

struct clipboard_seam {
    HGLOBAL(WINAPI *GlobalAlloc)(UINT flags, SIZE_T bytes);
    LPVOID(WINAPI *GlobalLock)(HGLOBAL block);
    BOOL(WINAPI *GlobalUnlock)(HGLOBAL block);
    HGLOBAL(WINAPI *GlobalFree)(HGLOBAL block);
    BOOL(WINAPI *OpenClipboard)(HWND owner);
    BOOL(WINAPI *EmptyClipboard)(void);
    HANDLE(WINAPI *SetClipboardData)(UINT format, HANDLE data);
    BOOL(WINAPI *CloseClipboard)(void);
};

// The platform's own calls.
extern const clipboard_seam clipboard_seam_system;

// Copies text with its terminator into a movable shared block and places the
// block on the clipboard, which owner then owns. Returns true when the
// clipboard took the block; otherwise the block is freed again (or was never
// allocated) and the clipboard holds what it held before, unless it was
// emptied before refusing the block.
bool copy_text_to_clipboard(const clipboard_seam *seam, HWND owner, const char *text);
