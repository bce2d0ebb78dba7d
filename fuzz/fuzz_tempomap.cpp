// Fuzz target: the tempo map parser.
//
// The input is the text of a tempo map file; a NUL-terminated copy is handed
// to parse_tempo_map_text with the keyword "tmap". Besides running clean
// under the sanitizers, the result must keep the reader's promises: no more
// entries than the text has "tmap" words, and entries that read back as
// themselves: the map written out again in the plain form the help screen
// shows (tmap, tempo, beats, measures, TAB-separated) parses to the same
// entries, tempo bit for bit.
#include <cstring>
#include <string>
#include <vector>

#include "check.h"
#include "tempomap/tempomap.h"

static std::vector<TempoMapEntry> parse(std::string text)
{
    return parse_tempo_map_text(&text[0], "tmap");
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    const std::vector<TempoMapEntry> entries = parse(text);
    size_t words = 0;  // in the text up to its first NUL
    for (size_t at = text.find("tmap"); at < std::strlen(text.c_str()); at = text.find("tmap", at + 1))
        words++;
    check(entries.size() <= words, "no more entries than tmap words");
    check(check_tempo_map_text(text.c_str(), "m", "tmap").size() <= words, "a warning a tmap line");
    std::string plain;
    char line[128];
    for (const TempoMapEntry& e : entries) {
        std::snprintf(line, sizeof line, "tmap\t%a\t%d\t%d\n", e.tempo, e.meter, e.meas);
        plain += line;
    }
    const std::vector<TempoMapEntry> again = parse(plain);
    check(again.size() == entries.size(), "the plain map has as many entries");
    for (size_t i = 0; i < entries.size(); i++) {
        const TempoMapEntry &a = again[i], &e = entries[i];
        const bool nans = a.tempo != a.tempo && e.tempo != e.tempo;
        check((nans || !std::memcmp(&a.tempo, &e.tempo, sizeof e.tempo)) && a.meter == e.meter &&
                  a.meas == e.meas,
              "an entry reads back as itself");
    }
    return 0;
}
