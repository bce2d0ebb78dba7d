// Sound through ALSA: one beat of packed mono samples repeated for a given
// length, with a measure counter on standard output.
//
// The commands call audition (`a`) and play_tempo_map (`ptm`). Their beat is
// the click, cut at the beat's end or followed by silence; it is read from
// the caller's click and silence frame while each period is filled, so a
// beat is never held in memory and a playback needs one period buffer
// whatever its tempo or length. PLAY plays a beat buffer the caller built.
// All three open the device, play and close it before they return.
// ALSA failures while opening or configuring print their message on standard
// error and exit with status 1, as does a period buffer that cannot be
// allocated (it is taken before the device is opened).
#pragma once

#include <cstdint>
#include <vector>

#include "tempomap/tempomap.h"

// Opens `device`, configures mono S16_LE or S24_3LE at `rate` (period near
// 1024 frames, buffer near 2048) and plays `beat` over and over, one period
// at a time, for the whole periods that fit strictly below `totalSamples`.
// Prints "\tMeasure  %i\n" for the first measure and each new one. Drains
// and closes the device before it returns. A beat of no frames, or `bits`
// other than 16 and 24, is refused with a one-line message on standard
// output and the device is not opened.
void PLAY(const int8_t* beat, int64_t beatSamples, int64_t totalSamples,
          const char* device, uint32_t rate, int32_t meter,
          int32_t startMeasure, int32_t bits);

// `a`: the click as a steady beat at `tempo` and `meter` for `atime`
// seconds. A tempo that gives less than one sample per beat (zero,
// negative, not a number, above 60 x rate) is refused with a one-line
// message and nothing plays; so is a `bytesPerSample` that is not the
// layout of `bits`.
void audition(const int8_t* clickBytes, int64_t clickLength,
              const int8_t* silenceFrame, int32_t bytesPerSample,
              uint32_t rate, float tempo, float atime, int32_t meter,
              const char* device, int32_t bits);

// `ptm`: each section of `map` in turn, announced by
// "\nPlaying section  %i \n\n". A section whose tempo gives less than one
// sample per beat is skipped with a one-line message and the next follows.
// A section's length is computed in 64 bits (saturating); a negative beat
// or measure count makes it empty.
void play_tempo_map(const std::vector<TempoMapEntry>& map,
                    const int8_t* clickBytes, int64_t clickLength,
                    const int8_t* silenceFrame, int32_t bytesPerSample,
                    uint32_t rate, const char* device, int32_t bits);
