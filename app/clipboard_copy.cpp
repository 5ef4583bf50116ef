#include "clipboard_copy.h"

#include <string.h>

const clipboard_seam clipboard_seam_system = {
    GlobalAlloc, GlobalLock, GlobalUnlock, GlobalFree,
    OpenClipboard, EmptyClipboard, SetClipboardData, CloseClipboard,
};

bool copy_text_to_clipboard(const clipboard_seam *seam, HWND owner, const char *text)
{
    SIZE_T size = strlen(text) + 1;
    HGLOBAL block = seam->GlobalAlloc(GMEM_MOVEABLE | GMEM_DDESHARE, size);
    if (!block)
        return false;
    void *copy = seam->GlobalLock(block);
    if (!copy) {
        seam->GlobalFree(block);
        return false;
    }
    memcpy(copy, text, size);
    seam->GlobalUnlock(block);

    // Only a block the clipboard has taken belongs to it; any other is ours
    // to free.
    if (!seam->OpenClipboard(owner)) {
        seam->GlobalFree(block);
        return false;
    }
    seam->EmptyClipboard();
    bool placed = seam->SetClipboardData(CF_TEXT, block) != NULL;
    seam->CloseClipboard();
    if (!placed)
        seam->GlobalFree(block);
    return placed;
}
