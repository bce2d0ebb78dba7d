#include "common/fatal.h"

#include <cerrno>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>

void die(int status, const char* fmt, ...)
{
    if (fmt) {
        va_list args;
        va_start(args, fmt);
        std::vprintf(fmt, args);
        va_end(args);
    }
    // The dialogue lives on standard output: when it could not be written
    // (a full disk), say so where it can still be seen.
    if (std::fflush(stdout) != 0 || std::ferror(stdout))
        std::fprintf(stderr, "Could not write standard output: %s\n", std::strerror(errno));
    std::exit(status);
}

void complain(const char* fmt, ...)
{
    std::fflush(stdout);  // a failure to write it is reported as the program ends
    va_list args;
    va_start(args, fmt);
    std::vfprintf(stderr, fmt, args);
    va_end(args);
}
