// Reading the dialogue's words and numbers from standard input.
//
// The three reads behave like the "%s", "%i" and "%f" conversions of
// formatted input, on every C library: leading white space is skipped, a
// number read takes the longest piece of the word that can still begin a
// number and gives back only the character that ended it, and a read that
// converts nothing leaves the target as it was. Unlike formatted input they
// never overflow a field and never hold more than a bounded piece of a word
// in memory, however long the input. Each read first flushes standard
// output, so that a prompt is seen before the program waits.
#pragma once

#include <cstdint>
#include <cstdio>
#include <string>

// Reads one white-space-delimited word. Keeps at most `keep` characters of
// it in `*word` and sets `*length` to its whole length; the rest of a long
// word is read and dropped. Returns false at the end of the input.
bool read_word(std::FILE* in, std::string* word, size_t keep, size_t* length);

// "%i": a decimal, octal (leading 0) or hexadecimal (leading 0x) integer,
// whose low 32 bits are stored into `*value`; a number beyond the signed
// 64-bit range saturates there first (so a huge positive number stores
// 0xFFFFFFFF, a huge negative one 0). "0x" reads as 0. Leaves `*value` as it
// was when no digit was read or the input has ended.
void read_int(std::FILE* in, uint32_t* value);

// "%f": a decimal or 0x-hexadecimal number with optional sign, point and
// exponent, or inf, infinity or nan, rounded to single precision. An
// exponent marker without digits ("1e", "1e+") is read and ignored. Leaves
// `*value` as it was when no number is there ("0x", "-", a word) or the
// input has ended.
void read_float(std::FILE* in, float* value);
