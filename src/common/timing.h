// Beats and lengths: every formula that turns a tempo, a meter, a number
// of measures, a sample rate and a length in seconds into samples, and the
// bytes a sample takes. The console, the writer and the playback all ask
// here; none works a length out for itself.
//
// Two precisions, on purpose, and each formula says which it uses. What is
// written to a file (`w`, `+`, `rtm`) and the audition (`a`) take their
// beats and lengths from single-precision steps, with one double-precision
// product for a track's length in seconds after t, b or m and for a written
// tempo map section. A tempo map played by `ptm` works in double precision
// from the exact beat length. The two ways differ by a sample now and then
// (at 48000 Hz and 128 bpm an audition beat is 22499 samples, a played map
// beat 22500), and files written before depend on each staying as it is.
#pragma once

#include <cstdint>
#include <string>

// Bytes of one mono sample: 2 at 16 bits, 3 at 24 bits (every depth other
// than 16 is written as 24).
int32_t bytes_per_sample(int32_t bits);

// Seconds of a `w` track of meter x meas beats (a wrapping 32-bit product)
// at `tempo`, as start-up works it out: beats / (tempo / 60), single
// precision.
float track_seconds_at_start(int32_t meter, int32_t meas, float tempo);

// The same length as t, b and m work it out, and the length of a section
// written by `rtm`: beats x (60 / tempo), that quotient and the product in
// double precision, rounded to single.
float track_seconds(int32_t meter, int32_t meas, float tempo);

// Samples in a track of `seconds` at `rate`: rate x seconds in single
// precision, truncated; 0 when that is not a finite positive count.
int64_t track_samples(uint32_t rate, float seconds);

// Distance in samples between the beats of a written track: rate / (tempo
// / 60) in single precision, not rounded. Beat k is due when the samples
// written reach this times k (a single-precision product).
float beat_interval(uint32_t rate, float tempo);

// Samples per beat of the audition: beat_interval() truncated; 0 for a
// tempo that is not a positive number. Saturates at the largest count.
int64_t audition_beat(uint32_t rate, float tempo);

// Samples of an audition `atime` seconds long: rate x atime in single
// precision, truncated; saturates, and a length that is not a number is
// the lowest count (nothing plays).
int64_t audition_samples(uint32_t rate, float atime);

// Samples per beat of a played tempo map section: rate x 60 / tempo in
// double precision, truncated; 0 for a tempo that is not a positive number.
int64_t section_beat(uint32_t rate, float tempo);

// Samples in a played tempo map section: meter x meas x rate x (60 /
// tempo), in double precision (exact for every product below 2^53, so it
// never wraps), truncated and saturating. A negative meter or measure
// count gives an empty section.
int64_t section_samples(uint32_t rate, int32_t meter, int32_t meas, float tempo);

// `samples` (0 or more) at `rate` as minutes and seconds to the
// millisecond, truncated: "2:33.600" for 6773760 samples at 44100 Hz.
// Minutes are not folded into hours.
std::string minutes_seconds(int64_t samples, uint32_t rate);
