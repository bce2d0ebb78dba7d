// The click-track writer: beats of click and silence appended to a WAV file,
// and the three commands built on it.
//
// The bytes are those of placing one sample at a time (a click whenever the
// single-precision written count reaches the single-precision beat
// position), but silence goes out in long runs: the end of each run is the
// first count whose float value reaches the next beat, found by search
// rather than by stepping, so the writer runs at the speed of the disk.
#include "wav/wav.h"

#include <sys/uio.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <vector>

#include "common/fatal.h"
#include "wav/wav_io.h"

namespace {

const size_t blockBytes = 1 << 20;  // most bytes handed to one write
const int maxPieces = 256;

// The open output file and the pieces not yet handed to it: the caller's
// click and stretches of a block of silent samples, gathered into one
// vectored write so that no sample byte is copied on the way.
struct Output {
    int fd;
    const char* name;
    const uint8_t* silence;  // silenceBytes bytes of whole silent samples
    size_t silenceBytes;
    iovec pieces[maxPieces];
    int count;
    size_t pending;
};

void flush_output(Output* out)
{
    iovec* next = out->pieces;
    int left = out->count;
    while (left > 0) {
        const ssize_t done = writev(out->fd, next, left);
        if (done < 0) {
            if (errno == EINTR) continue;
            fail_file(out->name, errno);
        }
        size_t rest = static_cast<size_t>(done);
        while (left > 0 && rest >= next->iov_len) {
            rest -= next->iov_len;
            ++next;
            --left;
        }
        if (left > 0) {
            next->iov_base = static_cast<uint8_t*>(next->iov_base) + rest;
            next->iov_len -= rest;
        }
    }
    out->count = 0;
    out->pending = 0;
}

void put_piece(Output* out, const uint8_t* bytes, size_t n)
{
    if (n == 0) return;
    out->pieces[out->count++] = iovec{const_cast<uint8_t*>(bytes), n};
    out->pending += n;
    if (out->count == maxPieces || out->pending >= blockBytes) flush_output(out);
}

void put_silence(Output* out, int64_t samples, int bytesPerSample)
{
    uint64_t n = static_cast<uint64_t>(samples) * static_cast<uint64_t>(bytesPerSample);
    while (n > 0) {
        const size_t take = n < out->silenceBytes ? static_cast<size_t>(n) : out->silenceBytes;
        put_piece(out, out->silence, take);
        n -= take;
    }
}

// The smallest count above `written` whose float value is not below `beat`
// (a finite value above float(written)); INT64_MAX when no 64-bit count
// reaches it.
int64_t first_count_reaching(int64_t written, float beat)
{
    if (!(beat < 9.2e18f)) return INT64_MAX;
    int64_t hi = static_cast<int64_t>(std::ceil(static_cast<double>(beat)));
    int64_t lo = written + 1;
    if (hi < lo) return lo;
    while (lo < hi) {  // float(n) never falls as n grows, so bisect
        const int64_t mid = lo + (hi - lo) / 2;
        if (static_cast<float>(mid) < beat)
            lo = mid + 1;
        else
            hi = mid;
    }
    return lo;
}

}  // namespace

