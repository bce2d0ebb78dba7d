#include "common/fatal.h"

#include <cstdarg>
#include <cstdlib>

void die(int status, std::FILE* stream, const char* fmt, ...)
{
    if (stream && fmt) {
        va_list args;
        va_start(args, fmt);
        std::vfprintf(stream, fmt, args);
        va_end(args);
    }
    std::fflush(stdout);
    std::fflush(stderr);
    std::exit(status);
}
