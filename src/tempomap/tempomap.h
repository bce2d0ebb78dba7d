// The tempo map: a plain-text file of `tmap` lines, each giving one
// section's tempo, beats per measure and number of measures.
//
// read_tempo_map() is what `rtm` and `ptm` call: it reads the named file,
// prints its two progress lines and returns the sections in file order; a
// file it cannot read, or one without sections, gives none.
// parse_tempo_map_text() is the tokenising parser underneath.
#pragma once

#include <cstdint>
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

// Reads the file `name` whole, prints "Parsing tmap file.." and
// "Found %i map entries.\n", and returns its entries. A file that cannot be
// opened or read, that is not a regular file (a FIFO is refused at once,
// not waited on) or longer than 1 MiB: prints "Could not read the tempo
// map 'NAME': <reason>" and returns no entries. No entries in the file:
// prints "NAME: Could not find tempo entries in map file." and returns none.
std::vector<TempoMapEntry> read_tempo_map(const char* name, const char* keyword);
