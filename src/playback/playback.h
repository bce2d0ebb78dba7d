// Sound through ALSA: one beat of packed mono samples repeated for a given
// length, with a measure counter on standard output.
//
// The commands call audition (`a`) and play_tempo_map (`ptm`). Their beat is
// the click, cut at the beat's end or followed by silence; PLAY reads it
// from the caller's click and silence frame while it fills each period, so
// a beat is never held in memory and a playback needs one period buffer
// whatever its tempo or length. Every playback opens the device, plays and
// closes it before it returns. The measure lines reach standard output as
// they are printed, also into a pipe.
//
// Ctrl-C during `a` or `ptm` stops the sound at once (what is queued is
// dropped), prints "Playback stopped." and returns; at any other moment it
// keeps its usual meaning. ALSA failures while opening or configuring the
// device print their message on standard error and exit with status 1.
#pragma once

#include <cstdint>
#include <vector>

#include "tempomap/tempomap.h"

// One beat as PLAY reads it: frames 0 .. headFrames-1 come from `head`,
// frames headFrames .. beatFrames-1 are copies of `fillFrame`.
struct Beat {
    const int8_t* head;
    int64_t headFrames;  // 0 .. beatFrames
    const int8_t* fillFrame;
    int64_t beatFrames;  // at least 1
};

// Opens `device`, configures mono S16_LE or S24_3LE at `rate` (period near
// 1024 frames, buffer near 2048) and plays `beat` over and over, one period
// at a time, for the whole periods that fit strictly below `totalSamples`.
// Prints "\tMeasure  %i\n" for the first measure (`startMeasure`) and each
// new one. Drains the device, or drops what it holds when Ctrl-C stopped
// the playback, and closes it before it returns.
void PLAY(const Beat& beat, int64_t totalSamples, const char* device, uint32_t rate,
          int32_t meter, int32_t startMeasure, int32_t bits);

// `a`: the click as a steady beat at `tempo` and `meter` for `atime`
// seconds. A tempo that gives less than one sample per beat (zero,
// negative, not a number, above 60 x rate) is refused with a one-line
// message and nothing plays.
void audition(const int8_t* clickBytes, int64_t clickLength, const int8_t* silenceFrame,
              uint32_t rate, float tempo, float atime, int32_t meter, const char* device,
              int32_t bits);

// `ptm`: each section of `map` in turn, announced by
// "\nPlaying section  %i \n\n". A section whose tempo gives less than one
// sample per beat is skipped with a one-line message and the next follows;
// after Ctrl-C no further section plays. A section's length is computed in
// double precision (saturating); a negative beat or measure count makes it
// empty.
void play_tempo_map(const std::vector<TempoMapEntry>& map, const int8_t* clickBytes,
                    int64_t clickLength, const int8_t* silenceFrame, uint32_t rate,
                    const char* device, int32_t bits);
