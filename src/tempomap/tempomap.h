// The tempo map: a plain-text file of `tmap` lines, each giving one
// section's tempo, beats per measure and number of measures.
//
// read_tempo_map() is what `rtm` and `ptm` call: it reads the named file,
// prints its two progress lines, warns on standard error of each `tmap`
// line the parser cannot take whole, and returns the sections in file
// order; a file it cannot read, or one without sections, gives none.
// parse_tempo_map_text() is the tokenising parser underneath, and
// check_tempo_map_text() the line-by-line check beside it. section_line()
// describes a section as `rtm` writes it and `ptm` plays it.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// One section of the map.
struct TempoMapEntry {
    float tempo;    // beats per minute
    int32_t meter;  // beats per measure
    int32_t meas;   // measures in the section
};

// Splits `text` (NUL-terminated, modified in place) into tokens and returns
// one entry per `keyword` token, in order. Missing trailing fields are 0.
// Returns an empty table when the text holds no entry. Prints nothing.
std::vector<TempoMapEntry> parse_tempo_map_text(char* text, const char* keyword);

// Looks at `text` (NUL-terminated, not modified) line by line and returns
// a warning for each line that parse_tempo_map_text() cannot take whole,
// in order: "NAME, line N: " and what is wrong and how to mend it. A line
// is looked at when a TAB-separated word on it is `keyword`, or begins
// with `keyword` and a blank (blanks before it allowed); it is wrong when
// that word has blanks before or right after it, when the tempo or beats
// hold blanks between two characters, when fewer than three values follow
// on the line, or when a value is not a number above 0 as the parser
// reads it. One warning a line at most; other lines give none.
std::vector<std::string> check_tempo_map_text(const char* text, const char* name,
                                              const char* keyword);

// "Section N: T bpm, B beats a measure, M measures: S samples, m:ss.mmm."
// for section `number` of `samples` samples at `rate`.
std::string section_line(int number, const TempoMapEntry& e, int64_t samples, uint32_t rate);

// Reads the file `name` whole, prints "Parsing tmap file..", then the
// warnings of check_tempo_map_text() on standard error, then
// "Found %i map entries.\n", and returns its entries. A file that cannot be
// opened or read, that is not a regular file (a FIFO is refused at once,
// not waited on) or longer than 1 MiB: prints "Could not read the tempo
// map 'NAME': <reason>" and returns no entries. No entries in the file:
// prints "NAME: Could not find tempo entries in map file." and returns none.
std::vector<TempoMapEntry> read_tempo_map(const char* name, const char* keyword);
