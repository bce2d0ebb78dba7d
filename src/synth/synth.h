// The click: additive synthesis of a short burst and its packing into
// little-endian sample bytes.
//
// build_click() is what the command loop calls on every pass: it derives the
// click's shape (harmonics, periods, length) from the current settings,
// synthesises it with GEN_CLICK into 64-bit accumulators on the 24-bit
// scale and packs them with NUM24_TO_CHAR (24 bits) or NUM24_TO_CHAR16 (16
// bits).
#pragma once

#include <cstdint>
#include <vector>

// Adds the click into accumulators 0 .. length-1 of `samples`, which hold
// 0: `harmonics` harmonics of F Hz, `periods` periods each, amplitudes
// halving per harmonic and per period. Never writes at or past `length`.
// Writes one newline to standard output when it ends, whether or not it
// synthesised anything.
void GEN_CLICK(int64_t* samples, int32_t F, int32_t periods, int32_t harmonics,
               uint32_t rate, int64_t length);

// Packs `count` accumulators into 3 bytes each (bits 0-7, 8-15, 16-23 of the
// two's complement). A count of 0 or less writes nothing.
void NUM24_TO_CHAR(const int64_t* samples, int8_t* bytes, int64_t count);

// Packs `count` accumulators into 2 bytes each (bits 8-15, 16-23): the
// 24-bit value shifted right by 8 with the sign kept.
void NUM24_TO_CHAR16(const int64_t* samples, int8_t* bytes, int64_t count);

// The click of one pass of the command loop, packed: `length` samples of
// 3 bytes at 24 bits or 2 at 16 bits, ready to be written or played.
struct Click {
    std::vector<int8_t> bytes;
    int64_t length;
};

// One rebuild of the click for the current settings; `rate` is at least 1
// (start-up refuses 0). Prints GEN_CLICK's newline (and the too-low
// message when it applies).
Click build_click(uint32_t rate, float Hz, int32_t bits);
