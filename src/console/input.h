// Reading the dialogue's words and numbers from standard input.
//
// The three reads behave like the "%s", "%i" and "%f" conversions of
// formatted input: leading white space is skipped, a number is the longest
// prefix of the word that reads as one, and a read that finds no number
// converts nothing and leaves the word for the next read. Unlike formatted
// input they never overflow a field and never hold more than a bounded
// piece of a word in memory, however long the input.
#pragma once

#include <cstdint>
#include <cstdio>
#include <string>

struct Input {
    std::FILE* stream;
    std::string pushedBack;  // characters given back to the input, last first
};

// Reads one white-space-delimited word. Keeps at most `keep` characters of
// it in `*word` and sets `*length` to its whole length; the rest of a long
// word is read and dropped. Returns false at the end of the input.
bool read_word(Input* in, std::string* word, size_t keep, size_t* length);

// "%i": a decimal, octal (leading 0) or hexadecimal (leading 0x) integer,
// stored modulo 2^32 into `*value`. Returns false, leaving `*value` and the
// word in the input as they were, when no number is there or the input
// has ended.
bool read_int(Input* in, uint32_t* value);

// "%f": a number with optional sign, fraction and exponent, rounded to
// single precision. Returns false as read_int does.
bool read_float(Input* in, float* value);
