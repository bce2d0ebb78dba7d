// Placeholder until the tempo map parser lands.
#include "tempomap/tempomap.h"
#include "common/fatal.h"
std::vector<TempoMapEntry> parse_tempo_map_text(char*, const char*) { die(2, stdout, "not built yet\n"); }
std::vector<TempoMapEntry> read_tempo_map(const char*, const char*) { die(2, stdout, "not built yet\n"); }
