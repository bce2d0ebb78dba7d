// The ALSA playback engine and the two commands built on it.
//
// One engine, play_beat(), does all the talking to libasound. It plays a
// beat described as a head of packed frames followed by copies of one fill
// frame: PLAY hands it a whole beat buffer (the head is the beat), while the
// audition and the tempo map hand it the click as the head and the silence
// frame as the fill. The frames that reach the device are the same as those
// of a beat buffer built in full, but a beat is never held in memory: a
// playback needs the caller's click plus one period, whatever the tempo.
#include "playback/playback.h"

#include <alsa/asoundlib.h>

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>

#include "common/fatal.h"

namespace {

// The period asked of the device; the buffer holds two of them.
constexpr int64_t requestedPeriodFrames = 1024;

// One beat as the engine reads it: frames 0 .. headFrames-1 come from
// `head`, frames headFrames .. beatFrames-1 are copies of `fillFrame`.
struct Beat {
    const int8_t* head;
    int64_t headFrames;  // 0 .. beatFrames
    const int8_t* fillFrame;
    int64_t beatFrames;  // at least 1
};

// Where the fill stands; carried over from one period to the next.
struct Position {
    int64_t frame;          // next frame of the beat to copy
    int64_t beatInMeasure;  // number of the current beat in its measure, from 1
    int32_t measure;        // number of the current measure
};

// Truncates toward zero into 64 bits. NaN gives 0; values beyond the range
// give its nearest end, so an absurd length saturates instead of wrapping.
int64_t truncate_to_int64(double x)
{
    if (std::isnan(x)) return 0;
    if (x >= 9223372036854775808.0) return std::numeric_limits<int64_t>::max();
    if (x <= -9223372036854775808.0) return std::numeric_limits<int64_t>::min();
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

// A beat has ended: counts it and, when it closed a measure, prints the
// next measure's line. The measure number wraps rather than overflows.
void end_beat(int32_t meter, Position* pos)
{
    pos->frame = 0;
    if (pos->beatInMeasure == meter) {
        pos->measure = static_cast<int32_t>(static_cast<uint32_t>(pos->measure) + 1u);
        std::printf("\tMeasure  %i\n", pos->measure);
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

[[noreturn]] void die_out_of_memory()
{
    die(1, stderr, "unable to allocate playback buffer: %s\n", std::strerror(ENOMEM));
}

// A period buffer of `frames` frames, or the end of the process.
int8_t* allocate_period(int64_t frames, int64_t bytesPerFrame)
{
    if (frames > std::numeric_limits<int64_t>::max() / 4) die_out_of_memory();
    void* buffer = std::malloc(static_cast<size_t>(frames * bytesPerFrame));
    if (!buffer) die_out_of_memory();
    return static_cast<int8_t*>(buffer);
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

    auto* params = static_cast<snd_pcm_hw_params_t*>(std::calloc(1, snd_pcm_hw_params_sizeof()));
    if (!params) die_out_of_memory();
    snd_pcm_hw_params_any(pcm, params);
    snd_pcm_hw_params_set_access(pcm, params, SND_PCM_ACCESS_RW_INTERLEAVED);
    const snd_pcm_format_t format = bits == 16 ? SND_PCM_FORMAT_S16_LE : SND_PCM_FORMAT_S24_3LE;
    rc = snd_pcm_hw_params_set_format(pcm, params, format);
    if (rc < 0) die(1, stderr, "unable to set playback format: %s\n", snd_strerror(rc));
    snd_pcm_hw_params_set_channels(pcm, params, 1);

    // The answers to these requests are not looked at: a device that
    // cannot meet them fails at installation or picks its nearest value.
    unsigned int requestedRate = rate;
    int dir = 0;
    snd_pcm_hw_params_set_rate_near(pcm, params, &requestedRate, &dir);
    snd_pcm_uframes_t period = requestedPeriodFrames;
    dir = 0;
    snd_pcm_hw_params_set_period_size_near(pcm, params, &period, &dir);
    snd_pcm_uframes_t buffer = 2 * requestedPeriodFrames;
    snd_pcm_hw_params_set_buffer_size_near(pcm, params, &buffer);

    rc = snd_pcm_hw_params(pcm, params);
    if (rc < 0) die(1, stderr, "unable to set hw parameters: %s\n", snd_strerror(rc));
    *periodFrames = 0;
    dir = 0;
    snd_pcm_hw_params_get_period_size(params, periodFrames, &dir);
    std::free(params);
    return pcm;
}

// Plays `beat` over and over for the whole periods that fit strictly below
// `totalSamples`, printing the measure lines, then drains and closes.
void play_beat(const Beat& beat, int64_t totalSamples, const char* device, uint32_t rate,
               int32_t meter, int32_t startMeasure, int32_t bits)
{
    const int64_t bytesPerFrame = bits == 16 ? 2 : 3;
    // The period buffer is taken before the device is touched, for the
    // period that will be asked for; only a device that grants a longer
    // period makes it grow.
    int8_t* periodBuffer = allocate_period(requestedPeriodFrames, bytesPerFrame);

    snd_pcm_uframes_t granted = 0;
    snd_pcm_t* pcm = open_device(device, rate, bits, &granted);
    if (granted > static_cast<snd_pcm_uframes_t>(std::numeric_limits<int64_t>::max()))
        die_out_of_memory();
    const int64_t periodFrames = static_cast<int64_t>(granted);
    if (periodFrames > requestedPeriodFrames) {
        std::free(periodBuffer);
        periodBuffer = allocate_period(periodFrames, bytesPerFrame);
    }

    snd_pcm_prepare(pcm);
    std::printf("\tMeasure  %i\n", startMeasure);

    // A period of 0 frames would never advance: nothing is written then.
    if (periodFrames > 0 && totalSamples > periodFrames) {
        const int64_t limit = totalSamples - periodFrames;
        Position pos{0, 1, startMeasure};
        int64_t framesQueued = 0;
        do {
            fill_period(periodBuffer, periodFrames, bytesPerFrame, beat, meter, &pos);
            // An underrun costs this period; any other failure or a short
            // write is passed over and the next period follows.
            const snd_pcm_sframes_t written =
                snd_pcm_writei(pcm, periodBuffer, static_cast<snd_pcm_uframes_t>(periodFrames));
            if (written == -EPIPE) snd_pcm_prepare(pcm);
            framesQueued += periodFrames;
        } while (framesQueued < limit);
    }

    snd_pcm_drain(pcm);
    snd_pcm_close(pcm);
    std::free(periodBuffer);
}

// True when `bits` is a depth the engine plays and `bytesPerSample` is its
// layout; prints why not otherwise. A mismatch would make the engine read
// the click with the wrong stride.
bool playable_layout(int32_t bits, int32_t bytesPerSample)
{
    if ((bits == 16 && bytesPerSample == 2) || (bits == 24 && bytesPerSample == 3)) return true;
    std::printf("Samples of %i bits in %i bytes cannot be played.\n", bits, bytesPerSample);
    return false;
}

// The beat of `samplesPerBeat` frames that starts with the click, cut at
// the beat's end, and goes on in silence.
Beat click_beat(const int8_t* clickBytes, int64_t clickLength, const int8_t* silenceFrame,
                int64_t samplesPerBeat)
{
    static const int8_t zeroFrame[3] = {0, 0, 0};
    const int64_t head = clickBytes ? std::clamp<int64_t>(clickLength, 0, samplesPerBeat) : 0;
    return Beat{clickBytes, head, silenceFrame ? silenceFrame : zeroFrame, samplesPerBeat};
}

// Frames per beat of the audition, in single precision; 0 for a tempo that
// is not a positive number.
int64_t audition_beat(uint32_t rate, float tempo)
{
    if (!(tempo > 0.0f)) return 0;
    const float beatsPerSecond = tempo / 60.0f;
    if (beatsPerSecond == 0.0f) return std::numeric_limits<int64_t>::max();
    return truncate_to_int64(static_cast<float>(rate) / beatsPerSecond);
}

// Frames per beat of a tempo map section, in double precision; 0 for a
// tempo that is not a positive number.
int64_t section_beat(uint32_t rate, float tempo)
{
    if (!(tempo > 0.0f)) return 0;
    return truncate_to_int64(static_cast<double>(rate) * 60.0 / static_cast<double>(tempo));
}

// Length of a section in frames, from the exact beat length: beats times
// rate, in 64 bits (saturating), times the seconds per beat. A negative
// beat or measure count gives an empty section.
int64_t section_samples(const TempoMapEntry& entry, uint32_t rate)
{
    if (entry.meter < 0 || entry.meas < 0) return 0;
    uint64_t product = 0;
    if (__builtin_mul_overflow(static_cast<uint64_t>(entry.meter),
                               static_cast<uint64_t>(entry.meas), &product) ||
        __builtin_mul_overflow(product, static_cast<uint64_t>(rate), &product))
        product = std::numeric_limits<uint64_t>::max();
    const double secondsPerBeat = 60.0 / static_cast<double>(entry.tempo);
    return truncate_to_int64(static_cast<double>(product) * secondsPerBeat);
}

}  // namespace

void PLAY(const int8_t* beat, int64_t beatSamples, int64_t totalSamples, const char* device,
          uint32_t rate, int32_t meter, int32_t startMeasure, int32_t bits)
{
    if (!beat || beatSamples < 1) {
        std::puts("There is no beat to play.");
        return;
    }
    if (bits != 16 && bits != 24) {
        std::printf("Samples of %i bits cannot be played.\n", bits);
        return;
    }
    play_beat(Beat{beat, beatSamples, nullptr, beatSamples}, totalSamples, device, rate, meter,
              startMeasure, bits);
}

void audition(const int8_t* clickBytes, int64_t clickLength, const int8_t* silenceFrame,
              int32_t bytesPerSample, uint32_t rate, float tempo, float atime, int32_t meter,
              const char* device, int32_t bits)
{
    if (!playable_layout(bits, bytesPerSample)) return;
    const int64_t samplesPerBeat = audition_beat(rate, tempo);
    if (samplesPerBeat < 1) {
        std::printf("A tempo of %g bpm cannot be played at %u Hz.\n", tempo, rate);
        return;
    }
    const int64_t auditionSamples = truncate_to_int64(static_cast<float>(rate) * atime);
    play_beat(click_beat(clickBytes, clickLength, silenceFrame, samplesPerBeat), auditionSamples,
              device, rate, meter, 1, bits);
}

void play_tempo_map(const std::vector<TempoMapEntry>& map, const int8_t* clickBytes,
                    int64_t clickLength, const int8_t* silenceFrame, int32_t bytesPerSample,
                    uint32_t rate, const char* device, int32_t bits)
{
    if (!playable_layout(bits, bytesPerSample)) return;
    int32_t section = 0;
    for (const TempoMapEntry& entry : map) {
        ++section;
        const int64_t samplesPerBeat = section_beat(rate, entry.tempo);
        if (samplesPerBeat < 1) {
            std::printf("Section %i skipped: a tempo of %g bpm cannot be played at %u Hz.\n",
                        section, entry.tempo, rate);
            continue;
        }
        const int64_t sectionSamples = section_samples(entry, rate);
        std::printf("\nPlaying section  %i \n\n", section);
        play_beat(click_beat(clickBytes, clickLength, silenceFrame, samplesPerBeat),
                  sectionSamples, device, rate, entry.meter, 1, bits);
    }
}
