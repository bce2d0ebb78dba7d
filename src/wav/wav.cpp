// The WAV container: header fields, the header itself, the size fix-up and
// the checks made before appending to an existing file.
#include "wav/wav.h"

#include <array>
#include <cerrno>
#include <cstdarg>
#include <cstdio>
#include <cstring>

#include <sys/stat.h>
#include <unistd.h>

#include "common/fatal.h"
#include "common/files.h"
#include "common/timing.h"
#include "wav/chunks.h"
#include "wav/wav_io.h"

namespace {

void put(FILE* f, const char* name, const void* bytes, size_t n)
{
    if (std::fwrite(bytes, 1, n, f) != n) fail_file(name, errno);
}

void put16(FILE* f, const char* name, uint16_t v)
{
    uint8_t b[sizeof v];
    Decon2(v, b);
    put(f, name, b, sizeof b);
}

void put32(FILE* f, const char* name, int64_t v)
{
    uint8_t b[sizeof(uint32_t)];
    Decon4(v, b);
    put(f, name, b, sizeof b);
}

// A file read through its descriptor for walk_wave; `error` keeps the
// errno of a failed read. The walk asks only for bytes inside the file, so
// a read that gives fewer means the file shrank meanwhile: the walk finds
// it short, and that is no error.
struct FileBytes {
    int fd;
    int error;
};

bool read_file(void* source, int64_t offset, size_t n, uint8_t* out)
{
    FileBytes* file = static_cast<FileBytes*>(source);
    const ssize_t got = pread(file->fd, out, n, offset);
    if (got == -1) file->error = errno;
    return got == static_cast<ssize_t>(n);
}

// Walks the chunks of the open file `f` into `found`, and gives its length.
// `error` gets the errno of a failed look at the file, or 0.
WaveWalk walk_file(FILE* f, WaveChunks* found, int64_t* length, int* error)
{
    FileBytes file{fileno(f), 0};
    struct stat st;
    if (fstat(file.fd, &st) != 0) {
        *error = errno;
        return waveNoData;
    }
    *length = st.st_size;
    const WaveWalk walk = walk_wave(read_file, &file, *length, found);
    *error = file.error;
    return walk;
}

// A header field that states a size: where it lies (-1: the file has no
// such field) and its 4 bytes.
struct SizeField {
    int64_t at;
    uint8_t bytes[sizeof(uint32_t)];
};

// The data size, the RIFF chunk size and a "fact" chunk's sample count.
using SizeFields = std::array<SizeField, 3>;

// The fields of the walked file `w` as they are to state `dataBytes` of
// data. Only a file `+` appended to (`append`) has its fact count counted,
// by the block align it was checked to have: a file of our own has none.
SizeFields fields_for(const WaveChunks& w, int64_t dataBytes, const AppendPlace* append)
{
    SizeFields f{{{w.dataAt + 4, {}}, {4, {}}, {append ? w.factAt : -1, {}}}};
    Decon4(dataBytes, f[0].bytes);
    Decon4(w.dataAt + dataBytes, f[1].bytes);  // the file's length - 8
    if (f[2].at != -1) Decon4(dataBytes / append->blockAlign, f[2].bytes);
    return f;
}

// Reads into `f` the bytes its fields hold; false when a read failed (errno).
bool read_fields(int fd, SizeFields* f)
{
    for (SizeField& field : *f) {
        const size_t n = sizeof field.bytes;
        if (field.at != -1 && pread(fd, field.bytes, n, field.at) != static_cast<ssize_t>(n))
            return false;
    }
    return true;
}

// Writes the fields; false when a write failed (errno).
bool write_fields(int fd, const SizeFields& f)
{
    for (const SizeField& field : f) {
        const size_t n = sizeof field.bytes;
        if (field.at != -1 && pwrite(fd, field.bytes, n, field.at) != static_cast<ssize_t>(n))
            return false;
    }
    return true;
}

// Ends a size fix-up that failed with `error`. A file an append grew is
// first put back as it was: cut to its old length, its pad byte given back
// and, when they were read (`before`), its fields as they stood; a file a
// new track fills keeps what it holds, under a header that states no more.
[[noreturn]] void fail_fix(int fd, const char* name, const AppendPlace* append,
                           const SizeFields* before, int error)
{
    if (append && undo_append(fd, *append) && before) write_fields(fd, *before);
    fail_file(name, error);
}

// Prints the printf-style reason `+` refuses a file and returns false.
__attribute__((format(printf, 1, 2))) bool refuse(const char* fmt, ...)
{
    va_list args;
    va_start(args, fmt);
    std::vprintf(fmt, args);
    va_end(args);
    return false;
}

// The checks of can_append_to() on the open file; returns false having
// said why.
bool appendable(FILE* f, const char* name, uint32_t rate, int32_t bits, double more,
                AppendPlace* place)
{
    WaveChunks w;
    int64_t length = 0;
    int error;
    const WaveWalk walk = walk_file(f, &w, &length, &error);
    if (error != 0) return refuse("Can't add to %s: %s\n", name, std::strerror(error));
    if (walk == waveNoData) return refuse("%s: Can't find data block in wave file!\n", name);
    if (walk == waveNoFmt) return refuse("%s: Can't find fmt block in wave file!\n", name);
    if (w.channels != 1 || w.rate != rate || w.bits != static_cast<unsigned>(bits))
        return refuse("Can't add to %s: it holds %u channel(s) at %u Hz, %u bits; the "
                      "settings write 1 channel at %u Hz, %d bits.\n",
                      name, w.channels, w.rate, w.bits, rate, bits);
    // Plain PCM, or the extensible format holding PCM that fills its bits.
    const int width = bytes_per_sample(bits);
    const bool pcm = w.formatTag == 1 ||
                     (w.formatTag == 0xFFFE && w.pcmSubformat && w.validBits == w.bits);
    if (!pcm || w.blockAlign != static_cast<unsigned>(width))
        return refuse("Can't add to %s: its samples are not %d-bit integer PCM of %d bytes "
                      "each, as the settings write them.\n",
                      name, bits, width);
    // Samples added after a partial one, after a stated length the file
    // does not reach, or after another chunk would land off the sample grid
    // or inside that chunk, and sound as noise. The pad byte after odd data
    // is no chunk: the new samples take its place.
    const int64_t held = length - (w.dataAt + 8), stated = w.dataSize;
    if (walk == waveDataPastEnd)
        return refuse("Can't add to %s: its header states %lld data bytes, but it holds %lld.\n",
                      name, static_cast<long long>(stated), static_cast<long long>(held));
    const bool padded = stated % 2 == 1 && held == stated + 1;
    if (held > stated && !padded)
        return refuse("Can't add to %s: its data chunk ends %lld bytes before the end of the "
                      "file.\n",
                      name, static_cast<long long>(held - stated));
    if (stated % width != 0)
        return refuse("Can't add to %s: its %lld data bytes end in a partial sample.\n", name,
                      static_cast<long long>(stated));
    if (!fits_in_header("add to", name, static_cast<double>(stated) + more, w.dataAt)) return false;
    const int64_t at = w.dataAt + 8 + stated;
    uint8_t pad = 0;
    if (padded && pread(fileno(f), &pad, sizeof pad, at) != sizeof pad)
        return refuse("Can't add to %s: %s\n", name, std::strerror(errno));
    *place = AppendPlace{at, padded ? pad : -1, width};
    return true;
}

}  // namespace

