// Start-up: banner, settings file or first-run prompts, derived values.
#include <cerrno>
#include <cstdio>

#include "common/fatal.h"
#include "common/files.h"
#include "common/timing.h"
#include "console/input.h"
#include "console/session.h"
#include "playback/device_name.h"
#include "settings/settings.h"

// A rate of 0 has no samples to write, and one beyond the limit would make
// the click and the periods enormous.
static void refuse_unusable_rate(UserSettings* s)
{
    if (s->rate >= 1 && s->rate <= maxRate) return;
    std::printf("Sample rate %u Hz is outside 1 to %u Hz; using 44100 Hz.\n", s->rate, maxRate);
    s->rate = 44100;
}

// A folder's tiklora.txt may come from anyone: a device that would have
// alsa-lib write a file or run a command is not taken from it.
static void refuse_unsafe_device(UserSettings* s)
{
    if (!device_name_accepted(s->device, "Using", "default"))
        std::snprintf(s->device, sizeof s->device, "default");
}

static void load_settings(Session* session, std::FILE* file)
{
    UserSettings* s = &session->settings;
    GET_PARAMS(file, s);
    // Only 16 and 24 bits have a sample layout; any other depth is taken as
    // 24 bits, as the first-run prompt does.
    if (s->bits != 16) s->bits = 24;
    refuse_unusable_rate(s);
    refuse_unsafe_device(s);
    std::puts("Settings Loaded");
    session->trackSeconds = track_seconds_at_start(s->meter, s->meas, s->tempo);
    std::puts("-------------------------");
    std::printf("rate: %i\tbits: %i\tdevice: %s\n", static_cast<int>(s->rate), s->bits, s->device);
    std::printf("meter: %i\tmeas: %i\tatime: %.1f\n", s->meter, s->meas, s->atime);
    std::printf("Hz: %.2f\tsave: %s\ttmap: %s\n", s->Hz, s->save, s->map);
    std::puts("-------------------------");
}

static void ask_rate_and_depth(Session* session)
{
    UserSettings* s = &session->settings;
    std::puts("\nEnter sample rate or");
    std::puts("0 = exit, 1 = 44100,  2 = 48000,  3 = 88200,  4 = 96000");
    // An answer that is no number keeps the default rate.
    uint32_t answer = s->rate;
    read_int(session->in, &answer);
    static const uint32_t presets[] = {44100, 48000, 88200, 96000};
    if (answer == 0) die(2, nullptr);
    s->rate = answer <= 4 ? presets[answer - 1] : answer;
    refuse_unusable_rate(s);
    std::puts("\nChoose Bit Depth (1 = 16 bits, 2 = 24 bits)");
    uint32_t depth = 0;
    read_int(session->in, &depth);
    s->bits = depth == 1 ? 16 : 24;
    session->trackSeconds = track_seconds_at_start(s->meter, s->meas, s->tempo);
}

void start_up(Session* session)
{
    std::puts("\nTikvane v. 1.023 (m) by Velmorad\n");
    std::puts("Checking for tiklora.txt file...");
    // A tiklora.txt that is not a regular file (a FIFO would hold the start
    // for ever) is said so and passed over like one that is not there.
    std::FILE* file = open_regular("tiklora.txt", "r");
    if (!file && (errno == notRegularFile || errno == EISDIR))
        std::printf("Could not read 'tiklora.txt': %s\n", file_error_text(errno));
    if (file)
        load_settings(session, file);
    else
        ask_rate_and_depth(session);
    std::puts("ready");
}
