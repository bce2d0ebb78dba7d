// The menu and the command loop: one pass per command word.
#include <cstdio>
#include <string>

#include "common/fatal.h"
#include "common/timing.h"
#include "console/input.h"
#include "console/session.h"
#include "playback/device_name.h"
#include "playback/playback.h"
#include "settings/settings.h"
#include "synth/synth.h"
#include "tempomap/tempomap.h"
#include "wav/wav.h"

static const char* const commandWords[] = {"t", "f", "b", "x", "a", "n", "o", "m",
                                           "al", "w", "+", "rtm", "ptm", "h", "s"};

static void print_menu(const UserSettings& s)
{
    std::puts("\nGlobal settings:");
    std::printf("\tEnter 't' to adjust tempo (%.1f bpm).\n", s.tempo);
    std::printf("\tEnter 'f' to set the lowest click frequency (%.1f Hz).\n", s.Hz);
    std::printf("\tEnter 'b' to set beats per measure (%i)\n", s.meter);
    std::puts("\tEnter 'h' for tempo map file help");
    std::puts("\tEnter 's' to save current settings to 'tiklora.txt'");
    std::puts("\tEnter 'x' to exit.");
    std::puts("\nAudition settings:");
    std::puts("\tEnter 'a' to audition click.");
    std::printf("\tEnter 'al' to set the audition length (%.1f sec).\n", s.atime);
    std::printf("\tEnter 'o' to change output device from '%s'.\n", s.device);
    std::puts("\tEnter 'ptm' to play tempo map file.");
    std::puts("\nOutput file settings:");
    std::printf("\tEnter 'm' to set number of measures to write (%i).\n", s.meas);
    std::printf("\tEnter 'n' to change the output file name from '%s'.\n", s.save);
    std::printf("\tEnter 'w' to write from beginning of '%s'.\n", s.save);
    std::printf("\tEnter '+' to add new click to end of '%s'.\n", s.save);
    std::puts("\tEnter 'rtm' to read tempo map file and write click track file.");
}

static void print_help()
{
    std::puts("\nHow to Create a Remote Tempo Map File:\n");
    std::puts("1. Make a plain text file called tmap.txt.\n");
    std::puts("2. Start a line with the command 'tmap' for a new tempo or meter.\n");
    std::puts("3. Then enter tempo, beats per measure, and measures.\n");
    std::puts("   Use a <tab> after tmap as well as between values.\n");
    std::puts("   Example:\n");
    std::puts("   tmap\t120\t4\t48");
    std::puts("   tmap\t160\t3\t16\n");
    std::puts("4. Save the file in same directory as this program.");
    std::puts("\nEnter 'c' to continue.");
}

// Reads the command word of a pass. The end of the input ends the process
// as `x` does. Of a long word the first 8 characters are kept, which match
// no command: none is longer than 3.
static std::string read_command(std::FILE* in)
{
    std::string word;
    size_t length;
    if (!read_word(in, &word, 8, &length)) die(2, nullptr);
    return word;
}

static bool is_command(const std::string& word)
{
    for (const char* command : commandWords)
        if (word == command) return true;
    return false;
}

// The help screen waits for the word "c"; the end of the input stops the
// wait too.
static void help_screen(std::FILE* in)
{
    print_help();
    std::string word;
    size_t length;
    while (read_word(in, &word, 2, &length) && word != "c") {
    }
}

// Reads a name into a text field of `capacity` bytes. A name that does not
// fit is refused whole, with a message, and the field keeps its value.
static void read_name(std::FILE* in, char* field, size_t capacity, const char* what)
{
    std::string word;
    size_t length;
    if (!read_word(in, &word, capacity, &length)) return;
    if (length > capacity - 1) {
        std::printf("%s is longer than %zu characters; keeping '%s'.\n", what, capacity - 1, field);
        return;
    }
    std::snprintf(field, capacity, "%s", word.c_str());
}

// Reads the device for `o`. A name that could make alsa-lib write a file or
// run a command is refused, with a message, and the device stays.
static void read_device(std::FILE* in, UserSettings* s)
{
    char device[sizeof s->device];
    std::snprintf(device, sizeof device, "%s", s->device);
    read_name(in, device, sizeof device, "The device name");
    if (device_name_accepted(device, "Keeping", s->device))
        std::snprintf(s->device, sizeof s->device, "%s", device);
}

static void read_int_setting(std::FILE* in, int32_t* setting)
{
    uint32_t value = static_cast<uint32_t>(*setting);
    read_int(in, &value);
    *setting = static_cast<int32_t>(value);
}

// Runs the value handler of `word`: its prompt, its read and what it
// recomputes; `s` saves, `x` ends the process, `h` shows the help screen.
static void handle_value(Session* session, const std::string& word)
{
    UserSettings* s = &session->settings;
    std::FILE* in = session->in;
    if (word == "t") {
        std::puts("Enter tempo in beats per minute");
        read_float(in, &s->tempo);
        session->trackSeconds = track_seconds(s->meter, s->meas, s->tempo);
    } else if (word == "b") {
        std::puts("Enter beats per measure");
        read_int_setting(in, &s->meter);
        session->trackSeconds = track_seconds(s->meter, s->meas, s->tempo);
    } else if (word == "f") {
        std::puts("\nEnter lowest frequency of click in Hz");
        read_float(in, &s->Hz);
    } else if (word == "s") {
        WriteParams(*s);
    } else if (word == "x") {
        die(2, nullptr);
    } else if (word == "al") {
        std::puts("\nEnter audition length in seconds");
        read_float(in, &s->atime);
    } else if (word == "m") {
        std::puts("\nEnter number of measures");
        read_int_setting(in, &s->meas);
        session->trackSeconds = track_seconds(s->meter, s->meas, s->tempo);
    } else if (word == "n") {
        std::puts("Enter new output file name.");
        read_name(in, s->save, sizeof s->save, "The file name");
    } else if (word == "o") {
        std::puts("Enter new playback device name.");
        read_device(in, s);
    } else if (word == "h") {
        help_screen(in);
    }
}

// Runs the audio action of `word` with the click of this pass.
static void run_action(Session* session, const std::string& word, const Click& click,
                       int64_t trackSamples)
{
    UserSettings* s = &session->settings;
    if (word == "a") {
        audition(*s, click);
    } else if (word == "rtm" || word == "ptm") {
        session->tempoMap = read_tempo_map(s->map, session->tempoMapKeyword);
        if (session->tempoMap.empty()) return;  // nothing to write or play: back to the menu
        const TempoMapEntry& last = session->tempoMap.back();
        if (word == "ptm") {
            play_tempo_map(session->tempoMap, *s, click);
        } else if (write_tempo_map(session->tempoMap, *s, click)) {
            // A track written from the map leaves its last section's tempo
            // and length as the settings'.
            s->tempo = last.tempo;
            session->trackSeconds = track_seconds(last.meter, last.meas, last.tempo);
        }
    } else if (word == "w") {
        write_track(*s, trackSamples, click);
    } else if (word == "+") {
        append_track(*s, trackSamples, click);
    }
}

void run_command_loop(Session* session)
{
    for (;;) {
        print_menu(session->settings);
        const std::string word = read_command(session->in);
        if (!is_command(word)) continue;
        handle_value(session, word);
        const UserSettings& s = session->settings;
        const Click click = build_click(s.rate, s.Hz, s.bits);
        const int64_t trackSamples = track_samples(s.rate, session->trackSeconds);
        run_action(session, word, click, trackSamples);
    }
}
