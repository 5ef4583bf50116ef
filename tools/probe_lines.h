// The seven lines of veltra-probe: the report's four processor lines and
// what the companion library's identification core makes of the processor.
#pragma once

#include <stddef.h>

// Identifies the processor the probe currently talks to (the live one or a
// recorded one) and writes the seven lines, each ending with LF. Returns
// what snprintf returns.
int format_probe_lines(char *out, size_t size);
