// The program's state and its two phases: start-up and the command loop.
//
// main() holds one Session for the whole run and hands it to start_up(),
// then to run_command_loop(). Everything the other modules need is passed
// to them from here as arguments; nothing else keeps state.
#pragma once

#include <cstdint>
#include <cstdio>
#include <vector>

#include "settings/settings.h"
#include "tempomap/tempomap.h"

// Highest sample rate accepted; a higher one (from the prompt or the
// settings file) is refused and 44100 Hz used instead, so that neither the
// click nor a period grows past a few megabytes.
constexpr uint32_t maxRate = 768000;

// Standard output or standard error as main() writes it: its descriptor,
// and the first error that kept bytes from it (0 while there is none).
struct StandardStream {
    int fd;
    int error;
};

struct Session {
    UserSettings settings;
    float trackSeconds = 0.0f;  // length of a `w` track in seconds
    const char* tempoMapKeyword = "tmap";
    std::vector<TempoMapEntry> tempoMap;
    std::FILE* in = stdin;  // where the dialogue is read
    StandardStream output{1, 0}, errors{2, 0};
};

// Prints the banner, loads tiklora.txt over the session's default settings
// or asks for sample rate and bit depth, and prepares the derived values;
// prints "ready". The sample-rate answer 0 ends the process with status 2.
void start_up(Session* session);

// Runs the menu and its commands until `x`, the end of the input or a fatal
// error ends the process. Never returns.
[[noreturn]] void run_command_loop(Session* session);
