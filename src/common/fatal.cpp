#include "common/fatal.h"

#include <cstdarg>
#include <cstdio>
#include <cstdlib>

void die(int status, const char* fmt, ...)
{
    if (fmt) {
        va_list args;
        va_start(args, fmt);
        std::vprintf(fmt, args);
        va_end(args);
    }
    std::exit(status);  // flushes standard output
}

void complain(const char* fmt, ...)
{
    std::fflush(stdout);  // a failure to write it is reported as the program ends
    va_list args;
    va_start(args, fmt);
    std::vfprintf(stderr, fmt, args);
    va_end(args);
}
