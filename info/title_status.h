// The window caption's status text, which moves on to the next of five items
// on every call: memory use, local time, processor name, system name, then
// computer and user name.
#pragma once

enum {
    TITLE_STATUS_SIZE = 260,
    // Room of each name buffer, terminator included: enough for a full host
    // name. A longer name is never read.
    TITLE_NAME_SIZE = 256,
};

// Writes the next item into out, which holds TITLE_STATUS_SIZE bytes.
void format_title_status(char *out);

// Returns the rotation, the name buffers and their capacities to their state
// at start-up, so that tests can replay a run from its first call.
void title_status_reset(void);
