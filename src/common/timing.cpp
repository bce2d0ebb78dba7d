#include "common/timing.h"

#include <algorithm>
#include <cfloat>
#include <cstdio>
#include <limits>

// Every length and sample is a plain single- or double-precision result. A
// target that evaluates in wider registers (x87, m68k) rounds some of them
// differently and would write other bytes, so it is refused.
static_assert(FLT_EVAL_METHOD == 0,
              "float expressions are evaluated in excess precision (FLT_EVAL_METHOD is not 0), "
              "so tracks would differ from other machines' bytes; on 32-bit x86 build with "
              "-msse2 -mfpmath=sse, as CMakeLists.txt does");

// Truncates toward zero into 64 bits. Values beyond the range give its
// nearest end, so an absurd length saturates instead of wrapping; NaN gives
// the lowest, nothing to play.
static int64_t truncate_to_int64(double x)
{
    if (x >= 9223372036854775808.0) return std::numeric_limits<int64_t>::max();
    if (!(x > -9223372036854775808.0)) return std::numeric_limits<int64_t>::min();
    return static_cast<int64_t>(x);
}

// meter x meas as a signed 32-bit product (wrapping, never undefined).
static int32_t beats(int32_t meter, int32_t meas)
{
    return static_cast<int32_t>(static_cast<uint32_t>(meter) * static_cast<uint32_t>(meas));
}

int32_t bytes_per_sample(int32_t bits)
{
    return bits == 16 ? 2 : 3;
}

float track_seconds_at_start(int32_t meter, int32_t meas, float tempo)
{
    return static_cast<float>(beats(meter, meas)) / (tempo / 60.0f);
}

float track_seconds(int32_t meter, int32_t meas, float tempo)
{
    return static_cast<float>(static_cast<double>(static_cast<float>(beats(meter, meas))) *
                              (60.0 / static_cast<double>(tempo)));
}

int64_t track_samples(uint32_t rate, float seconds)
{
    const float samples = static_cast<float>(rate) * seconds;
    if (!(samples > 0.0f) || !(samples < 9223372036854775807.0f)) return 0;
    return static_cast<int64_t>(samples);
}

float beat_interval(uint32_t rate, float tempo)
{
    return static_cast<float>(rate) / (tempo / 60.0f);
}

int64_t audition_beat(uint32_t rate, float tempo)
{
    if (!(tempo > 0.0f)) return 0;
    return truncate_to_int64(beat_interval(rate, tempo));
}

int64_t audition_samples(uint32_t rate, float atime)
{
    return truncate_to_int64(static_cast<float>(rate) * atime);
}

int64_t section_beat(uint32_t rate, float tempo)
{
    if (!(tempo > 0.0f)) return 0;
    return truncate_to_int64(static_cast<double>(rate) * 60.0 / static_cast<double>(tempo));
}

int64_t section_samples(uint32_t rate, int32_t meter, int32_t meas, float tempo)
{
    // A negative count of beats or measures plays nothing.
    const double frames = static_cast<double>(std::max(meter, 0)) * std::max(meas, 0) * rate;
    return truncate_to_int64(frames * (60.0 / static_cast<double>(tempo)));
}

std::string minutes_seconds(int64_t samples, uint32_t rate)
{
    // Whole seconds and the rest apart, so that no count overflows.
    const int64_t seconds = samples / rate;
    const int64_t millis = samples % rate * 1000 / rate;
    char text[48];
    std::snprintf(text, sizeof text, "%lld:%02d.%03d", static_cast<long long>(seconds / 60),
                  static_cast<int>(seconds % 60), static_cast<int>(millis));
    return text;
}
