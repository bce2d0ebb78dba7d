// tikprobe: the routines under the dialogue, called from the suite's cases,
// and a reader of the files and recordings the program leaves.
//
//   tikprobe pack V...              bytes of each accumulator at 24 and 16 bits,
//                                   and what the packer leaves in it
//   tikprobe shape RATE HZ...       harmonics, periods and length of the click
//   tikprobe click RATE HZ          the click's accumulators
//   tikprobe header FILE RATE BITS COUNT   a header written by MAKE_HEADER
//   tikprobe seconds METER MEAS TEMPO      the two forms of a track's length
//   tikprobe map FILE               the entries of a tempo map
//   tikprobe wav FILE               the header fields against the file's length
//   tikprobe clicks WAV LENGTH [RAW]  where the WAV's first click (LENGTH
//                                   samples) recurs in its data, or in RAW
//                                   (counted from the first click found)
//   tikprobe sound RAW              the stretches of sound in RAW (24-bit
//                                   samples), split by a tenth of a second
//                                   of silence: first and last sample of each
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <map>
#include <string>
#include <vector>

#include "console/session.h"
#include "synth/synth.h"
#include "tempomap/tempomap.h"
#include "wav/wav.h"

// Length of the file at `path`, 0 when it cannot be read.
static size_t length_of(const char* path)
{
    std::ifstream in(path, std::ios::binary | std::ios::ate);
    return in ? size_t(in.tellg()) : 0;
}

// At most `most` bytes of the file at `path`, from byte `from` on.
static std::string slurp(const char* path, size_t from = 0, size_t most = SIZE_MAX)
{
    const size_t size = length_of(path);
    std::string text(from < size ? std::min(most, size - from) : 0, '\0');
    std::ifstream in(path, std::ios::binary);
    in.seekg(from).read(&text[0], text.size());
    return text;
}

static std::string hex(const int8_t* b, int n)
{
    std::string s;
    char pair[4];
    for (int i = 0; i < n; i++) {
        std::snprintf(pair, sizeof pair, i ? " %02x" : "%02x", uint8_t(b[i]));
        s += pair;
    }
    return s;
}

static unsigned le(const std::string& b, size_t at, int n)
{
    unsigned v = 0;
    for (int i = n - 1; i >= 0; i--) v = v << 8 | uint8_t(b.at(at + i));
    return v;
}

// Where `click` recurs in `where`, and how many samples of `bps` bytes
// outside those places are not silent.
static void clicks(const std::string& click, size_t bps, const std::string& where, bool relative)
{
    std::vector<size_t> at;
    size_t loud = 0, from = 0;
    for (;;) {
        const void* hit =
            memmem(where.data() + from, where.size() - from, click.data(), click.size());
        const size_t end = hit ? static_cast<const char*>(hit) - where.data() : where.size();
        for (size_t k = from; k < end; k++) {
            if (where[k] == 0) continue;
            loud++;
            k = (k / bps + 1) * bps - 1;
        }
        if (!hit) break;
        at.push_back(end / bps);
        from = end + click.size();
    }
    std::printf("%zu clicks at", at.size());
    for (size_t k = 0; k < at.size() && k < 4; k++)
        std::printf(" %zu", at[k] - (relative ? at[0] : 0));
    std::map<size_t, int> gaps;
    for (size_t k = 1; k < at.size(); k++) gaps[at[k] - at[k - 1]]++;
    std::printf("%s\napart:", at.size() > 4 ? " ..." : "");
    for (auto& g : gaps) std::printf(" %zu (%d)", g.first, g.second);
    std::printf("\nother samples not silent: %zu\n", loud);
}

