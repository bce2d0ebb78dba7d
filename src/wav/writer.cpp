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
#include <cstring>

#include "common/fatal.h"
#include "wav/wav_io.h"

namespace {

const size_t blockBytes = 1 << 20;  // the silent block
const int maxPieces = 256;

// Silent samples of either depth (zero bytes): never written to, so its
// pages cost no memory.
const uint8_t silence[blockBytes] = {};

// The open output file and the pieces not yet handed to it: the caller's
// click and stretches of the silent block, gathered into one vectored write
// so that no sample byte is copied on the way.
struct Output {
    int fd;
    const char* name;
    int bytesPerSample;
    off_t start;         // the file's length before this append
    bool undoOnFailure;  // on a failed write: cut back to `start`
    iovec pieces[maxPieces];
    int count;
};

// A write failed part-way: puts the file in order, then ends the process
// with the system's reason. An append that is to be undone is cut back to
// where it began, which leaves the file as it was; otherwise the file, begun
// by MAKE_HEADER, keeps its whole samples and its header states them.
[[noreturn]] void fail_output(Output* out, int error)
{
    off_t keep = out->start;
    if (!out->undoOnFailure) {
        const off_t end = lseek(out->fd, 0, SEEK_END);
        keep = end - (end - headerBytes) % out->bytesPerSample;
    }
    if (ftruncate(out->fd, keep) == 0 && !out->undoOnFailure) write_sizes(out->fd, dataTagAt, keep);
    fail_file(out->name, error);
}

void flush_output(Output* out)
{
    iovec* next = out->pieces;
    int left = out->count;
    while (left > 0) {
        const ssize_t done = writev(out->fd, next, left);
        if (done == -1) fail_output(out, errno);
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
}

// Up to maxPieces pieces go to one write.
void put_piece(Output* out, const uint8_t* bytes, size_t n)
{
    out->pieces[out->count++] = iovec{const_cast<uint8_t*>(bytes), n};
    if (out->count == maxPieces) flush_output(out);
}

void put_silence(Output* out, int64_t samples)
{
    uint64_t n = static_cast<uint64_t>(samples) * static_cast<uint64_t>(out->bytesPerSample);
    while (n > 0) {
        const size_t take = static_cast<size_t>(std::min<uint64_t>(n, sizeof silence));
        put_piece(out, silence, take);
        n -= take;
    }
}

// The smallest count above `written` whose float value is not below `beat`,
// a finite value above float(written).
int64_t first_count_reaching(int64_t written, float beat)
{
    int64_t hi = static_cast<int64_t>(std::ceil(static_cast<double>(beat)));
    int64_t lo = written + 1;
    while (lo < hi) {  // float(n) never falls as n grows, so bisect
        const int64_t mid = lo + (hi - lo) / 2;
        if (static_cast<float>(mid) < beat)
            lo = mid + 1;
        else
            hi = mid;
    }
    return lo;
}

void report_uncreatable(const char* name)
{
    std::printf("Could not create '%s': %s\n", name, std::strerror(errno));
}

}  // namespace

void WRITE_FILE(uint32_t rate, int32_t bits, float tempo, int64_t count, const char* name,
                const int8_t* clickBytes, int64_t clickLength, bool undoOnFailure)
{
    const float beatInterval = static_cast<float>(rate) / (tempo / 60.0f);
    const int bytesPerSample = bits / 8;  // 3 at 24 bits, 2 at 16
    FILE* f = std::fopen(name, "rb+");
    if (!f) die(2, stdout, "The requested filename does not exist!\n");
    if (std::fseek(f, 0, SEEK_END) != 0) fail_file(name, errno);
    Output out{fileno(f), name, bytesPerSample, ftello(f), undoOnFailure, {}, 0};
    const uint8_t* click = reinterpret_cast<const uint8_t*>(clickBytes);
    int64_t written = 0;
    float beatCounter = 0.0f;
    float nextBeat = beatInterval * beatCounter;
    // An empty click places nothing, so its track is silence throughout and
    // the beat position, which may stop moving on (all beats due at once, or
    // the beat counter stuck past 2^24), is never followed.
    while (clickLength > 0 && written < count) {
        if (!(static_cast<float>(written) < nextBeat)) {
            beatCounter += 1.0f;
            put_piece(&out, click, static_cast<size_t>(clickLength * bytesPerSample));
            written += clickLength;
            nextBeat = beatInterval * beatCounter;
            continue;
        }
        const int64_t end = std::min(first_count_reaching(written, nextBeat), count);
        put_silence(&out, end - written);
        written = end;
    }
    if (written < count) put_silence(&out, count - written);
    flush_output(&out);
    close_file(f, name);
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
                 int64_t trackSamples, const int8_t* clickBytes, int64_t clickLength)
{
    if (!MAKE_HEADER(save, rate, static_cast<uint32_t>(bits), trackSamples))
        return report_uncreatable(save);
    WRITE_FILE(rate, bits, tempo, trackSamples, save, clickBytes, clickLength, false);
    FIX_SIZE(save);  // the last click may have run past the end
}

void append_track(const char* save, uint32_t rate, int32_t bits, float tempo,
                  int64_t trackSamples, const int8_t* clickBytes, int64_t clickLength)
{
    check_append_target(save, rate, bits);
    WRITE_FILE(rate, bits, tempo, trackSamples, save, clickBytes, clickLength, true);
    FIX_SIZE(save);
}

void write_tempo_map(const std::vector<TempoMapEntry>& map, const char* save, uint32_t rate,
                     int32_t bits, const int8_t* clickBytes, int64_t clickLength, float* tempo,
                     float* trackSeconds)
{
    if (!MAKE_HEADER(save, rate, static_cast<uint32_t>(bits), 0)) return report_uncreatable(save);
    for (const TempoMapEntry& e : map) {
        *tempo = e.tempo;
        *trackSeconds = beats_seconds(e.meter, e.meas, e.tempo);
        const int64_t samples = track_samples(rate, *trackSeconds);
        WRITE_FILE(rate, bits, e.tempo, samples, save, clickBytes, clickLength, false);
    }
    FIX_SIZE(save);
}
