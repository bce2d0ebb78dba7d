// Click tracks on disk: the 44-byte RIFF/WAVE header of a mono PCM file, the
// correction of its sizes, and the writing of beats of click and silence.
//
// The commands call write_track (`w`), append_track (`+`) and
// write_tempo_map (`rtm`); the lower routines are what those are built from.
// An output file that cannot be created is reported on standard output and
// the command does nothing more. Every other file error prints one line on
// standard output and exits with status 2, and leaves no file that lies:
// an append that fails is undone, a new track that fails keeps its whole
// samples and a header that states them. Silence is written as zero bytes,
// the silent sample of both depths.
#pragma once

#include <cstdint>
#include <vector>

#include "tempomap/tempomap.h"

// Stores the low byte of `value`, then its high byte, into out[0] and out[1].
void Decon2(uint16_t value, uint8_t* out);

// Stores the 4 little-endian bytes of `value` modulo 2^32 into out[0] to
// out[3], least significant first.
void Decon4(int64_t value, uint8_t* out);

// Creates (or empties) `name` and writes a header for `samples` (0 or more)
// mono samples of `bits` bits at `rate`. Returns false, having printed
// nothing, when the file cannot be created (errno says why); a failed write
// ends the process: "Could not write NAME: <reason>", exit 2.
bool MAKE_HEADER(const char* name, uint32_t rate, uint32_t bits, int64_t samples);

// Finds the "data" tag at an even offset from 2 to 15000 and rewrites the
// data size (bytes after the size field) and the RIFF chunk size (file
// length - 8). A missing file: "The requested filename does not exist!",
// exit 2. No tag: "Can't find data block in wave file!", exit 2.
void FIX_SIZE(const char* name);

// Appends to the existing file `name` beats at `tempo`: a whole click at each
// beat position, silence between, until at least `count` samples are
// written (nothing when count is below 1). A file that cannot be opened:
// "The requested filename does not exist!", exit 2. A write that fails: the
// file is cut back to its length before the call when `undoOnFailure`, or
// else (a file begun by MAKE_HEADER) cut to whole samples with its sizes
// corrected; then "Could not write NAME: <reason>", exit 2.
void WRITE_FILE(uint32_t rate, int32_t bits, float tempo, int64_t count, const char* name,
                const int8_t* clickBytes, int64_t clickLength, bool undoOnFailure);

// Length in seconds of `meter` x `meas` beats at `tempo`: the beat count as
// a wrapping 32-bit product, times 60 / tempo in double precision, rounded
// to single precision. The length of a `w` track and of an `rtm` section.
float beats_seconds(int32_t meter, int32_t meas, float tempo);

// Samples in a track of `seconds` at `rate`: rate x seconds in single
// precision, truncated. 0 when that is not a finite positive count.
int64_t track_samples(uint32_t rate, float seconds);

// `w`: a new file of `trackSamples` samples at `tempo`; its sizes are set
// from the file afterwards, as the last click may run past the end. A file that
// cannot be created: "Could not create 'NAME': <reason>", and nothing more.
void write_track(const char* save, uint32_t rate, int32_t bits, float tempo,
                 int64_t trackSamples, const int8_t* clickBytes, int64_t clickLength);

// `+`: checks that `save` is a WAV file of the current layout (exit 2 with a
// message, file untouched, when it is not), appends `trackSamples` samples
// and corrects the sizes; a failed append leaves the file as it was.
void append_track(const char* save, uint32_t rate, int32_t bits, float tempo,
                  int64_t trackSamples, const int8_t* clickBytes, int64_t clickLength);

// `rtm`: a new file holding every section of `map` in order, sizes corrected
// at the end. Leaves the last section's tempo and length in seconds in
// `*tempo` and `*trackSeconds`. A file that cannot be created: "Could not
// create 'NAME': <reason>", and the tempo and length stay as they were.
void write_tempo_map(const std::vector<TempoMapEntry>& map, const char* save, uint32_t rate,
                     int32_t bits, const int8_t* clickBytes, int64_t clickLength,
                     float* tempo, float* trackSeconds);
