// The chunks of a RIFF/WAVE file: where its "fmt ", "fact" and "data"
// chunks lie and what its format chunk states. `+` looks at a file, maybe
// another program's, through it before appending, and the size fix-up finds
// the data chunk with it.
//
// A RIFF/WAVE file is "RIFF", a 4-byte size, "WAVE", then chunks from
// offset 12, each a 4-byte id, a 4-byte little-endian size, that many bytes
// and, when the size is odd, one pad byte. walk_wave steps from chunk to
// chunk by those sizes, never by looking for an id among the bytes, and
// stops at the data chunk. It reads only through the caller's read function,
// a few bytes at a time, so a file of gigabytes is never loaded and bytes
// held in memory serve as well as a file; it never asks for a byte at or past
// `length`.
#pragma once

#include <cstddef>
#include <cstdint>

// Fills out[0] to out[n - 1] with the source's bytes from `offset` on;
// returns false when they could not be read.
using ReadBytes = bool (*)(void* source, int64_t offset, size_t n, uint8_t* out);

// How far a walk got.
enum WaveWalk {
    waveNoData,       // not RIFF/WAVE, a chunk overruns the file, or no data chunk
    waveNoFmt,        // a data chunk, but no format chunk of 16 bytes or more before it
    waveDataPastEnd,  // the data chunk states more bytes than follow its size field
    waveWhole,        // format and data found, every chunk up to the data's end in the file
};

// What a walk found; offsets count from the start of the file.
struct WaveChunks {
    int64_t dataAt = -1;  // the data chunk's id, -1 when none was reached
    int64_t dataSize = 0;  // the data size it states
    int64_t factAt = -1;  // the sample count of a "fact" chunk before the data, or -1
    // The first format chunk's fields; all 0 when it has none.
    unsigned formatTag = 0, channels = 0, rate = 0, blockAlign = 0, bits = 0;
    // WAVE_FORMAT_EXTENSIBLE (tag 0xFFFE, 40 bytes or more, an extension of
    // 22 or more): its valid bits and whether its subformat is integer PCM.
    // 0 and false for any other format.
    unsigned validBits = 0;
    bool pcmSubformat = false;
};

// Walks the chunks of the `length` bytes that `read` gives from `source`
// and fills `found` with what it reached. Returns waveWhole for a file whose
// format chunk and data chunk (without the data's pad byte, which may be
// missing) lie inside it, every chunk before them too; or else how far it
// got, `found` holding what it met on the way. A failed read ends the walk
// as if the file ended there.
WaveWalk walk_wave(ReadBytes read, void* source, int64_t length, WaveChunks* found);
