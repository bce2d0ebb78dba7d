// Click tracks on disk: the 44-byte RIFF/WAVE header of a mono PCM file, the
// correction of its sizes, and the writing of beats of click and silence.
//
// The commands call write_track (`w`), append_track (`+`) and
// write_tempo_map (`rtm`); the routines above them are what those are built
// from. A file that `w` or `rtm` cannot create, or that `+` refuses, is
// reported on standard output and the command does nothing more; so is a
// track whose data would pass what a header can state (4294967259 bytes in
// a file of our own), before anything is written. A write that fails prints "Could not write
// NAME: <reason>" and ends the process with status 2. Whether a write fails
// or a signal stops it, no file is left that lies: an append is undone, a
// new track keeps its whole samples and a header that states them.
//
// From before the header is written to the end of a write, Ctrl-C, a kill
// (SIGTERM) and a closed terminal (SIGHUP) stop it at once. After Ctrl-C
// the command says so and returns; after the other two the process ends by
// that signal.
#pragma once

#include <cstdint>
#include <vector>

#include "settings/settings.h"
#include "synth/synth.h"
#include "tempomap/tempomap.h"

// Where an append begins and what its samples replace, so that it can be
// undone: `at`, the end of the stated data, and the pad byte that followed
// odd data there (-1: none); and the bytes of each of its samples.
struct AppendPlace {
    int64_t at = -1;
    int padByte = -1;
    int blockAlign = 0;
};

// Stores the low byte of `value`, then its high byte, into out[0] and out[1].
void Decon2(uint16_t value, uint8_t* out);

// Stores the 4 little-endian bytes of `value` modulo 2^32 into out[0] to
// out[3], least significant first.
void Decon4(int64_t value, uint8_t* out);

// Creates (or empties) `name` and writes a header for `samples` (0 or more)
// mono samples of `bits` bits at `rate`. Returns false, having printed
// nothing and touched nothing, when the file cannot be created or the name
// is not a regular file (errno says why, as file_error_text() reads it); a
// failed write ends the process.
bool MAKE_HEADER(const char* name, uint32_t rate, uint32_t bits, int64_t samples);

// Finds the data chunk by walking the file's chunks (wav/chunks.h) and
// rewrites the data size (bytes after the size field) and the RIFF chunk
// size (file length - 8); after an append (`append` not null), also the
// sample count of a "fact" chunk before the data (data bytes over the
// block align). Returns that data size. A file that cannot be opened,
// read or written, or is no longer a regular file: "Could not write NAME:
// <reason>", exit 2; an append to a file that could be opened is taken
// back first, every field already written given its old bytes. No data
// chunk: "Can't find data block in wave file!", exit 2.
int64_t FIX_SIZE(const char* name, const AppendPlace* append);

// Writes into the existing file `name` beats at `tempo`: a whole click at
// each beat position, silence between, until at least `count` samples are
// written (nothing when count is below 1). They go at the end of a file
// begun by MAKE_HEADER when `append` is null; otherwise from append->at,
// the file's end or its last byte (the pad byte after odd data, which the
// samples replace). Returns the samples written: `count`, or more when the
// last click ran past it; the clicks it places are added to `*clicks`.
// Returns -1 when a stop signal ended it first, the file then put in
// order: an append undone (undo_append()), or else (a file begun by
// MAKE_HEADER) cut to whole samples with its sizes corrected. A write that
// fails is put in order the same way, then ends the process. A file that
// cannot be opened, or is not a regular file: "The requested filename does
// not exist!", exit 2.
int64_t WRITE_FILE(uint32_t rate, int32_t bits, float tempo, int64_t count, const char* name,
                   const int8_t* clickBytes, int64_t clickLength, const AppendPlace* append,
                   int64_t* clicks);

// `w`: a new file of `trackSamples` samples at the settings' tempo, holding
// the click at every beat; when the last click ran past the end, the sizes
// are set from the file afterwards. A file that cannot be created, or a
// name that is not a regular file (a FIFO is refused at once, not waited
// on): "Could not create 'NAME': <reason>", and nothing more. A whole
// write ends with "NAME: S samples, m:ss.mmm at R Hz; this w wrote N
// clicks." on standard error.
void write_track(const UserSettings& s, int64_t trackSamples, const Click& click);

// `+`: appends `trackSamples` samples to the `save` file and corrects its
// sizes (and a fact chunk's count), after checking that the file is a WAV
// of the settings' layout whose data chunk ends the file (but for a pad
// byte, which the samples replace), of whole samples, all there, with room
// for the track; every chunk before the data is kept as it was. When it
// is not such a file, prints why (naming the file) and leaves it untouched.
// A whole append ends with the line `w` gives, its samples the whole
// file's ("this + wrote N clicks").
void append_track(const UserSettings& s, int64_t trackSamples, const Click& click);

// `rtm`: a new file holding every section of `map` in order, sizes corrected
// at the end. Each section written is described on standard error by
// section_line() with the samples it took, and the whole by the line `w`
// gives ("this rtm wrote N clicks"). Returns true when every section was written; false when the
// whole map would not fit a header, the file could not be created ("Could
// not create 'NAME': <reason>") or a write was stopped by Ctrl-C.
bool write_tempo_map(const std::vector<TempoMapEntry>& map, const UserSettings& s,
                     const Click& click);
