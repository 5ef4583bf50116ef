// The copy to the clipboard, with each memory and clipboard call able to fail:
// a block the clipboard hasn't taken is freed, and nothing crashes.
#include <gtest/gtest.h>

#include <string.h>

#include <string>
#include <vector>

#include "app/clipboard_copy.h"

namespace {

struct fake_platform {
    // What fails.
    bool alloc_fails, lock_fails, open_fails, set_refuses;
    // What happened.
    std::vector<char> block;
    UINT alloc_flags;
    int locks, unlocks, frees, opens, empties, closes;
    HANDLE placed;
    int unlocks_when_placed;
    UINT placed_format;
    HWND owner;
};

fake_platform fake;
HGLOBAL const fake_block = (HGLOBAL)&fake;

HGLOBAL WINAPI fake_alloc(UINT flags, SIZE_T bytes)
{
    fake.alloc_flags = flags;
    if (fake.alloc_fails)
        return NULL;
    fake.block.assign(bytes, '\x55');
    return fake_block;
}

LPVOID WINAPI fake_lock(HGLOBAL block)
{
    EXPECT_EQ(block, fake_block);
    fake.locks++;
    return fake.lock_fails ? NULL : fake.block.data();
}

BOOL WINAPI fake_unlock(HGLOBAL block)
{
    EXPECT_EQ(block, fake_block);
    fake.unlocks++;
    return FALSE;
}

HGLOBAL WINAPI fake_free(HGLOBAL block)
{
    EXPECT_EQ(block, fake_block);
    fake.frees++;
    return NULL;
}

BOOL WINAPI fake_open(HWND owner)
{
    fake.owner = owner;
    fake.opens++;
    return !fake.open_fails;
}

BOOL WINAPI fake_empty(void)
{
    fake.empties++;
    return TRUE;
}

HANDLE WINAPI fake_set(UINT format, HANDLE data)
{
    fake.placed_format = format;
    fake.unlocks_when_placed = fake.unlocks;
    if (fake.set_refuses)
        return NULL;
    fake.placed = data;
    return data;
}

BOOL WINAPI fake_close(void)
{
    fake.closes++;
    return TRUE;
}

const clipboard_seam fake_seam = {
    fake_alloc, fake_lock, fake_unlock, fake_free, fake_open, fake_empty, fake_set, fake_close,
};

HWND const owner_window = (HWND)0x1234;
const char report[] = "line one\r\nline two\r\n";

struct copy_case {
    const char *name;
    bool alloc_fails, lock_fails, open_fails, set_refuses;
    bool placed;     // the clipboard holds the block afterwards
    int frees;       // the block is ours to free when the clipboard hasn't it
    bool opened;     // the clipboard is opened (and, if so, closed again)
    bool emptied;
};

const copy_case copy_cases[] = {
    {"everything works", false, false, false, false, true, 0, true, true},
    {"clipboard can't be opened", false, false, true, false, false, 1, true, false},
    {"clipboard refuses the block", false, false, false, true, false, 1, true, true},
    {"block can't be allocated", true, false, false, false, false, 0, false, false},
    {"block can't be locked", false, true, false, false, false, 1, false, false},
};

TEST(clipboard_copy, frees_every_block_the_clipboard_has_not_taken)
{
    for (const copy_case &c : copy_cases) {
        SCOPED_TRACE(c.name);
        fake = fake_platform();
        fake.alloc_fails = c.alloc_fails;
        fake.lock_fails = c.lock_fails;
        fake.open_fails = c.open_fails;
        fake.set_refuses = c.set_refuses;

        bool placed = copy_text_to_clipboard(&fake_seam, owner_window, report);

        EXPECT_EQ(placed, c.placed);
        EXPECT_EQ(fake.placed, c.placed ? fake_block : NULL);
        EXPECT_EQ(fake.frees, c.frees);
        EXPECT_EQ(fake.opens, c.opened ? 1 : 0);
        EXPECT_EQ(fake.closes, c.opened && !c.open_fails ? 1 : 0);
        EXPECT_EQ(fake.empties, c.emptied ? 1 : 0);
        EXPECT_EQ(fake.alloc_flags, (UINT)(GMEM_MOVEABLE | GMEM_DDESHARE));
        EXPECT_EQ(fake.unlocks, fake.lock_fails ? 0 : fake.locks);
    }
}

TEST(clipboard_copy, places_the_text_verbatim_as_cf_text)
{
    fake = fake_platform();
    ASSERT_TRUE(copy_text_to_clipboard(&fake_seam, owner_window, report));
    EXPECT_EQ(fake.owner, owner_window);
    EXPECT_EQ(fake.placed_format, (UINT)CF_TEXT);
    // The block is unlocked before the clipboard takes it, and holds the text
    // with its terminator and nothing more.
    EXPECT_EQ(fake.unlocks_when_placed, 1);
    ASSERT_EQ(fake.block.size(), sizeof report);
    EXPECT_EQ(memcmp(fake.block.data(), report, sizeof report), 0);
}

TEST(clipboard_copy, copies_an_empty_text_as_its_terminator)
{
    fake = fake_platform();
    ASSERT_TRUE(copy_text_to_clipboard(&fake_seam, owner_window, ""));
    ASSERT_EQ(fake.block.size(), 1u);
    EXPECT_EQ(fake.block[0], '\0');
}

} // namespace
