// Parsing the tempo map file.
#include "tempomap/tempomap.h"

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "common/fatal.h"
#include "common/files.h"
#include "common/text.h"
#include "common/timing.h"

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

namespace {

// A word of a line as the parser parts them: the characters between two
// runs of TABs.
struct Word {
    const char* at;
    size_t length;
};

// Takes the next word of a line from *position on, up to `end`, and moves
// past it; false when none is left.
bool next_word(const char** position, const char* end, Word* word)
{
    while (*position < end && **position == '\t') ++*position;
    if (*position == end) return false;
    word->at = *position;
    while (*position < end && **position != '\t') ++*position;
    word->length = static_cast<size_t>(*position - word->at);
    return true;
}

// Where `word` begins once its leading blanks are passed over (its end
// when it is all blanks).
size_t first_nonblank(const Word& word)
{
    size_t i = 0;
    while (i < word.length && word.at[i] == ' ') i++;
    return i;
}

// Whether `word` holds a blank between two of its other characters.
bool blanks_inside(const Word& word)
{
    size_t last = word.length;
    while (last > 0 && word.at[last - 1] == ' ') last--;
    for (size_t i = first_nonblank(word); i < last; i++)
        if (word.at[i] == ' ') return true;
    return false;
}

// Prints the printf-style message into `out` (`size` bytes) and returns
// true: a line found wrong says why.
__attribute__((format(printf, 3, 4))) bool say(char* out, size_t size, const char* fmt, ...)
{
    va_list args;
    va_start(args, fmt);
    std::vsnprintf(out, size, fmt, args);
    va_end(args);
    return true;
}

// Says into `out` that blanks stand where TABs belong; returns true.
bool blanks_between(char* out, size_t size, const char* keyword)
{
    return say(out, size, "blanks between the values; put a TAB after %s and between tempo, "
               "beats and measures (cat -A shows a TAB as ^I).", keyword);
}

// Whether the value `what` written as `word`, read as the parser reads it,
// is a number above 0; if not, says so into `out` (`size` bytes).
bool value_fits(const char* what, const Word& word, bool fractional, char* out, size_t size)
{
    const std::string text(word.at, word.length);  // strtod must not read on into the next word
    char* end = nullptr;
    char value[64];
    if (fractional) {
        const float v = static_cast<float>(std::strtod(text.c_str(), &end));
        if (v > 0.0f && std::isfinite(v)) return true;
        std::snprintf(value, sizeof value, "%g", v);
    } else {
        const long long v = std::strtoll(text.c_str(), &end, 10);
        if (v > 0) return true;
        std::snprintf(value, sizeof value, "%lld", v);
    }
    return !say(out, size, "the %s value is %s; tempo, beats per measure and measures must "
                "each be a number above 0.", what, end == text.c_str() ? "not a number" : value);
}

// Whether the line from `line` to `end` is a `keyword` line the parser
// cannot take whole; if so, says what is wrong into `out` (`size` bytes):
// the first of blanks after or before the keyword, blanks inside the tempo
// or the beats, fewer than three values, a value not above 0.
bool line_fault(const char* line, const char* end, const char* keyword, char* out, size_t size)
{
    const size_t n = std::strlen(keyword);
    Word word{};
    bool found = false;
    while (!found && next_word(&line, end, &word)) {
        const size_t from = first_nonblank(word), rest = word.length - from;
        const bool named = rest >= n && !std::memcmp(word.at + from, keyword, n);
        found = named && rest == n;
        if (named && rest > n && word.at[from + n] == ' ')
            return blanks_between(out, size, keyword);
        if (found && from > 0)
            return say(out, size, "blanks before %s; begin the line with %s or a TAB (cat -A "
                       "shows a TAB as ^I).", keyword, keyword);
    }
    if (!found) return false;
    Word values[3];  // tempo, beats, measures
    int count = 0;
    while (count < 3 && next_word(&line, end, &values[count])) count++;
    for (int i = 0; i < count && i < 2; i++)
        if (blanks_inside(values[i])) return blanks_between(out, size, keyword);
    if (count < 3)
        return say(out, size, "fewer than three values; give tempo, beats per measure and "
                   "measures, each after a TAB.");
    return !(value_fits("tempo", values[0], true, out, size) &&
             value_fits("beats per measure", values[1], false, out, size) &&
             value_fits("measures", values[2], false, out, size));
}

}  // namespace

std::vector<std::string> check_tempo_map_text(const char* text, const char* name,
                                              const char* keyword)
{
    std::vector<std::string> warnings;
    int number = 1;
    for (const char* line = text; *line; number++) {
        const char* newline = std::strchr(line, '\n');
        const char* end = newline ? newline : line + std::strlen(line);
        char fault[256], warning[512];
        if (line_fault(line, end, keyword, fault, sizeof fault)) {
            std::snprintf(warning, sizeof warning, "%s, line %d: %s", name, number, fault);
            warnings.emplace_back(warning);
        }
        line = newline ? newline + 1 : end;
    }
    return warnings;
}

std::string section_line(int number, const TempoMapEntry& e, int64_t samples, uint32_t rate)
{
    char line[160];
    std::snprintf(line, sizeof line, "Section %d: %g bpm, %d beat%s a measure, %d measure%s: %lld "
                  "samples, %s.", number, e.tempo, e.meter, e.meter == 1 ? "" : "s", e.meas,
                  e.meas == 1 ? "" : "s", static_cast<long long>(samples),
                  minutes_seconds(samples, rate).c_str());
    return line;
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
    for (const std::string& warning : check_tempo_map_text(text.c_str(), name, keyword))
        complain("%s\n", warning.c_str());
    std::vector<TempoMapEntry> entries = parse_tempo_map_text(&text[0], keyword);
    if (entries.empty())
        std::printf("%s: Could not find tempo entries in map file.\n", name);
    else
        std::printf("Found %i map entries.\n", static_cast<int>(entries.size()));
    return entries;
}
