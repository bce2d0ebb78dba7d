// Parsing the tempo map file.
#include "tempomap/tempomap.h"

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "common/fatal.h"
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

// The words of one line as the parser parts them: by runs of TABs.
static std::vector<std::string> tab_words(const std::string& line)
{
    std::vector<std::string> words;
    for (size_t start = 0, end; start <= line.size(); start = end + 1) {
        end = std::min(line.find('\t', start), line.size());
        if (end > start) words.push_back(line.substr(start, end - start));
    }
    return words;
}

// Whether `word` holds a blank between two of its other characters (a
// carriage return at the end is not one of them).
static bool blanks_inside(const std::string& word)
{
    const size_t first = word.find_first_not_of(' ');
    return first != std::string::npos && word.find(' ', first) < word.find_last_not_of(" \r");
}

// What is wrong with the value `what` written as `word`, read as the
// parser reads it, or "" when it is a number above 0.
static std::string bad_value(const char* what, const std::string& word, bool fractional)
{
    char* end = nullptr;
    char value[64];
    if (fractional) {
        const float v = static_cast<float>(std::strtod(word.c_str(), &end));
        if (v > 0.0f && std::isfinite(v)) return "";
        std::snprintf(value, sizeof value, "%g", v);
    } else {
        const long long v = std::strtoll(word.c_str(), &end, 10);
        if (v > 0) return "";
        std::snprintf(value, sizeof value, "%lld", v);
    }
    const bool number = end != word.c_str();
    return std::string("the ") + what + " value is " + (number ? value : "not a number");
}

// What is wrong with a line of TAB-separated `words`, or "" when nothing
// is or it is no `keyword` line.
static std::string line_fault(const std::vector<std::string>& words, const std::string& keyword)
{
    const std::string blanks = "blanks between the values; put a TAB after " + keyword +
                               " and between tempo, beats and measures (cat -A shows a TAB as ^I).";
    size_t at = 0;
    for (; at < words.size() && words[at] != keyword; at++) {
        const size_t lead = words[at].find_first_not_of(' ');
        if (lead == std::string::npos) continue;
        if (words[at].compare(lead, keyword.size() + 1, keyword + ' ') == 0) return blanks;
        if (words[at].compare(lead, std::string::npos, keyword) == 0)
            return "blanks before " + keyword + "; begin the line with " + keyword +
                   " or a TAB (cat -A shows a TAB as ^I).";
    }
    if (at == words.size()) return "";
    const size_t count = std::min<size_t>(words.size() - at - 1, 3);  // tempo, beats, measures
    for (size_t i = 1; i <= count && i <= 2; i++)
        if (blanks_inside(words[at + i])) return blanks;
    if (count < 3)
        return "fewer than three values; give tempo, beats per measure and measures, each "
               "after a TAB.";
    std::string fault = bad_value("tempo", words[at + 1], true);
    if (fault.empty()) fault = bad_value("beats per measure", words[at + 2], false);
    if (fault.empty()) fault = bad_value("measures", words[at + 3], false);
    if (fault.empty()) return fault;
    return fault + "; tempo, beats per measure and measures must each be a number above 0.";
}

std::vector<std::string> check_tempo_map_text(const char* text, const char* name,
                                              const char* keyword)
{
    std::vector<std::string> warnings;
    int number = 1;
    for (const char* line = text; *line; number++) {
        const char* newline = std::strchr(line, '\n');
        const size_t length = newline ? static_cast<size_t>(newline - line) : std::strlen(line);
        const std::string fault = line_fault(tab_words(std::string(line, length)), keyword);
        if (!fault.empty())
            warnings.push_back(name + (", line " + std::to_string(number)) + ": " + fault);
        line += newline ? length + 1 : length;
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
    std::FILE* file = std::fopen(name, "rb");
    std::string text;
    const int error = file ? read_whole_stream(file, &text) : errno;
    if (error) {
        std::printf("Could not read the tempo map '%s': %s\n", name, std::strerror(error));
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
