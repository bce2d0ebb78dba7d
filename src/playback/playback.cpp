// The ALSA playback engine and the two commands built on it.
//
// PLAY does all the talking to libasound. It plays a beat described as a
// head of packed frames followed by copies of one fill frame: the audition
// and the tempo map hand it the click as the head and the silence frame as
// the fill. The frames that reach the device are those of a beat buffer
// built in full, but a beat is never held in memory: a playback needs the
// caller's click plus one period, whatever the tempo.
#include "playback/playback.h"

#include <alsa/asoundlib.h>
#include <signal.h>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <limits>
#include <vector>

#include "common/fatal.h"

namespace {

// The period asked of the device; the buffer holds two of them.
constexpr int64_t requestedPeriodFrames = 1024;

// Where the fill stands; carried over from one period to the next.
struct Position {
    int64_t frame;          // next frame of the beat to copy
    int64_t beatInMeasure;  // number of the current beat in its measure, from 1
    int32_t measure;        // number of the current measure
};

// Truncates toward zero into 64 bits. Values beyond the range give its
// nearest end, so an absurd length saturates instead of wrapping; NaN (an
// audition length that is not a number) gives the lowest, nothing to play.
int64_t truncate_to_int64(double x)
{
    if (x >= 9223372036854775808.0) return std::numeric_limits<int64_t>::max();
    if (!(x > -9223372036854775808.0)) return std::numeric_limits<int64_t>::min();
    return static_cast<int64_t>(x);
}

// Fills `count` frames at `dst` with copies of `frame`, doubling the copied
// run each step rather than copying frame by frame.
void fill_frames(int8_t* dst, int64_t count, const int8_t* frame, int64_t bytesPerFrame)
{
    if (count <= 0) return;
    std::memcpy(dst, frame, static_cast<size_t>(bytesPerFrame));
    int64_t filled = 1;
    while (filled < count) {
        const int64_t n = std::min(filled, count - filled);
        std::memcpy(dst + filled * bytesPerFrame, dst, static_cast<size_t>(n * bytesPerFrame));
        filled += n;
    }
}

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
        if (fromHead > 0)
            std::memcpy(dst, beat.head + pos->frame * bytesPerFrame,
                        static_cast<size_t>(fromHead * bytesPerFrame));
        fill_frames(dst + fromHead * bytesPerFrame, n - fromHead, beat.fillFrame, bytesPerFrame);
        done += n;
        pos->frame += n;
        if (pos->frame == beat.beatFrames) end_beat(meter, pos);
    }
}

// Set when Ctrl-C arrives during playback; the one state that lives
// outside main's record, since a signal handler can reach nothing else.
volatile std::sig_atomic_t interrupted;

void on_interrupt(int) { interrupted = 1; }

// Ctrl-C stops the sound, not the program, from here until
// release_interrupt(): the handler is installed for one command's playback
// and the disposition before it put back afterwards.
void catch_interrupt(struct sigaction* previous)
{
    interrupted = 0;
    struct sigaction action = {};
    action.sa_handler = on_interrupt;
    action.sa_flags = SA_RESTART;  // the zeroed mask blocks nothing more in the handler
    sigaction(SIGINT, &action, previous);
}

// Puts back the disposition of SIGINT from before catch_interrupt(), and
// says so when Ctrl-C stopped the playback.
void release_interrupt(const struct sigaction* previous)
{
    sigaction(SIGINT, previous, nullptr);
    if (!interrupted) return;
    std::puts("Playback stopped.");
    std::fflush(stdout);
}

// Opens and configures `device` for mono `bits`-bit samples at `rate`;
// returns the handle and the granted period in frames. Ends the process
// with status 1 when the device cannot be opened, the format cannot be set
// or the parameters cannot be installed.
snd_pcm_t* open_device(const char* device, uint32_t rate, int32_t bits,
                       snd_pcm_uframes_t* periodFrames)
{
    snd_pcm_t* pcm = nullptr;
    int rc = snd_pcm_open(&pcm, device, SND_PCM_STREAM_PLAYBACK, 0);
    if (rc < 0) die(1, stderr, "unable to open pcm device: %s\n", snd_strerror(rc));

    std::vector<char> space(snd_pcm_hw_params_sizeof());
    auto* params = reinterpret_cast<snd_pcm_hw_params_t*>(space.data());
    snd_pcm_hw_params_any(pcm, params);
    snd_pcm_hw_params_set_access(pcm, params, SND_PCM_ACCESS_RW_INTERLEAVED);
    const snd_pcm_format_t format = bits == 16 ? SND_PCM_FORMAT_S16_LE : SND_PCM_FORMAT_S24_3LE;
    rc = snd_pcm_hw_params_set_format(pcm, params, format);
    if (rc < 0) die(1, stderr, "unable to set playback format: %s\n", snd_strerror(rc));
    snd_pcm_hw_params_set_channels(pcm, params, 1);

    // The answers to these requests are not looked at: a device that
    // cannot meet them fails at installation or picks its nearest value.
    unsigned int requestedRate = rate;
    snd_pcm_hw_params_set_rate_near(pcm, params, &requestedRate, nullptr);
    snd_pcm_uframes_t period = requestedPeriodFrames;
    snd_pcm_hw_params_set_period_size_near(pcm, params, &period, nullptr);
    snd_pcm_uframes_t buffer = 2 * requestedPeriodFrames;
    snd_pcm_hw_params_set_buffer_size_near(pcm, params, &buffer);

    rc = snd_pcm_hw_params(pcm, params);
    if (rc < 0) die(1, stderr, "unable to set hw parameters: %s\n", snd_strerror(rc));
    snd_pcm_hw_params_get_period_size(params, periodFrames, nullptr);
    return pcm;
}

