// The vendor and brand texts that CPUID reports.
#pragma once

// Writes the 12-character vendor text, or "   unknown  " without CPUID, into
// a 16-byte buffer.
void read_vendor_string(char *out);

// Writes the brand text (at most 48 characters, leading blanks removed), or
// "Not Supported" when the brand leaves are missing, into a buffer of at
// least 49 bytes.
void read_brand_string(char *out);

// The brand copy on its own: 48 raw bytes in, leading blanks dropped, stops at
// the first NUL, always terminated.
void copy_brand_text(const unsigned char raw[48], char *out);
