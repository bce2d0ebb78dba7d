// Fuzz target: the tempo map parser.
//
// The input is the text of a tempo map file; a NUL-terminated copy is handed
// to parse_tempo_map_text with the keyword "tmap". Beside it runs a small,
// obviously correct model of the format (a token stream where the keyword is
// followed by a tempo up to the next tab, a meter up to the next tab and a
// measure count up to the end of the line), and the two must agree on every
// entry: count, tempo bit for bit, meter and measures. Missing trailing
// fields are 0. The table grows with the file, so every entry is compared.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "tempomap/tempomap.h"

namespace {

// strtok with an explicit position, so the model needs no hidden state.
char* next_token(char** cursor, const char* separators)
{
    char* p = *cursor;
    if (!p) return nullptr;
    p += std::strspn(p, separators);
    if (*p == '\0') {
        *cursor = nullptr;
        return nullptr;
    }
    char* end = p + std::strcspn(p, separators);
    if (*end == '\0') {
        *cursor = nullptr;
    } else {
        *end = '\0';
        *cursor = end + 1;
    }
    return p;
}

int32_t to_int(const char* token)
{
    return token ? static_cast<int32_t>(std::strtol(token, nullptr, 10)) : 0;
}

bool fits_int32(const char* token)
{
    if (!token) return true;
    long v = std::strtol(token, nullptr, 10);
    return v >= INT32_MIN && v <= INT32_MAX;
}

struct ModelEntry {
    TempoMapEntry entry;
    bool meterFits;
    bool measFits;
};

std::vector<ModelEntry> model_parse(char* text)
{
    std::vector<ModelEntry> entries;
    char* cursor = text;
    for (char* token = next_token(&cursor, "\t\n"); token; token = next_token(&cursor, "\t\n")) {
        if (std::strcmp(token, "tmap") != 0) continue;
        char* tempo = next_token(&cursor, "\t");
        float t = tempo ? static_cast<float>(std::strtod(tempo, nullptr)) : 0.0f;
        char* meter = next_token(&cursor, "\t");
        ModelEntry e{{t, to_int(meter), 0}, fits_int32(meter), true};
        char* meas = next_token(&cursor, "\n");
        e.entry.meas = to_int(meas);
        e.measFits = fits_int32(meas);
        entries.push_back(e);
    }
    return entries;
}

void check(bool ok, const char* what, size_t index)
{
    if (ok) return;
    std::fprintf(stderr, "tempo map check failed: %s (entry %zu)\n", what, index + 1);
    std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    std::vector<char> text(data, data + size);
    text.push_back('\0');
    std::vector<char> copy = text;
    const std::vector<TempoMapEntry> parsed = parse_tempo_map_text(text.data(), "tmap");
    const std::vector<ModelEntry> expected = model_parse(copy.data());

    check(parsed.size() == expected.size(), "number of entries", parsed.size());
    for (size_t i = 0; i < expected.size(); i++) {
        const ModelEntry& e = expected[i];
        check(std::memcmp(&parsed[i].tempo, &e.entry.tempo, sizeof(float)) == 0, "tempo", i);
        check(!e.meterFits || parsed[i].meter == e.entry.meter, "meter", i);
        check(!e.measFits || parsed[i].meas == e.entry.meas, "measures", i);
    }
    return 0;
}
