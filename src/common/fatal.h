// The one way out of the program.
//
// Every fatal condition (a file error, an ALSA error, the `x` command, the
// sample-rate answer 0, the end of standard input) ends through die(): it
// prints one message, flushes standard output and exits with the given
// status. Callers never clean up before it; the process is ending.
#pragma once

#include <cstdio>

// Prints the printf-style message to `stream` (nothing when `fmt` is null),
// flushes standard output and standard error, and exits with `status`.
// When standard output could not be written, says so on standard error
// (the status stays). Never returns.
[[noreturn]] void die(int status, std::FILE* stream, const char* fmt, ...)
    __attribute__((format(printf, 3, 4)));
