// The window caption's status text, which moves on to the next of five items
// on every call: memory use, local time, processor name, system name, then
// computer and user name.
#pragma once

enum { TITLE_STATUS_SIZE = 260 };

// Writes the next item into out, which holds TITLE_STATUS_SIZE bytes.
void format_title_status(char *out);