bool fits_in_header(const char* verb, const char* name, double bytes, int64_t dataAt)
{
    const int64_t most = 0xFFFFFFFFLL - dataAt;
    if (bytes <= most) return true;
    std::printf("Can't %s %s: its data would come to up to %.0f bytes, more than the %lld a WAV "
                "header can state.\n",
                verb, name, bytes, static_cast<long long>(most));
    return false;
}

[[noreturn]] void fail_file(const char* name, int error)
{
    die(2, "Could not write %s: %s\n", name, file_error_text(error));
}

void close_file(FILE* f, const char* name)
{
    if (std::fclose(f) != 0) fail_file(name, errno);
}

void Decon2(uint16_t value, uint8_t* out)
{
    out[0] = static_cast<uint8_t>(value & 0xff);
    out[1] = static_cast<uint8_t>(value >> 8);
}

void Decon4(int64_t value, uint8_t* out)
{
    const uint64_t bits = static_cast<uint64_t>(value);
    out[0] = static_cast<uint8_t>(bits);
    out[1] = static_cast<uint8_t>(bits >> 8);
    out[2] = static_cast<uint8_t>(bits >> 16);
    out[3] = static_cast<uint8_t>(bits >> 24);
}

bool write_sizes(int fd, int64_t tag, int64_t length)
{
    WaveChunks w;
    w.dataAt = tag;
    return write_fields(fd, fields_for(w, length - (tag + 8), nullptr));
}

bool MAKE_HEADER(const char* name, uint32_t rate, uint32_t bits, int64_t samples)
{
    const int32_t blockAlign = bytes_per_sample(static_cast<int32_t>(bits));
    const int64_t dataSize = samples * blockAlign;
    FILE* f = open_regular(name, "wb");
    if (!f) return false;
    put(f, name, "RIFF", 4);
    put32(f, name, dataSize + 36);
    put(f, name, "WAVE", 4);
    put(f, name, "fmt ", 4);
    put32(f, name, 16);
    put16(f, name, 1);
    put16(f, name, 1);
    put32(f, name, rate);
    put32(f, name, static_cast<uint32_t>(rate * static_cast<uint32_t>(blockAlign)));
    put16(f, name, static_cast<uint16_t>(blockAlign));
    put16(f, name, static_cast<uint16_t>(bits));
    put(f, name, "data", 4);
    put32(f, name, dataSize);
    close_file(f, name);
    return true;
}

bool undo_append(int fd, const AppendPlace& place)
{
    const uint8_t pad = static_cast<uint8_t>(place.padByte);
    return ftruncate(fd, place.at) == 0 &&
           (place.padByte < 0 || pwrite(fd, &pad, 1, place.at) == 1);
}

int64_t FIX_SIZE(const char* name, const AppendPlace* append)
{
    FILE* f = open_regular(name, "rb+");
    if (!f) fail_file(name, errno);
    const int fd = fileno(f);
    WaveChunks w;
    int64_t length = 0;
    int error;
    if (walk_file(f, &w, &length, &error) == waveNoData) {
        if (error != 0) fail_fix(fd, name, append, nullptr, error);
        die(2, "Can't find data block in wave file!\n");
    }
    const int64_t dataBytes = length - (w.dataAt + 8);
    const SizeFields after = fields_for(w, dataBytes, append);
    SizeFields before = after;
    if (!read_fields(fd, &before)) fail_fix(fd, name, append, nullptr, errno);
    if (!write_fields(fd, after)) fail_fix(fd, name, append, &before, errno);
    close_file(f, name);
    return dataBytes;
}

bool can_append_to(const char* name, uint32_t rate, int32_t bits, double more, AppendPlace* place)
{
    FILE* f = open_regular(name, "rb+");
    if (!f && errno == ENOENT) return refuse("%s: The requested filename does not exist!\n", name);
    if (!f) return refuse("Can't add to %s: %s\n", name, file_error_text(errno));
    const bool ok = appendable(f, name, rate, bits, more, place);
    std::fclose(f);  // nothing written; nothing to lose
    return ok;
}
