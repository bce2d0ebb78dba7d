// Fuzz target: the tempo map parser.
//
// The input is the text of a tempo map file; a NUL-terminated copy is handed
// to parse_tempo_map_text with the keyword "tmap". Besides running clean
// under the sanitizers, the result must keep the reader's promises: no more
// entries than the text has "tmap" words, and entries that read back as
// themselves: the map written out again in the plain form the help screen
// shows (tmap, tempo, beats, measures, TAB-separated) parses to the same
// entries, tempo bit for bit.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "tempomap/tempomap.h"

namespace {

void check(bool ok, const char* what)
{
    if (ok) return;
    std::fprintf(stderr, "tempo map check failed: %s\n", what);
    std::abort();
}

std::vector<TempoMapEntry> parse(std::string text)
{
    return parse_tempo_map_text(&text[0], "tmap");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    const std::vector<TempoMapEntry> entries = parse(text);
    const size_t end = std::strlen(text.c_str());  // the text ends at its first NUL
    size_t words = 0;
    for (size_t at = text.find("tmap"); at < end; at = text.find("tmap", at + 1)) words++;
    check(entries.size() <= words, "more entries than tmap words");

    std::string plain;
    char line[128];
    for (const TempoMapEntry& e : entries) {
        std::snprintf(line, sizeof line, "tmap\t%a\t%d\t%d\n", static_cast<double>(e.tempo), e.meter,
                      e.meas);
        plain += line;
    }
    const std::vector<TempoMapEntry> again = parse(plain);
    check(again.size() == entries.size(), "the plain map has another number of entries");
    for (size_t i = 0; i < entries.size(); i++) {
        const bool sameTempo = std::memcmp(&again[i].tempo, &entries[i].tempo, sizeof(float)) == 0 ||
                               (entries[i].tempo != entries[i].tempo && again[i].tempo != again[i].tempo);
        check(sameTempo, "a tempo does not read back as itself");
        check(again[i].meter == entries[i].meter && again[i].meas == entries[i].meas,
              "beats or measures do not read back as themselves");
    }
    return 0;
}
