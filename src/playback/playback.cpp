// The ALSA playback engine and the two commands built on it.
//
// PLAY does all the talking to libasound. It plays a beat described as a
// head of packed frames followed by silence: the audition and the tempo map
// hand it the click as the head. The frames that reach the device are those
// of a beat buffer built in full, but a beat is never held in memory: a
// playback needs the click, spread once over the device's channels, and one
// period, whatever the tempo or length.
#include "playback/playback.h"

#include <alsa/asoundlib.h>
#include <poll.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstring>
#include <vector>

#include "common/fatal.h"
#include "common/stop.h"
#include "common/timing.h"

namespace {

// The period asked of the device; the buffer holds two of them.
constexpr snd_pcm_uframes_t requestedPeriodFrames = 1024;

// The device is waited for in steps of this many milliseconds, so that a
// stop signal is seen within one step whatever the device does.
constexpr int waitStep = 100;

// A device that takes nothing for this long, beyond the time its buffer
// lasts, has stopped without a word (a JACK server that died): the playback
// is given up rather than waited on for ever.
constexpr int stallMs = 2000;

// What the waits return for such a device.
constexpr int stalled = INT_MIN;

// Where the fill stands; carried over from one period to the next.
struct Position {
    int64_t frame;          // next frame of the beat to copy
    int64_t beatInMeasure;  // number of the current beat in its measure, from 1
    int32_t measure;        // number of the current measure
};

// A device opened and configured as it granted.
struct Device {
    snd_pcm_t* pcm;
    unsigned channels;
    snd_pcm_uframes_t periodFrames;
    int64_t stallMs;  // how long it may take nothing before it counts as stopped
};

void print_measure(int32_t measure)
{
    std::printf("\tMeasure  %i\n", measure);
    std::fflush(stdout);  // live, also into a pipe: a wrapper may follow the count
}

// A beat has ended: counts it and, when it closed a measure, prints the
// next measure's line. The measure number wraps rather than overflows.
void end_beat(int32_t meter, Position* pos)
{
    pos->frame = 0;
    if (pos->beatInMeasure == meter) {
        pos->measure = static_cast<int32_t>(static_cast<uint32_t>(pos->measure) + 1u);
        print_measure(pos->measure);
        pos->beatInMeasure = 1;
    } else {
        pos->beatInMeasure += 1;
    }
}

// Fills one period of `frames` frames from the beat, continuing where the
// last period stopped and counting every beat that ends inside it.
void fill_period(int8_t* out, int64_t frames, int64_t bytesPerFrame, const Beat& beat,
                 int32_t meter, Position* pos)
{
    int64_t done = 0;
    while (done < frames) {
        const int64_t n = std::min(frames - done, beat.beatFrames - pos->frame);
        const int64_t fromHead = std::clamp<int64_t>(beat.headFrames - pos->frame, 0, n);
        int8_t* dst = out + done * bytesPerFrame;
        if (fromHead > 0)  // an empty click has no bytes to copy from
            std::memcpy(dst, beat.head + pos->frame * bytesPerFrame,
                        static_cast<size_t>(fromHead * bytesPerFrame));
        std::memset(dst + fromHead * bytesPerFrame, 0,
                    static_cast<size_t>((n - fromHead) * bytesPerFrame));
        done += n;
        pos->frame += n;
        if (pos->frame == beat.beatFrames) end_beat(meter, pos);
    }
}

// The beat's head as the device takes it: each mono sample copied into
// every one of `channels` channels of its frame. Done once per playback, so
// that every period is then filled by whole runs of frames.
std::vector<int8_t> spread_channels(const Beat& beat, int64_t bytesPerSample, int64_t channels)
{
    std::vector<int8_t> head(static_cast<size_t>(beat.headFrames * channels * bytesPerSample));
    for (int64_t f = 0; f < beat.headFrames; f++)
        for (int64_t c = 0; c < channels; c++)
            for (int64_t b = 0; b < bytesPerSample; b++)
                head[static_cast<size_t>((f * channels + c) * bytesPerSample + b)] =
                    beat.head[f * bytesPerSample + b];
    return head;
}

// Whether a configuration call succeeded; if not, says "unable to WHAT:
// DEVICE: REASON", unless a stop signal broke off the call.
bool granted(int rc, const char* what, const char* device)
{
    if (rc < 0 && !stopSignal) complain("unable to %s: %s: %s\n", what, device, snd_strerror(rc));
    return rc >= 0;
}

// Whether the installed rate is `rate` exactly; if not, says what the
// device offers: played at another rate, every beat would be off.
bool rate_is(const snd_pcm_hw_params_t* params, uint32_t rate, const char* device)
{
    unsigned offered;
    int fraction;
    if (!granted(snd_pcm_hw_params_get_rate(params, &offered, &fraction),
                 "read back hw parameters", device))
        return false;
    if (offered == rate && fraction == 0) return true;
    complain("unable to set sample rate: %s offers %u Hz, not %u Hz (plughw: and default devices "
             "convert)\n",
             device, offered, rate);
    return false;
}

// Opens and configures `device` for `bits`-bit samples at `rate`, on one
// channel where it can, and reads back the channels, the period and the
// buffer it granted (a plugin's answer to a request may differ from what
// it installs). The device is opened without waiting, so one that another
// program holds is refused at once, and it stays so: every wait for it is
// the program's own. Returns false, having said why, when the device
// cannot be used.
bool open_device(const char* device, uint32_t rate, int32_t bits, Device* dev)
{
    std::fflush(stdout);  // libasound may complain on standard error while opening
    if (!granted(snd_pcm_open(&dev->pcm, device, SND_PCM_STREAM_PLAYBACK, SND_PCM_NONBLOCK),
                 "open pcm device", device))
        return false;
    std::vector<char> space(snd_pcm_hw_params_sizeof());
    auto* params = reinterpret_cast<snd_pcm_hw_params_t*>(space.data());
    const snd_pcm_format_t format = bits == 16 ? SND_PCM_FORMAT_S16_LE : SND_PCM_FORMAT_S24_3LE;
    unsigned channels, nearRate = rate;
    snd_pcm_uframes_t period = requestedPeriodFrames, buffer = 2 * requestedPeriodFrames;
    snd_pcm_t* pcm = dev->pcm;
    const char* readBack = "read back hw parameters";
    const bool ok =
        granted(snd_pcm_hw_params_any(pcm, params), "read hw parameters", device) &&
        granted(snd_pcm_hw_params_set_access(pcm, params, SND_PCM_ACCESS_RW_INTERLEAVED),
                "set access type", device) &&
        granted(snd_pcm_hw_params_set_format(pcm, params, format), "set playback format", device) &&
        granted(snd_pcm_hw_params_set_channels_first(pcm, params, &channels), "set channels",
                device) &&
        granted(snd_pcm_hw_params_set_rate_near(pcm, params, &nearRate, nullptr),
                "set sample rate", device) &&
        granted(snd_pcm_hw_params_set_period_size_near(pcm, params, &period, nullptr),
                "set period size", device) &&
        granted(snd_pcm_hw_params_set_buffer_size_near(pcm, params, &buffer), "set buffer size",
                device) &&
        granted(snd_pcm_hw_params(pcm, params), "set hw parameters", device) &&
        rate_is(params, rate, device) &&
        granted(snd_pcm_hw_params_get_channels(params, &dev->channels), readBack, device) &&
        granted(snd_pcm_hw_params_get_period_size(params, &dev->periodFrames, nullptr), readBack,
                device) &&
        granted(snd_pcm_hw_params_get_buffer_size(params, &buffer), readBack, device);
    if (!ok) {
        snd_pcm_close(pcm);  // refused already; how the close went changes nothing
        return false;
    }
    dev->stallMs = stallMs + static_cast<int64_t>(buffer) * 1000 / rate;
    return true;
}

// Waits a step for the device to take samples. Returns what the wait gave
// (1 ready, 0 not yet, below 0 an error), or `stalled` once the steps in
// which it took nothing add up to its stall time.
int wait_step(const Device& dev, int64_t* idleMs)
{
    const int rc = snd_pcm_wait(dev.pcm, waitStep);
    return rc == 0 && (*idleMs += waitStep) >= dev.stallMs ? stalled : rc;
}

// Hands one period to the device, waiting for room in steps. Returns 0 when
// it was taken (a short write is passed over) or a stop signal came first;
// otherwise what went wrong: the device's error, or `stalled`.
int hand_over(const Device& dev, const int8_t* period)
{
    for (int64_t idleMs = 0; !stopSignal;) {
        const snd_pcm_sframes_t n = snd_pcm_writei(dev.pcm, period, dev.periodFrames);
        if (n != -EAGAIN) return static_cast<int>(std::min<snd_pcm_sframes_t>(n, 0));
        const int rc = wait_step(dev, &idleMs);
        if (rc < 0) return rc;
    }
    return 0;
}

// Makes the device take samples again after an underrun (prepared afresh)
// or a suspend, whose end is waited for in steps, so that a stop signal
// ends the wait; a device that cannot resume is prepared afresh. An
// interrupted write is tried again with the next period. Returns 0 when
// the next period may follow, or the error that cannot be recovered from
// (or `stalled`).
int recover(const Device& dev, int rc)
{
    if (rc == -EPIPE) return snd_pcm_prepare(dev.pcm);
    if (rc == -EINTR) return 0;
    if (rc != -ESTRPIPE) return rc;
    while ((rc = snd_pcm_resume(dev.pcm)) == -EAGAIN && !stopSignal) poll(nullptr, 0, waitStep);
    return rc < 0 && rc != -EAGAIN ? snd_pcm_prepare(dev.pcm) : 0;
}

// Plays out what the device holds, looking in steps whether it is done.
// Returns 0 when it is (or a stop signal came), or the failure: the
// device's error, or `stalled` when it has taken nothing for its stall time.
// How else a wait ended, the next look at the drain tells.
int play_out(const Device& dev)
{
    for (int64_t idleMs = 0; !stopSignal;) {
        const int rc = snd_pcm_drain(dev.pcm);
        if (rc != -EAGAIN) return rc;
        if (wait_step(dev, &idleMs) == stalled) return stalled;
    }
    return 0;
}

// Whether the device failed while playing (rc below 0, after recovery was
// tried); if so, says "Playback stopped: DEVICE: REASON".
bool device_failed(int rc, const char* device)
{
    if (rc < 0)
        complain("Playback stopped: %s: %s\n", device,
                 rc == stalled ? "the device has stopped taking samples" : snd_strerror(rc));
    return rc < 0;
}

// The beat of `samplesPerBeat` frames that starts with the click, cut at
// the beat's end, and goes on in silence.
Beat click_beat(const Click& click, int64_t samplesPerBeat)
{
    return Beat{click.bytes.data(), std::min(click.length, samplesPerBeat), samplesPerBeat};
}

}  // namespace

