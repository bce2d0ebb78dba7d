// The click-track writer: beats of click and silence appended to a WAV file,
// and the three commands built on it.
//
// A click is written whenever the count of samples written, as a
// single-precision number, reaches the next beat position, also a
// single-precision number; silence fills the rest. Silence goes out in long
// runs: the end of each run is the first count whose single-precision value
// reaches the next beat, found by search rather than by stepping, so the
// writer runs at the speed of the disk.
#include "wav/wav.h"

#include <sys/uio.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstring>

#include "common/fatal.h"
#include "common/files.h"
#include "common/stop.h"
#include "common/timing.h"
#include "wav/wav_io.h"

namespace {

const size_t blockBytes = 1 << 20;  // the silent block
const int maxPieces = 256;

// Silent samples of either depth (zero bytes). Left out of the read-only
// data on purpose: as zero-filled storage it takes no room in the
// executable, and, never written to, its pages cost no memory.
uint8_t silence[blockBytes];

// The open output file and the pieces not yet handed to it: the caller's
// click and stretches of the silent block, gathered into one vectored write
// so that no sample byte is copied on the way.
struct Output {
    int fd;
    const char* name;
    int bytesPerSample;
    const AppendPlace* append;  // when stopped: put the file back as it was; null: keep
    iovec pieces[maxPieces];
    int count;
};

// Puts the file in order after a write that did not finish: an append is
// undone, which leaves the file as it was; a file begun by MAKE_HEADER
// keeps its whole samples and its header states them. Returns false when
// that failed (errno).
bool settle(Output* out)
{
    if (out->append) return undo_append(out->fd, *out->append);
    const off_t end = lseek(out->fd, 0, SEEK_END);
    const off_t keep = end - (end - headerBytes) % out->bytesPerSample;
    return ftruncate(out->fd, keep) == 0 && write_sizes(out->fd, dataTagAt, keep);
}

// Hands the queued pieces to the file until a stop signal comes, which
// drops the rest, also when it broke off a write (EINTR, as on a network
// or FUSE mount); a write that another signal broke off is made again.
// Any other failure puts the file in order and ends the process.
void flush_output(Output* out)
{
    iovec* next = out->pieces;
    int left = out->count;
    while (left > 0 && !stopSignal) {
        const ssize_t done = writev(out->fd, next, left);
        if (done == -1 && errno == EINTR) continue;
        if (done == -1) {
            const int error = errno;
            settle(out);
            fail_file(out->name, error);
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
}

// Up to maxPieces pieces go to one write.
void put_piece(Output* out, const uint8_t* bytes, size_t n)
{
    out->pieces[out->count++] = iovec{const_cast<uint8_t*>(bytes), n};
    if (out->count == maxPieces) flush_output(out);
}

// Queues `samples` silent samples; stops early when a signal asks to.
void put_silence(Output* out, int64_t samples)
{
    uint64_t n = static_cast<uint64_t>(samples) * static_cast<uint64_t>(out->bytesPerSample);
    while (n && !stopSignal) {
        const size_t take = static_cast<size_t>(std::min<uint64_t>(n, sizeof silence));
        put_piece(out, silence, take);
        n -= take;
    }
}

// The smallest count from `written` on whose float value is not below
// `beat`, a finite value above float(written), so the count found lies
// above `written`.
int64_t first_count_reaching(int64_t written, float beat)
{
    int64_t hi = static_cast<int64_t>(std::ceil(static_cast<double>(beat)));
    int64_t lo = written;
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
    std::printf("Could not create '%s': %s\n", name, file_error_text(errno));
}

// At most how many data bytes WRITE_FILE writes for `count` samples (0 or
// more): the samples, and a last click that may run past them, as a double
// so that no count wraps.
double most_bytes(int64_t count, const Click& click, int32_t bits)
{
    const double samples = static_cast<double>(count) + static_cast<double>(click.length);
    return samples * bytes_per_sample(bits);
}

// Samples of a tempo map section written by `rtm`.
int64_t section_length(uint32_t rate, const TempoMapEntry& e)
{
    return track_samples(rate, track_seconds(e.meter, e.meas, e.tempo));
}

// Says on standard error what the file `name` holds after a `command` that
// wrote `clicks` clicks: "NAME: S samples, m:ss.mmm at R Hz; this COMMAND
// wrote N clicks."
void report_track(const char* name, int64_t samples, uint32_t rate, const char* command,
                  int64_t clicks)
{
    complain("%s: %lld samples, %s at %u Hz; this %s wrote %lld click%s.\n", name,
             static_cast<long long>(samples), minutes_seconds(samples, rate).c_str(), rate,
             command, static_cast<long long>(clicks), clicks == 1 ? "" : "s");
}

// Ends a write under catch_stops() (SIGTERM and SIGHUP end the process
// here); when Ctrl-C stopped it before it was `done`, says what became of
// the file.
void end_write(const StopHandlers* handlers, const char* name, bool done, bool undone)
{
    if (release_stops(handlers) && !done)
        std::printf("Writing stopped: %s %s\n", name,
                    undone ? "is as it was before." : "holds the whole samples written.");
}

}  // namespace

int64_t WRITE_FILE(uint32_t rate, int32_t bits, float tempo, int64_t count, const char* name,
                   const int8_t* clickBytes, int64_t clickLength, const AppendPlace* append,
                   int64_t* clicks)
{
    const float beatInterval = beat_interval(rate, tempo);
    FILE* f = open_regular(name, "rb+");
    if (!f) die(2, "The requested filename does not exist!\n");
    // The pad byte after odd data makes way for the samples.
    if (append && append->padByte >= 0 && ftruncate(fileno(f), append->at) != 0)
        fail_file(name, errno);
    if (std::fseek(f, 0, SEEK_END) != 0) fail_file(name, errno);
    Output out{fileno(f), name, bytes_per_sample(bits), append, {}, 0};
    const uint8_t* click = reinterpret_cast<const uint8_t*>(clickBytes);
    int64_t written = 0;
    float beatCounter = 0.0f;
    float nextBeat = beatInterval * beatCounter;
    // An empty click places nothing, so its track is silence throughout and
    // the beat position, which may stop moving on (all beats due at once, or
    // the beat counter stuck past 2^24), is never followed.
    while (clickLength > 0 && written < count && !stopSignal) {
        if (!(static_cast<float>(written) < nextBeat)) {
            beatCounter += 1.0f;
            put_piece(&out, click, static_cast<size_t>(clickLength * out.bytesPerSample));
            written += clickLength;
            ++*clicks;
            nextBeat = beatInterval * beatCounter;
            continue;
        }
        const int64_t end = std::min(first_count_reaching(written, nextBeat), count);
        put_silence(&out, end - written);
        written = end;
    }
    put_silence(&out, std::max<int64_t>(count - written, 0));  // an empty click's whole track
    // Stopped, also during this last write: what is queued is dropped, and
    // what reached the file is put in order.
    flush_output(&out);
    const bool stopped = stopSignal != 0;
    if (stopped && !settle(&out)) fail_file(name, errno);
    close_file(f, name);
    return stopped ? -1 : std::max<int64_t>(written, count);
}

void write_track(const UserSettings& s, int64_t trackSamples, const Click& click)
{
    if (!fits_in_header("write", s.save, most_bytes(trackSamples, click, s.bits), dataTagAt))
        return;
    StopHandlers handlers;
    catch_stops(&handlers);  // before the header, which states the whole track
    int64_t written = 0, clicks = 0;
    const bool created = MAKE_HEADER(s.save, s.rate, static_cast<uint32_t>(s.bits), trackSamples);
    if (!created)
        report_uncreatable(s.save);
    else
        written = WRITE_FILE(s.rate, s.bits, s.tempo, trackSamples, s.save, click.bytes.data(),
                             click.length, nullptr, &clicks);
    if (written > trackSamples) FIX_SIZE(s.save, nullptr);  // the last click ran past the end
    end_write(&handlers, s.save, written >= 0, false);
    if (created && written >= 0) report_track(s.save, written, s.rate, "w", clicks);
}

void append_track(const UserSettings& s, int64_t trackSamples, const Click& click)
{
    AppendPlace place;
    if (!can_append_to(s.save, s.rate, s.bits, most_bytes(trackSamples, click, s.bits), &place))
        return;
    StopHandlers handlers;
    catch_stops(&handlers);
    int64_t clicks = 0;
    const bool done = WRITE_FILE(s.rate, s.bits, s.tempo, trackSamples, s.save, click.bytes.data(),
                                 click.length, &place, &clicks) >= 0;
    const int64_t dataBytes = done ? FIX_SIZE(s.save, &place) : 0;
    end_write(&handlers, s.save, done, true);
    if (done) report_track(s.save, dataBytes / bytes_per_sample(s.bits), s.rate, "+", clicks);
}

bool write_tempo_map(const std::vector<TempoMapEntry>& map, const UserSettings& s,
                     const Click& click)
{
    double total = 0;
    for (const TempoMapEntry& e : map)
        total += most_bytes(section_length(s.rate, e), click, s.bits);
    if (!fits_in_header("write", s.save, total, dataTagAt)) return false;
    StopHandlers handlers;
    catch_stops(&handlers);
    const bool created = MAKE_HEADER(s.save, s.rate, static_cast<uint32_t>(s.bits), 0);
    if (!created) report_uncreatable(s.save);
    bool done = created;
    int64_t samples = 0, clicks = 0;
    for (size_t i = 0; i < map.size() && done; i++) {
        const int64_t written =
            WRITE_FILE(s.rate, s.bits, map[i].tempo, section_length(s.rate, map[i]), s.save,
                       click.bytes.data(), click.length, nullptr, &clicks);
        done = written >= 0;
        if (done) {
            const int number = static_cast<int>(i + 1);
            complain("%s\n", section_line(number, map[i], written, s.rate).c_str());
            samples += written;
        }
    }
    if (done) FIX_SIZE(s.save, nullptr);
    end_write(&handlers, s.save, done || !created, false);
    if (done) report_track(s.save, samples, s.rate, "rtm", clicks);
    return done;
}