int main(int argc, char** argv)
{
    const std::string what = argc > 1 ? argv[1] : "";
    if (what == "pack") {
        for (int i = 2; i < argc; i++) {
            int64_t v24 = std::atoll(argv[i]), v16 = v24;
            int8_t b24[3], b16[2];
            NUM24_TO_CHAR(&v24, b24, 1);
            NUM24_TO_CHAR16(&v16, b16, 1);
            std::printf("%s: %s | %s | %lld\n", argv[i], hex(b24, 3).c_str(), hex(b16, 2).c_str(),
                        (long long)v24);
        }
    } else if (what == "shape") {
        for (int i = 3; i < argc; i++) {
            const ClickShape s = click_shape(std::atoi(argv[2]), std::strtof(argv[i], nullptr));
            std::printf("%s Hz: %d harmonics, %d periods of %lld, length %lld\n", argv[i],
                        s.harmonicCount, s.periodCount, (long long)s.basePeriod,
                        (long long)s.clickLength);
        }
    } else if (what == "click" && argc == 4) {
        const float Hz = std::strtof(argv[3], nullptr);
        const ClickShape s = click_shape(std::atoi(argv[2]), Hz);
        std::vector<int64_t> v(s.clickLength, -99);
        GEN_CLICK(v.data(), int32_t(Hz), s.periodCount, s.harmonicCount, std::atoi(argv[2]),
                  s.clickLength);
        std::printf("%zu samples:", v.size());
        for (size_t i = 0; i < v.size() && i < 6; i++) std::printf(" %lld", (long long)v[i]);
        if (v.empty()) return std::puts(""), 0;
        auto hi = std::max_element(v.begin(), v.end()), lo = std::min_element(v.begin(), v.end());
        std::printf(" ...\nlargest %lld at %td, smallest %lld at %td\n", (long long)*hi,
                    hi - v.begin(), (long long)*lo, lo - v.begin());
    } else if (what == "header" && argc == 6) {
        MAKE_HEADER(argv[2], std::strtoul(argv[3], nullptr, 10), std::strtoul(argv[4], nullptr, 10),
                    std::atoll(argv[5]));
    } else if (what == "seconds" && argc == 5) {
        UserSettings s;
        s.meter = std::atoi(argv[2]);
        s.meas = std::atoi(argv[3]);
        s.tempo = std::strtof(argv[4], nullptr);
        for (float seconds : {track_seconds_at_start(s), track_seconds_updated(s)})
            std::printf("%.17g s, %lld samples at 44100 Hz\n", seconds,
                        (long long)track_samples(44100, seconds));
    } else if (what == "map" && argc == 3) {
        std::string text = slurp(argv[2]);
        for (const TempoMapEntry& e : parse_tempo_map_text(&text[0], "tmap"))
            std::printf("%.9g/%d/%d\n", e.tempo, e.meter, e.meas);
    } else if (what == "wav" && argc == 3) {
        const std::string f = slurp(argv[2], 0, 44);
        std::printf("%zu bytes: RIFF size %u, data size %u; %u channel(s) at %u Hz, %u bits\n",
                    length_of(argv[2]), le(f, 4, 4), le(f, 40, 4), le(f, 22, 2), le(f, 24, 4),
                    le(f, 34, 2));
    } else if (what == "clicks" && (argc == 4 || argc == 5)) {
        const size_t bps = le(slurp(argv[2], 0, 44), 34, 2) / 8;
        clicks(slurp(argv[2], 44, std::atol(argv[3]) * bps), bps,
               argc == 5 ? slurp(argv[4]) : slurp(argv[2], 44), argc == 5);
    } else if (what == "sound" && argc == 3) {
        const std::string raw = slurp(argv[2]);
        size_t at = raw.find_first_not_of('\0');
        while (at != std::string::npos) {
            size_t last = at, next = raw.find_first_not_of('\0', at + 1);
            while (next != std::string::npos && next - last < 3 * 4410)
                last = next, next = raw.find_first_not_of('\0', next + 1);
            std::printf("%zu %zu\n", at / 3, last / 3);
            at = next;
        }
    } else {
        std::fprintf(stderr, "tikprobe: unknown request; see the head of tests/probe.cpp\n");
        return 2;
    }
}
