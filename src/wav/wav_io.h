// Pieces shared by the WAV header routines and the click-track writer.
#pragma once

#include <cstdint>
#include <cstdio>

#include "wav/wav.h"

// The header MAKE_HEADER writes: 44 bytes, its "data" tag at 36.
constexpr int64_t headerBytes = 44;
constexpr int64_t dataTagAt = 36;

// Whether `bytes` of data fit in a header whose data chunk's id is at
// `dataAt`: the RIFF chunk size, the file's length (dataAt + 8 + bytes)
// less 8, must fit in 32 bits, so the most is 4294967295 - dataAt
// (4294967259 in a file begun by MAKE_HEADER). If not, prints "Can't VERB
// NAME: its data would come to up to N bytes, more than the MOST a WAV
// header can state." and returns false. A count of bytes too large for 64
// bits is still a count here: it is a double.
bool fits_in_header(const char* verb, const char* name, double bytes, int64_t dataAt);

// Writes the two sizes of a file `length` bytes long whose "data" tag is at
// `tag`: bytes after the data size field, and length - 8, modulo 2^32.
// Returns false when a write failed (errno says why).
bool write_sizes(int fd, int64_t tag, int64_t length);

// Prints "Could not write NAME: <reason>" and exits with status 2; the
// reason is file_error_text() of `error`, an error number or notRegularFile.
[[noreturn]] void fail_file(const char* name, int error);

// Closes `f`; a failed close (the last buffered bytes not written) ends the
// process through fail_file().
void close_file(std::FILE* f, const char* name);

// Puts a file that an append to `place` grew back to its length before it:
// cuts it at place.at and gives back the pad byte. Returns false when that
// failed (errno).
bool undo_append(int fd, const AppendPlace& place);

// Whether `name` is a file `+` can add up to `more` data bytes to with the
// settings' `rate` and `bits`: a writable regular file (a FIFO is refused
// at once, not waited on), a RIFF/WAVE file whose chunks, walked by their
// sizes, hold a format chunk and then a data chunk; the format integer PCM
// (plain, or extensible with a PCM subformat whose valid bits are all its
// bits) of one channel at that rate and depth, as many bytes a sample as
// the settings write; the data whole samples, all there, ending the file
// or followed only by the pad byte of an odd size; and room in the header
// for `more`. If so, sets `place` to where the new samples go, right after
// the stated data, with the pad byte they replace and that block align.
// If not (or the file cannot be read), prints why on standard output,
// naming the file.
bool can_append_to(const char* name, uint32_t rate, int32_t bits, double more,
                   AppendPlace* place);
