// die() and complain() for the fuzz builds: they format the message as the
// real ones do (standard error output is dropped, to keep the fuzzer's log
// readable), and die() throws the exit back to the harness instead of
// ending the process.
#include "common/fatal.h"

#include <cstdarg>
#include <cstdio>

#include "fuzz_exit.h"

void die(int status, const char* fmt, ...)
{
    if (fmt) {
        va_list args;
        va_start(args, fmt);
        std::vprintf(fmt, args);
        va_end(args);
    }
    std::fflush(stdout);
    throw FuzzExit{status};
}

void complain(const char* fmt, ...)
{
    char text[1024];
    va_list args;
    va_start(args, fmt);
    std::vsnprintf(text, sizeof text, fmt, args);
    va_end(args);
}