bool PLAY(const Beat& beat, int64_t totalSamples, const char* device, uint32_t rate,
          int32_t meter, int32_t startMeasure, int32_t bits)
{
    Device dev;
    if (!open_device(device, rate, bits, &dev)) return false;
    const int64_t bytesPerSample = bytes_per_sample(bits);
    const int64_t frameBytes = dev.channels * bytesPerSample;
    const int64_t periodFrames = static_cast<int64_t>(dev.periodFrames);
    std::vector<int8_t> periodBuffer(static_cast<size_t>(periodFrames * frameBytes));
    const std::vector<int8_t> head = spread_channels(beat, bytesPerSample, dev.channels);
    const Beat played{head.data(), beat.headFrames, beat.beatFrames};

    print_measure(startMeasure);  // installing the parameters prepared the device

    int rc = 0;
    if (totalSamples > periodFrames) {
        const int64_t limit = totalSamples - periodFrames;
        Position pos{0, 1, startMeasure};
        int64_t framesQueued = 0;
        do {
            fill_period(periodBuffer.data(), periodFrames, frameBytes, played, meter, &pos);
            // An underrun or a suspend is recovered and costs the period;
            // `stalled` and the device's other errors pass through.
            rc = recover(dev, hand_over(dev, periodBuffer.data()));
            framesQueued += periodFrames;
        } while (framesQueued < limit && !stopSignal && rc == 0);
    }

    // Played out to the end, unless stopped: closing drops whatever is
    // still queued. A failure is told before the close, which may take a
    // while on a device that has gone.
    if (rc == 0 && !stopSignal) rc = play_out(dev);
    const bool failed = device_failed(rc, device);
    const int closed = snd_pcm_close(dev.pcm);
    return !failed && !device_failed(closed, device);
}

