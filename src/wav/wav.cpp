// The WAV container: header fields, the header itself, the size fix-up and
// the checks made before appending to an existing file.
#include "wav/wav.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

#include <unistd.h>

#include "common/fatal.h"
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

}  // namespace

[[noreturn]] void fail_file(const char* name, int error)
{
    die(2, stdout, "Could not write %s: %s\n", name, std::strerror(error));
}

void close_file(FILE* f, const char* name)
{
    if (std::fclose(f) != 0) fail_file(name, errno);
}

int64_t find_tag(FILE* f, const char* tag)
{
    for (int64_t t = 2; t <= dataTagSearchLimit; t += 2) {
        char got[4];
        if (std::fseek(f, static_cast<long>(t), SEEK_SET) != 0) continue;
        if (std::fread(got, 1, 4, f) == 4 && std::memcmp(got, tag, 4) == 0) return t;
    }
    return -1;
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
    const uint32_t bytesPerSample = bits / 8;  // 3 at 24 bits, 2 at 16
    const uint32_t bytesPerSecond = rate * bytesPerSample;
    const int64_t dataSize = samples * static_cast<int64_t>(bytesPerSample);
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
    put32(f, name, bytesPerSecond);
    put16(f, name, static_cast<uint16_t>(bytesPerSample));
    put16(f, name, static_cast<uint16_t>(bits));
    put(f, name, "data", 4);
    put32(f, name, dataSize);
    close_file(f, name);
    return true;
}

void FIX_SIZE(const char* name)
{
    FILE* f = std::fopen(name, "rb+");
    if (!f) die(2, stdout, "The requested filename does not exist!\n");
    const int64_t t = find_tag(f, "data");
    if (t == -1) die(2, stdout, "Can't find data block in wave file!\n");
    if (std::fseek(f, 0, SEEK_END) != 0) fail_file(name, errno);
    const int64_t length = ftello(f);
    if (!write_sizes(fileno(f), t, length)) fail_file(name, errno);
    close_file(f, name);
}

void check_append_target(const char* name, uint32_t rate, int32_t bits)
{
    FILE* f = std::fopen(name, "rb");
    if (!f) die(2, stdout, "The requested filename does not exist!\n");
    // The tag must come with its size field, or the fix-up after the append
    // would write the size over the first samples appended.
    uint32_t size;
    if (find_tag(f, "data") == -1 || std::fread(&size, 1, sizeof size, f) != sizeof size)
        die(2, stdout, "Can't find data block in wave file!\n");
    const int64_t fmt = find_tag(f, "fmt ");
    uint8_t b[24] = {0};
    // No chunk: the seek to -1 fails.
    const bool haveFmt = std::fseek(f, static_cast<long>(fmt), SEEK_SET) == 0 &&
                         std::fread(b, 1, sizeof b, f) == sizeof b;
    std::fclose(f);  // read only; nothing to lose
    if (!haveFmt) die(2, stdout, "Can't find fmt block in wave file!\n");
    const unsigned channels = b[10] | (b[11] << 8);
    const uint32_t fileRate = b[12] | (b[13] << 8) | (b[14] << 16) | (uint32_t(b[15]) << 24);
    const unsigned fileBits = b[22] | (b[23] << 8);
    if (channels != 1 || fileRate != rate || fileBits != static_cast<uint32_t>(bits))
        die(2, stdout,
            "Can't add to %s: it holds %u channel(s) at %u Hz, %u bits; the settings write "
            "1 channel at %u Hz, %d bits.\n",
            name, channels, fileRate, fileBits, rate, bits);
}
