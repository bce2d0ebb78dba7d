// How the program ends, and how it reports on standard error.
//
// Every fatal condition (a failed write of an output file, the `x` command,
// the sample-rate answer 0, the end of standard input) ends through die():
// it prints one message, flushes standard output and exits with the given
// status. The one caller that cleans up first is the click-track writer,
// which puts its file in order before it reports a failed write.
// complain() reports on standard error what the program goes on from: a
// device that cannot be used, a tempo map line the reader cannot take
// whole, what a written track now holds.
#pragma once

// Prints the printf-style message after the dialogue on standard output
// (nothing when `fmt` is null), flushes it and exits with `status`. A
// standard output that could not be written has been told of by the stream
// main() writes it through, when it failed. Never returns.
[[noreturn]] void die(int status, const char* fmt, ...) __attribute__((format(printf, 2, 3)));

// Flushes standard output, then prints the printf-style message on
// standard error, so that on a pipe carrying both streams the lines come
// in the order made.
void complain(const char* fmt, ...) __attribute__((format(printf, 1, 2)));
