// The texts the hostile libraries write, shared with the driver that checks
// what veltra.exe shows of them.
#pragma once

#define HOSTILE_CPU_NAME "Hostile CPU"
#define HOSTILE_OS_NAME "Hostile OS"

// Unterminated texts: 255 fill bytes and a different last byte.
#define HOSTILE_UNTERMINATED_CPU_FILL 'C'
#define HOSTILE_UNTERMINATED_OS_FILL 'O'
#define HOSTILE_UNTERMINATED_LAST '!'

enum { HOSTILE_TEXT_LENGTH = 255 };

// 255 characters and the NUL into a 256-byte field: first, then the digits
// 0 to 9 over and over, so that a cut at any length shows where it fell.
inline void hostile_long_text(char *out, char first)
{
    out[0] = first;
    for (int i = 1; i < HOSTILE_TEXT_LENGTH; i++)
        out[i] = (char)('0' + i % 10);
    out[HOSTILE_TEXT_LENGTH] = '\0';
}
