#include "title_status.h"

#include <inttypes.h>
#include <stdio.h>
#include <string.h>

#include "info/report.h"
#include "os/os_seam.h"

enum {
    TITLE_ITEM_COUNT = 5,
    // The capacities a run starts with, each one byte short of what the
    // platform's own limits would need: the reads settle it themselves.
    COMPUTER_NAME_FIRST_CAPACITY = 15,
    USER_NAME_FIRST_CAPACITY = 255,
    TIME_TEXT_LENGTH = 24,
    TIME_TEXT_SIZE = 32,
};

static const char *const weekday_names[7] = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
static const char *const month_names[12] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                            "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};

static int32_t title_index;
static char computer_name[TITLE_NAME_SIZE];
static char user_name[TITLE_NAME_SIZE];
static uint32_t computer_name_capacity = COMPUTER_NAME_FIRST_CAPACITY;
static uint32_t user_name_capacity = USER_NAME_FIRST_CAPACITY;

void title_status_reset(void)
{
    title_index = 0;
    computer_name[0] = '\0';
    user_name[0] = '\0';
    computer_name_capacity = COMPUTER_NAME_FIRST_CAPACITY;
    user_name_capacity = USER_NAME_FIRST_CAPACITY;
}

// The local time in the ctime layout, without its newline and with the day
// always two digits: "Thu Oct 04 09:05:07 2001". Empty when the platform
// can't express the time as a local time.
static void make_time_text(char *out)
{
    const os_seam *os = os_current();
    out[0] = '\0';
    os_local_time local;
    if (!os->localtime(os->time(), &local))
        return;
    if (local.tm_wday < 0 || local.tm_wday > 6 || local.tm_mon < 0 || local.tm_mon > 11)
        return;
    snprintf(out, TIME_TEXT_SIZE, "%s %s %02d %02d:%02d:%02d %d", weekday_names[local.tm_wday],
             month_names[local.tm_mon], local.tm_mday, local.tm_hour, local.tm_min, local.tm_sec,
             local.tm_year + 1900);
    out[TIME_TEXT_LENGTH] = '\0';
}

// Reads a name with the capacity the previous read left. A failed read can
// ask for more room than the buffer has; it is never offered more than that.
static void read_name(int (*read)(char *, uint32_t *), char *buffer, uint32_t *capacity)
{
    if (*capacity > TITLE_NAME_SIZE)
        *capacity = TITLE_NAME_SIZE;
    read(buffer, capacity);
    buffer[TITLE_NAME_SIZE - 1] = '\0';
}

void format_title_status(char *out)
{
    title_index++;
    if (title_index == TITLE_ITEM_COUNT)
        title_index = 0;

    const os_seam *os = os_current();
    char time_text[TIME_TEXT_SIZE];
    make_time_text(time_text);
    read_name(os->GetComputerNameA, computer_name, &computer_name_capacity);
    read_name(os->GetUserNameA, user_name, &user_name_capacity);
    os_memory_status memory;
    memset(&memory, 0, sizeof memory);
    os->GlobalMemoryStatusEx(&memory);

    // Whole mebibytes, cut toward zero, in 64-bit arithmetic: machines have
    // more than 4 GB.
    uint64_t used = memory.ullTotalPhys > memory.ullAvailPhys ? memory.ullTotalPhys - memory.ullAvailPhys : 0;
    switch (title_index) {
    case 0:
        // Two long names together can outgrow the caller's buffer: they are
        // cut on purpose, so the compiler's warning about it is off here.
#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wformat-truncation"
#endif
        snprintf(out, TITLE_STATUS_SIZE, "%s/%s", computer_name, user_name);
#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC diagnostic pop
#endif
        break;
    case 1:
        snprintf(out, TITLE_STATUS_SIZE, "%u%% %" PRIu64 "/%" PRIu64 "MB MEMORY", (unsigned)memory.dwMemoryLoad,
                 used >> 20, memory.ullTotalPhys >> 20);
        break;
    case 2:
        snprintf(out, TITLE_STATUS_SIZE, "%s", time_text);
        break;
    case 3:
        // The library may leave a text without its terminator.
        snprintf(out, TITLE_STATUS_SIZE, "%.255s", ident_library.cpu_name);
        break;
    default:
        snprintf(out, TITLE_STATUS_SIZE, "%.255s", ident_library.os_name);
        break;
    }
}
