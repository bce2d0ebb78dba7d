// Fuzz target: the RIFF/WAVE chunk walker behind `+` and the size fix-up.
//
// The input is a whole file, handed to walk_wave through a read function
// that aborts when the walker asks for a byte outside it. Besides running
// clean under the sanitizers, the walk must keep its promises: a second
// walk gives the same answer; a file it accepts whole has its data chunk,
// and a fact count before it, inside the file where their ids are; the
// bytes after the stated data change nothing; and the file cut short
// anywhere before the data's end is never accepted whole.
#include <cstddef>
#include <cstring>

#include "check.h"
#include "wav/chunks.h"

struct Bytes {
    const uint8_t* data;
    int64_t size;
};

static bool read_bytes(void* source, int64_t offset, size_t n, uint8_t* out)
{
    const Bytes* bytes = static_cast<const Bytes*>(source);
    check(offset >= 0 && offset <= bytes->size && static_cast<int64_t>(n) <= bytes->size - offset,
          "reads only inside the file");
    std::memcpy(out, bytes->data + offset, n);
    return true;
}

// The fields before the flag lie side by side, 8 and 4 bytes wide.
static bool same(const WaveChunks& a, const WaveChunks& b)
{
    return !std::memcmp(&a, &b, offsetof(WaveChunks, pcmSubformat)) &&
           a.pcmSubformat == b.pcmSubformat;
}

// Walks the first `size` bytes of `data`, twice, and gives the answer.
static WaveWalk walk(const uint8_t* data, int64_t size, WaveChunks* found)
{
    Bytes bytes{data, size};
    WaveChunks again;
    const WaveWalk walked = walk_wave(read_bytes, &bytes, size, found);
    check(walk_wave(read_bytes, &bytes, size, &again) == walked && same(again, *found),
          "a second walk gives the same answer");
    return walked;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    WaveChunks found, cut;
    if (walk(data, static_cast<int64_t>(size), &found) != waveWhole) return 0;
    const int64_t end = found.dataAt + 8 + found.dataSize;
    check(end <= static_cast<int64_t>(size) && !std::memcmp(data + found.dataAt, "data", 4),
          "the data chunk lies inside the file");
    check(found.factAt == -1 || (found.factAt + 4 <= found.dataAt &&
                                 !std::memcmp(data + found.factAt - 8, "fact", 4)),
          "the fact count lies before the data");
    check(walk(data, end, &cut) == waveWhole && same(cut, found),
          "the bytes after the data change nothing");
    check(walk(data, end - 1 - data[size - 1] % end, &cut) != waveWhole,
          "a file cut short before the data's end is never whole");
    return 0;
}
