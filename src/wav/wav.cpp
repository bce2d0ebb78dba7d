// The WAV container: header fields, the header itself, the size fix-up and
// the checks made before appending to an existing file.
#include "wav/wav.h"

#include <cerrno>
#include <cstdarg>
#include <cstdio>
#include <cstring>

#include <unistd.h>

#include "common/fatal.h"
#include "common/timing.h"
#include "wav/wav_io.h"

namespace {

const int64_t dataTagSearchLimit = 15000;

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

// Offset of the first 4-byte `tag` at an even offset from 2 to 15000, or -1.
int64_t find_tag(FILE* f, const char* tag)
{
    for (int64_t t = 2; t <= dataTagSearchLimit; t += 2) {
        char got[4];
        if (std::fseek(f, static_cast<long>(t), SEEK_SET) != 0) continue;
        if (std::fread(got, 1, 4, f) == 4 && std::memcmp(got, tag, 4) == 0) return t;
    }
    return -1;
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

unsigned little_endian(const uint8_t* b, int n)
{
    unsigned v = 0;
    while (n-- > 0) v = v << 8 | b[n];
    return v;
}

// The checks of can_append_to() on the open file; returns false having
// said why.
bool appendable(FILE* f, const char* name, uint32_t rate, int32_t bits, double more)
{
    // The tag must come with its size field, or the fix-up after the append
    // would write the size over the first samples appended.
    uint8_t size[4];
    const int64_t tag = find_tag(f, "data");
    if (tag == -1 || std::fread(size, 1, sizeof size, f) != sizeof size)
        return refuse("%s: Can't find data block in wave file!\n", name);
    uint8_t b[24];
    const int64_t fmt = find_tag(f, "fmt ");
    if (std::fseek(f, static_cast<long>(fmt), SEEK_SET) != 0 ||
        std::fread(b, 1, sizeof b, f) != sizeof b)
        return refuse("%s: Can't find fmt block in wave file!\n", name);
    const unsigned channels = little_endian(b + 10, 2), fileRate = little_endian(b + 12, 4);
    const unsigned fileBits = little_endian(b + 22, 2);
    if (channels != 1 || fileRate != rate || fileBits != static_cast<unsigned>(bits))
        return refuse("Can't add to %s: it holds %u channel(s) at %u Hz, %u bits; the "
                      "settings write 1 channel at %u Hz, %d bits.\n",
                      name, channels, fileRate, fileBits, rate, bits);
    // Samples added after a partial one, after a stated length the file
    // does not reach, or after another chunk would land off the sample grid
    // or inside that chunk, and sound as noise.
    std::fseek(f, 0, SEEK_END);
    const int64_t held = ftello(f) - (tag + 8), stated = little_endian(size, 4);
    if (stated > held)
        return refuse("Can't add to %s: its header states %lld data bytes, but it holds %lld.\n",
                      name, static_cast<long long>(stated), static_cast<long long>(held));
    if (held > stated)
        return refuse("Can't add to %s: its data chunk ends %lld bytes before the end of the "
                      "file.\n",
                      name, static_cast<long long>(held - stated));
    if (held % bytes_per_sample(bits) != 0)
        return refuse("Can't add to %s: its %lld data bytes end in a partial sample.\n", name,
                      static_cast<long long>(held));
    return fits_in_header("add to", name, static_cast<double>(held) + more);
}

}  // namespace

bool fits_in_header(const char* verb, const char* name, double bytes)
{
    if (bytes <= maxDataBytes) return true;
    std::printf("Can't %s %s: its data would come to up to %.0f bytes, more than the %lld a WAV "
                "header can state.\n",
                verb, name, bytes, static_cast<long long>(maxDataBytes));
    return false;
}

[[noreturn]] void fail_file(const char* name, int error)
{
    die(2, "Could not write %s: %s\n", name, std::strerror(error));
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
    uint8_t size[sizeof(uint32_t)];
    Decon4(length - (tag + 8), size);
    if (pwrite(fd, size, sizeof size, tag + 4) != sizeof size) return false;
    Decon4(length - 8, size);
    return pwrite(fd, size, sizeof size, 4) == sizeof size;
}

bool MAKE_HEADER(const char* name, uint32_t rate, uint32_t bits, int64_t samples)
{
    const int32_t blockAlign = bytes_per_sample(static_cast<int32_t>(bits));
    const int64_t dataSize = samples * blockAlign;
    FILE* f = std::fopen(name, "wb");
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

int64_t FIX_SIZE(const char* name)
{
    FILE* f = std::fopen(name, "rb+");
    if (!f) fail_file(name, errno);
    const int64_t t = find_tag(f, "data");
    if (t == -1) die(2, "Can't find data block in wave file!\n");
    if (std::fseek(f, 0, SEEK_END) != 0) fail_file(name, errno);
    const int64_t length = ftello(f);
    if (!write_sizes(fileno(f), t, length)) fail_file(name, errno);
    close_file(f, name);
    return length - (t + 8);
}

bool can_append_to(const char* name, uint32_t rate, int32_t bits, double more)
{
    FILE* f = std::fopen(name, "rb+");
    if (!f && errno == ENOENT) return refuse("%s: The requested filename does not exist!\n", name);
    if (!f) return refuse("Can't add to %s: %s\n", name, std::strerror(errno));
    const bool ok = appendable(f, name, rate, bits, more);
    std::fclose(f);  // nothing written; nothing to lose
    return ok;
}
