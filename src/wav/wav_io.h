// Pieces shared by the WAV header routines and the click-track writer.
#pragma once

#include <cstdint>
#include <cstdio>

// The header MAKE_HEADER writes: 44 bytes, its "data" tag at 36.
constexpr int64_t headerBytes = 44;
constexpr int64_t dataTagAt = 36;

// Writes the two sizes of a file `length` bytes long whose "data" tag is at
// `tag`: bytes after the data size field, and length - 8, modulo 2^32.
// Returns false when a write failed (errno says why).
bool write_sizes(int fd, int64_t tag, int64_t length);

// Prints "Could not write NAME: <system error text>" and exits with status 2.
[[noreturn]] void fail_file(const char* name, int error);

// Closes `f`; a failed close (the last buffered bytes not written) ends the
// process through fail_file().
void close_file(std::FILE* f, const char* name);

// Whether `name` is a file `+` can add to with the settings' `rate` and
// `bits`: a WAV file, writable, with a "data" tag and its size field, a
// "fmt " chunk of one channel at that rate and depth, data of whole
// samples to the end of the file and no more data stated than is there.
// When it is not, prints why on standard output, naming the file.
bool can_append_to(const char* name, uint32_t rate, int32_t bits);
