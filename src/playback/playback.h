// Sound through ALSA: one beat of packed mono samples repeated for a given
// length, with a measure counter on standard output.
//
// The commands call audition (`a`) and play_tempo_map (`ptm`). Their beat is
// the click, cut at the beat's end or followed by silence; PLAY reads it
// from the click while it fills each period, so a beat is never held in
// memory and a playback needs the click and one period buffer whatever its
// tempo or length. Every playback opens the device, plays and closes it
// before it returns. The measure lines reach standard output as they are
// printed, also into a pipe.
//
// The device is asked for mono at the settings' rate and depth, and what it
// grants is honoured: a device that only takes two or more channels gets
// the click on every channel; one that will not play at the settings' rate
// is refused, since the tempo would be wrong. A device that cannot be
// opened or configured (one that another program holds is refused at
// once, not waited for), or that fails while playing, is reported on
// standard error with its name and ALSA's reason, and the command returns;
// so is one that stops taking samples without a word (a JACK server that
// died), after about two seconds. Every wait for the device is made in
// short steps, so Ctrl-C stops the sound at once (what is queued is
// dropped), prints "Playback stopped." and returns; SIGTERM and SIGHUP stop
// it the same way and then end the process by the signal.
#pragma once

#include <cstdint>
#include <vector>

#include "settings/settings.h"
#include "synth/synth.h"
#include "tempomap/tempomap.h"

// One beat as PLAY reads it: frames 0 .. headFrames-1 come from `head`,
// frames headFrames .. beatFrames-1 are silence.
struct Beat {
    const int8_t* head;
    int64_t headFrames;  // 0 .. beatFrames
    int64_t beatFrames;  // at least 1
};

// Opens `device`, configures it for `bits`-bit samples at `rate` (period
// near 1024 frames, buffer near 2048) and plays `beat` over and over, one
// period at a time, for the whole periods that fit strictly below
// `totalSamples`. Prints "\tMeasure  %i\n" for the first measure
// (`startMeasure`) and each new one. Underruns and suspends are recovered
// and the beat goes on. Returns true when it played to the end or a stop
// signal (Ctrl-C, SIGTERM, SIGHUP) ended it; false when the device could
// not be used (having said why, unless a stop signal broke off the
// opening), failed or stopped taking samples.
bool PLAY(const Beat& beat, int64_t totalSamples, const char* device, uint32_t rate,
          int32_t meter, int32_t startMeasure, int32_t bits);

// `a`: the click as a steady beat at the settings' tempo and meter for
// `atime` seconds. A tempo that gives less than one sample per beat (zero,
// negative, not a number, above 60 x rate) is refused with a one-line
// message and nothing plays.
void audition(const UserSettings& s, const Click& click);

// `ptm`: each section of `map` in turn, announced by
// "\nPlaying section  %i \n\n" and, on standard error, by section_line()
// with the samples it plays. A section whose tempo gives less than one
// sample per beat is skipped with a one-line message and the next follows;
// after Ctrl-C or a device failure no further section plays.
void play_tempo_map(const std::vector<TempoMapEntry>& map, const UserSettings& s,
                    const Click& click);
