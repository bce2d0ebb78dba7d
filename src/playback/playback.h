// Sound through ALSA: one beat of packed mono samples repeated for a given
// length, with a measure counter on standard output.
//
// The commands call audition (`a`) and play_tempo_map (`ptm`); both build a
// one-beat buffer (the click, cut at the beat's end or filled up with
// silence) and hand it to PLAY, which opens the device, plays and closes it.
// ALSA failures while opening or configuring print their message on standard
// error and exit with status 1.
#pragma once

#include <cstdint>
#include <vector>

#include "tempomap/tempomap.h"

// Opens `device`, configures mono S16_LE or S24_3LE at `rate` (period near
// 1024 frames, buffer near 2048) and plays `beat` over and over, one period
// at a time, for the whole periods that fit strictly below `totalSamples`.
// Prints "\tMeasure  %i\n" for the first measure and each new one. Drains
// and closes the device before it returns.
void PLAY(const int8_t* beat, int64_t beatSamples, int64_t totalSamples,
          const char* device, uint32_t rate, int32_t meter,
          int32_t startMeasure, int32_t bits);

// `a`: the click as a steady beat at `tempo` and `meter` for `atime`
// seconds. A tempo that gives less than one sample per beat is refused with
// a one-line message and nothing plays.
void audition(const int8_t* clickBytes, int64_t clickLength,
              const int8_t* silenceFrame, int32_t bytesPerSample,
              uint32_t rate, float tempo, float atime, int32_t meter,
              const char* device, int32_t bits);

// `ptm`: each section of `map` in turn, announced by
// "\nPlaying section  %i \n\n". A section whose tempo gives less than one
// sample per beat is skipped with a one-line message.
void play_tempo_map(const std::vector<TempoMapEntry>& map,
                    const int8_t* clickBytes, int64_t clickLength,
                    const int8_t* silenceFrame, int32_t bytesPerSample,
                    uint32_t rate, const char* device, int32_t bits);