int64_t WRITE_FILE(uint32_t rate, int32_t bits, float tempo, int64_t count, const char* name,
                   const int8_t* clickBytes, const int8_t* silenceFrame, int64_t clickLength)
{
    const float beatInterval = static_cast<float>(rate) / (tempo / 60.0f);
    const int bytesPerSample = bits == 24 ? 3 : bits / 8;
    FILE* f = std::fopen(name, "rb+");
    if (!f) die(2, stdout, "The requested filename does not exist!\n");
    if (std::fseek(f, 0, SEEK_END) != 0) fail_file(name, errno);
    if (count < 1) {
        close_file(f, name);
        return 0;
    }
    std::setvbuf(f, nullptr, _IONBF, 0);  // the samples go to the descriptor directly
    // A block of silent samples: calloc'd zeros stay untouched pages and so
    // cost no resident memory; any other silent sample is repeated in it.
    const size_t silenceBytes =
        bytesPerSample > 0 ? blockBytes / bytesPerSample * bytesPerSample : blockBytes;
    std::unique_ptr<uint8_t, void (*)(void*)> block(
        static_cast<uint8_t*>(std::calloc(silenceBytes, 1)), std::free);
    if (!block) die(2, stdout, "Out of memory writing %s\n", name);
    if (std::any_of(silenceFrame, silenceFrame + bytesPerSample, [](int8_t b) { return b != 0; }))
        for (size_t at = 0; at < silenceBytes; ++at)
            block.get()[at] = static_cast<uint8_t>(silenceFrame[at % bytesPerSample]);
    Output out{fileno(f), name, block.get(), silenceBytes, {}, 0, 0};
    const uint8_t* click = reinterpret_cast<const uint8_t*>(clickBytes);
    const int64_t length = clickLength > 0 ? clickLength : 0;
    int64_t written = 0;
    float beatCounter = 0.0f;
    float nextBeat = beatInterval * beatCounter;
    while (written < count) {
        if (!(static_cast<float>(written) < nextBeat)) {
            const float before = beatCounter;
            beatCounter += 1.0f;
            put_piece(&out, click, static_cast<size_t>(length * bytesPerSample));
            written += length;
            if (written >= count) break;
            nextBeat = beatInterval * beatCounter;
            // A zero-length click whose beat position no longer moves on
            // (zero, negative or NaN interval, counter past 2^24) would
            // place nothing for ever: the rest of the track is silence.
            if (length == 0 && !(static_cast<float>(written) < nextBeat) &&
                (beatCounter == before || !(beatInterval > 0.0f) || nextBeat != nextBeat))
                nextBeat = INFINITY;
            continue;
        }
        int64_t end = first_count_reaching(written, nextBeat);
        if (end > count) end = count;
        put_silence(&out, end - written, bytesPerSample);
        written = end;
    }
    flush_output(&out);
    close_file(f, name);
    return written;
}

float beats_seconds(int32_t meter, int32_t meas, float tempo)
{
    const int32_t beats =
        static_cast<int32_t>(static_cast<uint32_t>(meter) * static_cast<uint32_t>(meas));
    return static_cast<float>(static_cast<double>(static_cast<float>(beats)) *
                              (60.0 / static_cast<double>(tempo)));
}

int64_t track_samples(uint32_t rate, float seconds)
{
    const float samples = static_cast<float>(rate) * seconds;
    if (!(samples > 0.0f) || !(samples < 9223372036854775807.0f)) return 0;
    return static_cast<int64_t>(samples);
}

void write_track(const char* save, uint32_t rate, int32_t bits, float tempo,
                 int64_t trackSamples, const int8_t* clickBytes, const int8_t* silenceFrame,
                 int64_t clickLength)
{
    MAKE_HEADER(save, rate, static_cast<uint32_t>(bits), trackSamples);
    const int64_t written = WRITE_FILE(rate, bits, tempo, trackSamples, save, clickBytes,
                                       silenceFrame, clickLength);
    if (written > trackSamples) FIX_SIZE(save);  // the last click ran past the end
}

void append_track(const char* save, uint32_t rate, int32_t bits, float tempo,
                  int64_t trackSamples, const int8_t* clickBytes, const int8_t* silenceFrame,
                  int64_t clickLength)
{
    check_append_target(save, rate, bits);
    WRITE_FILE(rate, bits, tempo, trackSamples, save, clickBytes, silenceFrame, clickLength);
    FIX_SIZE(save);
}

void write_tempo_map(const std::vector<TempoMapEntry>& map, const char* save, uint32_t rate,
                     int32_t bits, const int8_t* clickBytes, const int8_t* silenceFrame,
                     int64_t clickLength, float* tempo, float* trackSeconds)
{
    MAKE_HEADER(save, rate, static_cast<uint32_t>(bits), 0);
    for (const TempoMapEntry& e : map) {
        *tempo = e.tempo;
        *trackSeconds = beats_seconds(e.meter, e.meas, e.tempo);
        const int64_t samples = track_samples(rate, *trackSeconds);
        if (samples < 1) continue;  // no finite length: nothing
        WRITE_FILE(rate, bits, e.tempo, samples, save, clickBytes, silenceFrame, clickLength);
    }
    FIX_SIZE(save);
}
