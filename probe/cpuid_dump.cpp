#include "cpuid_dump.h"

#include <errno.h>
#include <stdio.h>
#include <string.h>

// Rows being read, and the rows of the last dump read in full: a dump that
// fails halfway leaves the table of the previous one intact.
static cpuid_leaf reading_rows[CPUID_DUMP_MAX_LEAVES];
static cpuid_leaf loaded_rows[CPUID_DUMP_MAX_LEAVES];

struct dump_reader {
    const char *name;
    unsigned line;
    bool in_first_cpu;
    bool past_first_cpu;
    size_t count;
    char *error;
    size_t error_size;
};

static bool refuse(dump_reader *reader, const char *what)
{
    snprintf(reader->error, reader->error_size, "%s:%u: %s", reader->name, reader->line, what);
    return false;
}

static void skip_blanks(const char **p)
{
    while (**p == ' ' || **p == '\t')
        (*p)++;
}

static int hex_digit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// "0x" and one to eight hexadecimal digits.
static bool scan_hex(const char **p, uint32_t *value)
{
    const char *s = *p;
    if (s[0] != '0' || (s[1] != 'x' && s[1] != 'X'))
        return false;
    s += 2;
    uint32_t v = 0;
    int digits = 0;
    for (int d; (d = hex_digit(*s)) >= 0; s++) {
        if (++digits > 8)
            return false;
        v = v << 4 | (uint32_t)d;
    }
    if (digits == 0)
        return false;
    *value = v;
    *p = s;
    return true;
}

static bool scan_text(const char **p, const char *text)
{
    size_t n = strlen(text);
    if (strncmp(*p, text, n) != 0)
        return false;
    *p += n;
    return true;
}

// "CPU:" or "CPU 3:", the tool's heading of each processor.
static bool scan_heading(const char *s)
{
    if (!scan_text(&s, "CPU"))
        return false;
    if (*s == ' ') {
        s++;
        if (*s < '0' || *s > '9')
            return false;
        while (*s >= '0' && *s <= '9')
            s++;
    }
    if (*s++ != ':')
        return false;
    skip_blanks(&s);
    return *s == '\0';
}

// "0x00000004 0x01: eax=0x04000122 ebx=0x01c0003f ecx=0x0000003f edx=0x00000001"
static bool scan_leaf(const char *s, cpuid_leaf *row)
{
    static const char *const names[4] = {"eax=", "ebx=", "ecx=", "edx="};
    uint32_t regs[4];
    if (!scan_hex(&s, &row->leaf) || (*s != ' ' && *s != '\t'))
        return false;
    skip_blanks(&s);
    if (!scan_hex(&s, &row->subleaf) || *s++ != ':')
        return false;
    for (int i = 0; i < 4; i++) {
        if (*s != ' ' && *s != '\t')
            return false;
        skip_blanks(&s);
        if (!scan_text(&s, names[i]) || !scan_hex(&s, &regs[i]))
            return false;
    }
    skip_blanks(&s);
    if (*s != '\0')
        return false;
    row->regs.eax = regs[0];
    row->regs.ebx = regs[1];
    row->regs.ecx = regs[2];
    row->regs.edx = regs[3];
    return true;
}

// One line without its line end. False with the reason once the dump is
// refused.
static bool read_line(dump_reader *reader, const char *line)
{
    const char *s = line;
    skip_blanks(&s);
    if (*s == '\0')
        return true;
    if (scan_heading(s)) {
        if (reader->in_first_cpu) {
            reader->in_first_cpu = false;
            reader->past_first_cpu = true;
        } else {
            reader->in_first_cpu = true;
        }
        return true;
    }
    cpuid_leaf row;
    if (!scan_leaf(s, &row))
        return refuse(reader, "not a line of a \"cpuid -r\" dump: expected \"CPU:\" or "
                              "\"0xLEAF 0xSUB: eax=0x... ebx=0x... ecx=0x... edx=0x...\"");
    if (!reader->in_first_cpu)
        return refuse(reader, "leaf before the first \"CPU:\" heading");
    for (size_t i = 0; i < reader->count; i++) {
        if (reading_rows[i].leaf == row.leaf && reading_rows[i].subleaf == row.subleaf)
            return refuse(reader, "the same leaf and sub-leaf a second time");
    }
    if (reader->count == CPUID_DUMP_MAX_LEAVES)
        return refuse(reader, "more leaves than a processor has (1024)");
    reading_rows[reader->count++] = row;
    return true;
}

// Where the dump's characters come from: a file or a text in memory.
struct dump_source {
    FILE *file;
    const char *text;
};

static int next_char(dump_source *source)
{
    if (source->file)
        return getc(source->file);
    if (*source->text == '\0')
        return EOF;
    return (unsigned char)*source->text++;
}

// Feeds the dump's lines to read_line until the first processor ends.
static bool read_dump(dump_source *source, const char *name, leaf_table *out, char *error, size_t error_size)
{
    dump_reader reader = {name, 0, false, false, 0, error, error_size};
    char line[CPUID_DUMP_MAX_LINE + 1];
    int c = 0;
    while (!reader.past_first_cpu && c != EOF) {
        size_t length = 0;
        bool too_long = false, has_nul = false;
        while ((c = next_char(source)) != EOF && c != '\n') {
            if (c == '\0')
                has_nul = true;
            if (length < CPUID_DUMP_MAX_LINE)
                line[length++] = (char)c;
            else
                too_long = true;
        }
        if (c == EOF && length == 0)
            break;
        reader.line++;
        if (length > 0 && line[length - 1] == '\r')
            length--;
        line[length] = '\0';
        if (too_long)
            return refuse(&reader, "line too long for a \"cpuid -r\" dump");
        if (has_nul)
            return refuse(&reader, "NUL byte: not a text file");
        if (!read_line(&reader, line))
            return false;
    }
    if (source->file && ferror(source->file)) {
        snprintf(error, error_size, "%s: read error after line %u", name, reader.line);
        return false;
    }
    if (reader.count == 0) {
        if (reader.line == 0)
            reader.line = 1;
        return refuse(&reader, "no CPUID leaves: not a \"cpuid -r\" dump");
    }
    memcpy(loaded_rows, reading_rows, reader.count * sizeof loaded_rows[0]);
    out->rows = loaded_rows;
    out->count = reader.count;
    out->no_cpuid = false;
    out->read_tsc = 0;
    return true;
}

bool cpuid_dump_parse(const char *text, const char *name, leaf_table *out, char *error, size_t error_size)
{
    dump_source source = {0, text};
    return read_dump(&source, name, out, error, error_size);
}

bool cpuid_dump_load(const char *path, leaf_table *out, char *error, size_t error_size)
{
    bool from_stdin = strcmp(path, "-") == 0;
    const char *name = from_stdin ? "(standard input)" : path;
    FILE *file = from_stdin ? stdin : fopen(path, "rb");
    if (!file) {
        snprintf(error, error_size, "%s: can't open: %s", path, strerror(errno));
        return false;
    }
    dump_source source = {file, 0};
    bool loaded = read_dump(&source, name, out, error, error_size);
    if (!from_stdin)
        fclose(file);
    return loaded;
}
