// Walking a RIFF/WAVE file's chunks by their sizes; see chunks.h.
#include "wav/chunks.h"

#include <cstring>

namespace {

// The subformat of WAVE_FORMAT_EXTENSIBLE that means integer PCM, as stored.
const uint8_t pcmGuid[16] = {0x01, 0, 0, 0, 0, 0, 0x10, 0, 0x80, 0, 0, 0xAA, 0, 0x38, 0x9B, 0x71};

unsigned little_endian(const uint8_t* b, int n)
{
    unsigned v = 0;
    while (n-- > 0) v = v << 8 | b[n];
    return v;
}

// Reads the `n` bytes at `offset` through `read`; false, without asking,
// when they do not all lie inside the `length` bytes.
bool read_inside(ReadBytes read, void* source, int64_t length, int64_t offset, size_t n,
                 uint8_t* out)
{
    return offset <= length && static_cast<int64_t>(n) <= length - offset &&
           read(source, offset, n, out);
}

// Takes the fields of a format chunk of `size` bytes (16 or more) from its
// first bytes in `b`, 40 of them when it has that many.
void take_format(const uint8_t* b, int64_t size, WaveChunks* found)
{
    found->formatTag = little_endian(b, 2);
    found->channels = little_endian(b + 2, 2);
    found->rate = little_endian(b + 4, 4);
    found->blockAlign = little_endian(b + 12, 2);
    found->bits = little_endian(b + 14, 2);
    if (found->formatTag == 0xFFFE && size >= 40 && little_endian(b + 16, 2) >= 22) {
        found->validBits = little_endian(b + 18, 2);
        found->pcmSubformat = std::memcmp(b + 24, pcmGuid, sizeof pcmGuid) == 0;
    }
}

}  // namespace

WaveWalk walk_wave(ReadBytes read, void* source, int64_t length, WaveChunks* found)
{
    *found = WaveChunks{};
    uint8_t head[12];
    if (!read_inside(read, source, length, 0, sizeof head, head) ||
        std::memcmp(head, "RIFF", 4) != 0 || std::memcmp(head + 8, "WAVE", 4) != 0)
        return waveNoData;
    // A chunk that runs past the end of the file leaves no header after it,
    // and the walk ends there.
    bool hasFormat = false;
    for (int64_t at = 12; read_inside(read, source, length, at, 8, head);) {
        const int64_t size = little_endian(head + 4, 4), body = at + 8;
        if (std::memcmp(head, "data", 4) == 0) {
            found->dataAt = at;
            found->dataSize = size;
            if (!hasFormat) return waveNoFmt;
            return size <= length - body ? waveWhole : waveDataPastEnd;
        }
        if (!hasFormat && std::memcmp(head, "fmt ", 4) == 0 && size >= 16) {
            uint8_t b[40];
            if (!read_inside(read, source, length, body, size < 40 ? 16 : 40, b)) return waveNoData;
            take_format(b, size, found);
            hasFormat = true;
        }
        if (found->factAt < 0 && std::memcmp(head, "fact", 4) == 0 && size >= 4)
            found->factAt = body;
        at = body + size + (size & 1);
    }
    return waveNoData;
}