void audition(const UserSettings& s, const Click& click)
{
    const int64_t samplesPerBeat = audition_beat(s.rate, s.tempo);
    if (samplesPerBeat < 1) {
        std::printf("A tempo of %g bpm cannot be played at %u Hz.\n", s.tempo, s.rate);
        return;
    }
    StopHandlers handlers;
    catch_playback_stops(&handlers);
    PLAY(click_beat(click, samplesPerBeat), audition_samples(s.rate, s.atime), s.device, s.rate,
         s.meter, 1, s.bits);
    if (release_stops(&handlers)) std::puts("Playback stopped.");
}

void play_tempo_map(const std::vector<TempoMapEntry>& map, const UserSettings& s,
                    const Click& click)
{
    StopHandlers handlers;
    catch_playback_stops(&handlers);
    bool playing = true;
    for (size_t i = 0; i < map.size() && playing && !stopSignal; i++) {
        const TempoMapEntry& e = map[i];
        const int section = static_cast<int>(i + 1);
        const int64_t samplesPerBeat = section_beat(s.rate, e.tempo);
        if (samplesPerBeat < 1) {
            std::printf("Section %i skipped: a tempo of %g bpm cannot be played at %u Hz.\n",
                        section, e.tempo, s.rate);
            continue;
        }
        std::printf("\nPlaying section  %i \n\n", section);
        const int64_t samples = section_samples(s.rate, e.meter, e.meas, e.tempo);
        complain("%s\n", section_line(section, e, samples, s.rate).c_str());
        playing = PLAY(click_beat(click, samplesPerBeat), samples, s.device, s.rate, e.meter, 1,
                       s.bits);
    }
    if (release_stops(&handlers)) std::puts("Playback stopped.");
}
