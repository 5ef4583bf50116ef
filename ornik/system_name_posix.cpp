#include "system_name.h"

#include <stdio.h>
#include <string.h>

// The value of KEY= in an os-release file, unquoted; false if absent.
static bool os_release_value(const char *path, const char *key, char *out, size_t size)
{
    FILE *file = fopen(path, "r");
    if (!file)
        return false;
    char line[512];
    size_t key_length = strlen(key);
    bool found = false;
    while (!found && fgets(line, sizeof line, file)) {
        if (strncmp(line, key, key_length) != 0 || line[key_length] != '=')
            continue;
        char *value = line + key_length + 1;
        value[strcspn(value, "\r\n")] = '\0';
        size_t length = strlen(value);
        if (length >= 2 && (value[0] == '"' || value[0] == '\'') && value[length - 1] == value[0]) {
            value[length - 1] = '\0';
            value++;
        }
        snprintf(out, size, "%s", value);
        found = out[0] != '\0';
    }
    fclose(file);
    return found;
}

void read_system_name(char *out, size_t size)
{
    static const char *const files[] = {"/etc/os-release", "/usr/lib/os-release"};
    for (const char *path : files) {
        if (os_release_value(path, "PRETTY_NAME", out, size) || os_release_value(path, "NAME", out, size))
            return;
    }
    snprintf(out, size, "Linux");
}
