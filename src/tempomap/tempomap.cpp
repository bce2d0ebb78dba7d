// Parsing the tempo map file.
#include "tempomap/tempomap.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "common/files.h"
#include "common/text.h"

// The three fields of an entry each take their own token: tempo and beats
// run to the next tab, measures to the end of the line, so a short line
// borrows from the text that follows. A field with no token left is 0.
static TempoMapEntry read_entry(char** position)
{
    TempoMapEntry entry{};
    const char* tempo = strtok_r(nullptr, "\t", position);
    const char* meter = tempo ? strtok_r(nullptr, "\t", position) : nullptr;
    const char* meas = meter ? strtok_r(nullptr, "\n", position) : nullptr;
    if (tempo) entry.tempo = static_cast<float>(std::strtod(tempo, nullptr));
    if (meter) entry.meter = static_cast<int32_t>(std::strtoll(meter, nullptr, 10));
    if (meas) entry.meas = static_cast<int32_t>(std::strtoll(meas, nullptr, 10));
    return entry;
}

std::vector<TempoMapEntry> parse_tempo_map_text(char* text, const char* keyword)
{
    std::vector<TempoMapEntry> entries;
    char* position = nullptr;
    for (char* token = strtok_r(text, "\t\n", &position); token;
         token = strtok_r(nullptr, "\t\n", &position)) {
        if (!std::strcmp(token, keyword)) entries.push_back(read_entry(&position));
    }
    return entries;
}

std::vector<TempoMapEntry> read_tempo_map(const char* name, const char* keyword)
{
    std::FILE* file = open_regular(name, "rb");
    std::string text;
    const int error = file ? read_whole_stream(file, &text) : errno;
    if (error) {
        std::printf("Could not read the tempo map '%s': %s\n", name, file_error_text(error));
        return {};
    }
    std::puts("Parsing tmap file..");
    std::vector<TempoMapEntry> entries = parse_tempo_map_text(&text[0], keyword);
    if (entries.empty())
        std::printf("%s: Could not find tempo entries in map file.\n", name);
    else
        std::printf("Found %i map entries.\n", static_cast<int>(entries.size()));
    return entries;
}
