// Where the running test program lives, to find files built beside it.
#pragma once

#include <string>

#if defined(_WIN32)
#include <windows.h>
#else
#include <unistd.h>
#endif

#if defined(_WIN32)
static const char PATH_SEPARATOR = '\\';
#else
static const char PATH_SEPARATOR = '/';
#endif

// The folder of the running executable, with a trailing separator.
inline std::string executable_folder()
{
    char path[4096] = "";
#if defined(_WIN32)
    GetModuleFileNameA(NULL, path, sizeof path);
#else
    ssize_t n = readlink("/proc/self/exe", path, sizeof path - 1);
    path[n > 0 ? n : 0] = '\0';
#endif
    std::string folder(path);
    size_t cut = folder.find_last_of("/\\");
    return cut == std::string::npos ? std::string() : folder.substr(0, cut + 1);
}