// The beat of `samplesPerBeat` frames that starts with the click, cut at
// the beat's end, and goes on in silence.
Beat click_beat(const int8_t* clickBytes, int64_t clickLength, const int8_t* silenceFrame,
                int64_t samplesPerBeat)
{
    return Beat{clickBytes, std::min(clickLength, samplesPerBeat), silenceFrame, samplesPerBeat};
}

// Frames per beat of the audition, in single precision; 0 for a tempo that
// is not a positive number.
int64_t audition_beat(uint32_t rate, float tempo)
{
    if (!(tempo > 0.0f)) return 0;
    return truncate_to_int64(static_cast<float>(rate) / (tempo / 60.0f));
}

// Frames per beat of a tempo map section, in double precision; 0 for a
// tempo that is not a positive number.
int64_t section_beat(uint32_t rate, float tempo)
{
    if (!(tempo > 0.0f)) return 0;
    return truncate_to_int64(static_cast<double>(rate) * 60.0 / static_cast<double>(tempo));
}

// Length of a section in frames, from the exact beat length: beats times
// rate times the seconds per beat, in double precision, which holds every
// product of the three exactly below 2^53 and never wraps. A negative beat
// or measure count gives an empty section.
int64_t section_samples(const TempoMapEntry& entry, uint32_t rate)
{
    if (entry.meter < 0 || entry.meas < 0) return 0;
    const double frames = static_cast<double>(entry.meter) * entry.meas * rate;
    return truncate_to_int64(frames * (60.0 / static_cast<double>(entry.tempo)));
}

}  // namespace

void PLAY(const Beat& beat, int64_t totalSamples, const char* device, uint32_t rate,
          int32_t meter, int32_t startMeasure, int32_t bits)
{
    const int64_t bytesPerFrame = bits == 16 ? 2 : 3;
    snd_pcm_uframes_t granted;
    snd_pcm_t* pcm = open_device(device, rate, bits, &granted);
    const int64_t periodFrames = static_cast<int64_t>(granted);
    std::vector<int8_t> periodBuffer(static_cast<size_t>(periodFrames * bytesPerFrame));

    print_measure(startMeasure);  // installing the parameters prepared the device

    // A period of 0 frames would never advance: nothing is written then.
    if (periodFrames > 0 && totalSamples > periodFrames) {
        const int64_t limit = totalSamples - periodFrames;
        Position pos{0, 1, startMeasure};
        int64_t framesQueued = 0;
        do {
            fill_period(periodBuffer.data(), periodFrames, bytesPerFrame, beat, meter, &pos);
            // An underrun costs this period; any other failure or a short
            // write is passed over and the next period follows.
            const snd_pcm_sframes_t written = snd_pcm_writei(
                pcm, periodBuffer.data(), static_cast<snd_pcm_uframes_t>(periodFrames));
            if (written == -EPIPE) snd_pcm_prepare(pcm);
            framesQueued += periodFrames;
        } while (framesQueued < limit && !interrupted);
    }

    // Played out to the end, unless Ctrl-C stopped it: closing drops
    // whatever is still queued.
    if (!interrupted) snd_pcm_drain(pcm);
    snd_pcm_close(pcm);
}

void audition(const int8_t* clickBytes, int64_t clickLength, const int8_t* silenceFrame,
              uint32_t rate, float tempo, float atime, int32_t meter, const char* device,
              int32_t bits)
{
    const int64_t samplesPerBeat = audition_beat(rate, tempo);
    if (samplesPerBeat < 1) {
        std::printf("A tempo of %g bpm cannot be played at %u Hz.\n", tempo, rate);
        return;
    }
    const int64_t auditionSamples = truncate_to_int64(static_cast<float>(rate) * atime);
    struct sigaction previous;
    catch_interrupt(&previous);
    PLAY(click_beat(clickBytes, clickLength, silenceFrame, samplesPerBeat), auditionSamples,
         device, rate, meter, 1, bits);
    release_interrupt(&previous);
}

void play_tempo_map(const std::vector<TempoMapEntry>& map, const int8_t* clickBytes,
                    int64_t clickLength, const int8_t* silenceFrame, uint32_t rate,
                    const char* device, int32_t bits)
{
    struct sigaction previous;
    catch_interrupt(&previous);
    int32_t section = 0;
    for (const TempoMapEntry& entry : map) {
        if (interrupted) break;
        ++section;
        const int64_t samplesPerBeat = section_beat(rate, entry.tempo);
        if (samplesPerBeat < 1) {
            std::printf("Section %i skipped: a tempo of %g bpm cannot be played at %u Hz.\n",
                        section, entry.tempo, rate);
            continue;
        }
        const int64_t sectionSamples = section_samples(entry, rate);
        std::printf("\nPlaying section  %i \n\n", section);
        PLAY(click_beat(clickBytes, clickLength, silenceFrame, samplesPerBeat), sectionSamples,
             device, rate, entry.meter, 1, bits);
    }
    release_interrupt(&previous);
}
