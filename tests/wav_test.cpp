// Click tracks on disk: header bytes, the size fix-up, the writer's sample
// placement against a plain one-sample-at-a-time writer, the refusals of
// `+`, file errors, an independent reader, and the real program.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "support.h"
#include "synth/synth.h"
#include "wav/wav.h"

namespace {

// A click whose every byte is non-zero and differs from its neighbours, so
// a misplaced or cut click shows in the bytes.
std::vector<int8_t> pattern_click(int64_t samples, int bytesPerSample)
{
    std::vector<int8_t> c(static_cast<size_t>(samples * bytesPerSample));
    for (size_t i = 0; i < c.size(); ++i) c[i] = static_cast<int8_t>(1 + i % 251);
    return c;
}

// The writer as a plain loop: one silent sample at a time, a click whenever
// the float written count reaches the float beat position. Gives up with
// an empty result where such a loop would never end.
std::string reference_samples(uint32_t rate, int bits, float tempo, int64_t count,
                              const std::vector<int8_t>& click, int64_t clickLength)
{
    const float beatInterval = static_cast<float>(rate) / (tempo / 60.0f);
    const int bps = bits == 24 ? 3 : bits / 8;
    std::string out;
    if (count < 1) return out;
    int64_t written = 0;
    float beatCounter = 0.0f;
    float nextBeat = beatInterval * beatCounter;
    int64_t idle = 0;
    for (;;) {
        if (!(static_cast<float>(written) < nextBeat)) {
            beatCounter += 1.0f;
            out.append(reinterpret_cast<const char*>(click.data()),
                       static_cast<size_t>(clickLength * bps));
            written += clickLength;
            if (written >= count) break;
            nextBeat = beatInterval * beatCounter;
            if (clickLength == 0 && ++idle > (1 << 25)) return std::string();
        } else {
            idle = 0;
            out.append(static_cast<size_t>(bps), '\0');
            if (++written >= count) break;
        }
    }
    return out;
}

// The samples WRITE_FILE appends after a 44-byte header for these values.
std::string written_samples(const TempDir& dir, uint32_t rate, int bits, float tempo,
                            int64_t count, const std::vector<int8_t>& click,
                            int64_t clickLength, int64_t* result = nullptr)
{
    const std::string name = dir.file("t.wav");
    const int8_t silence[3] = {0, 0, 0};
    MAKE_HEADER(name.c_str(), rate, static_cast<uint32_t>(bits), 0);
    const int64_t n = WRITE_FILE(rate, bits, tempo, count, name.c_str(), click.data(), silence,
                                 clickLength);
    if (result) *result = n;
    return read_file(name).substr(44);
}

std::vector<int64_t> click_starts(const std::string& samples, int bps, const std::string& click)
{
    std::vector<int64_t> starts;
    for (size_t at = 0; (at = samples.find(click, at)) != std::string::npos; at += click.size())
        starts.push_back(static_cast<int64_t>(at / bps));
    return starts;
}

const char* defaultHeader =
    "52 49 46 46 a4 cc c1 00 57 41 56 45 66 6d 74 20 10 00 00 00 01 00 01 00 44 ac 00 00 "
    "cc 04 02 00 03 00 18 00 64 61 74 61 80 cc c1 00";

std::string soxi(const std::string& flag, const std::string& path)
{
    const std::string cmd = "soxi " + flag + " '" + path + "' 2>&1";
    FILE* p = popen(cmd.c_str(), "r");
    std::string out;
    char buf[256];
    while (p && std::fgets(buf, sizeof buf, p)) out += buf;
    if (p) pclose(p);
    return out;
}

}  // namespace

TEST(WavHeader, HeadersOfTheDefaultTrackAndOfAnEmpty16BitTrackAreExact)
{
    TempDir dir;
    const std::string name = dir.file("h.wav");
    write_file(name, std::string(5000, 'x'));
    MAKE_HEADER(name.c_str(), 44100, 24, 4233600);
    EXPECT_EQ(hex(read_file(name)), defaultHeader);  // also: emptied first, 44 bytes
    MAKE_HEADER(name.c_str(), 48000, 16, 0);
    EXPECT_EQ(hex(read_file(name)),
              "52 49 46 46 24 00 00 00 57 41 56 45 66 6d 74 20 10 00 00 00 01 00 01 00 80 bb "
              "00 00 00 77 01 00 02 00 10 00 64 61 74 61 00 00 00 00");
}

TEST(WavHeader, SizesAreStoredModulo2To32AndNegativeSizesAsZero)
{
    uint8_t b[4];
    Decon4(4294967295LL, b);
    EXPECT_EQ(hex(std::string(reinterpret_cast<char*>(b), 4)), "ff ff ff ff");
    Decon4((1LL << 32) + 0x01020304, b);
    EXPECT_EQ(hex(std::string(reinterpret_cast<char*>(b), 4)), "04 03 02 01");
    Decon4(-5, b);
    EXPECT_EQ(hex(std::string(reinterpret_cast<char*>(b), 4)), "00 00 00 00");
    uint8_t two[2];
    Decon2(0xbb80, two);
    EXPECT_EQ(two[0], 0x80);
    EXPECT_EQ(two[1], 0xbb);
    TempDir dir;
    const std::string name = dir.file("big.wav");
    MAKE_HEADER(name.c_str(), 44100, 24, 1431655766LL);  // 4294967298 data bytes
    const std::string h = read_file(name);
    EXPECT_EQ(le32(h, 40), 2u);
    EXPECT_EQ(le32(h, 4), 38u);
}

TEST(WavFixSize, RewritesBothSizesFromTheFileAsItStands)
{
    TempDir dir;
    const std::string name = dir.file("f.wav");
    MAKE_HEADER(name.c_str(), 44100, 24, 999999);
    FIX_SIZE(name.c_str());  // header only
    EXPECT_EQ(le32(read_file(name), 40), 0u);
    EXPECT_EQ(le32(read_file(name), 4), 36u);
    write_file(name, read_file(name) + std::string(1000, '\1'));
    FIX_SIZE(name.c_str());
    EXPECT_EQ(le32(read_file(name), 40), 1000u);
    EXPECT_EQ(le32(read_file(name), 4), 1036u);
    // The first "data" at an even offset wins, even inside another chunk;
    // a tag at 15000 is still found, and a tag too near the end gives 0.
    std::string odd(300, '\0');
    odd.replace(101, 4, "data");
    odd.replace(200, 4, "data");
    odd.replace(250, 4, "data");
    write_file(name, odd);
    FIX_SIZE(name.c_str());
    EXPECT_EQ(le32(read_file(name), 204), 300u - 208u);
    std::string far(15004, '\0');
    far.replace(15000, 4, "data");
    write_file(name, far);
    FIX_SIZE(name.c_str());
    EXPECT_EQ(read_file(name).size(), 15008u);
    EXPECT_EQ(le32(read_file(name), 15004), 0u);
}

TEST(WavFixSize, FailsWithoutTouchingAFileWithNoTagItCanFind)
{
    TempDir dir;
    const std::string name = dir.file("f.wav");
    std::string beyond(15010, '\0');
    beyond.replace(15002, 4, "data");
    std::string oddOnly(400, '\0');
    oddOnly.replace(37, 4, "data");
    for (const std::string& content : {beyond, oddOnly, std::string("data\0", 5),
                                       std::string("RIFF")}) {
        write_file(name, content);
        const RunResult r = run_in_child([&] { FIX_SIZE(name.c_str()); });
        EXPECT_EQ(r.status, 2);
        EXPECT_EQ(r.out, "Can't find data block in wave file!\n");
        EXPECT_EQ(read_file(name), content);
    }
    const RunResult missing = run_in_child([&] { FIX_SIZE(dir.file("none.wav").c_str()); });
    EXPECT_EQ(missing.status, 2);
    EXPECT_EQ(missing.out, "The requested filename does not exist!\n");
}

TEST(WavWriter, PlacesEveryBeatAsTheOneSampleAtATimeWriterDoes)
{
    TempDir dir;
    struct Case {
        uint32_t rate;
        int bits;
        float tempo;
        int64_t count;
        int64_t clickLength;
    };
    const std::vector<Case> cases = {
        {44100, 24, 120.0f, 22051, 2205},   {44100, 24, 160.0f, 100000, 2205},
        {48000, 16, 93.7f, 200001, 300},    {96000, 24, 211.3f, 333333, 1600},
        {88200, 16, 33.3f, 500000, 4410},   {44100, 16, 1234.5f, 50000, 5000},  // click > beat
        {44100, 24, 120.0f, 1, 2205},       {44100, 24, 120.0f, 0, 2205},
        {44100, 24, 120.0f, -7, 2205},      {22050, 16, 7.77f, 90000, 1},
        {44100, 16, 120.0f, 70000, 0},      {44100, 24, -60.0f, 10000, 100},
        {44100, 24, 0.0f, 10000, 100},      {44100, 16, NAN, 10000, 100},
        {1000, 16, 6.0e7f, 5000, 3},        {44100, 16, 1.0e-30f, 5000, 3},
        {7, 16, 61.3f, 4000, 2},            {44100, 24, 97.0f, 123457, 2205},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.rate << " Hz, " << c.bits << " bits, tempo "
                                          << c.tempo << ", count " << c.count << ", click "
                                          << c.clickLength);
        const int bps = c.bits == 24 ? 3 : 2;
        const std::vector<int8_t> click = pattern_click(c.clickLength, bps);
        int64_t n = 0;
        const std::string got =
            written_samples(dir, c.rate, c.bits, c.tempo, c.count, click, c.clickLength, &n);
        const std::string want =
            reference_samples(c.rate, c.bits, c.tempo, c.count, click, c.clickLength);
        EXPECT_EQ(got.size(), want.size());
        EXPECT_TRUE(got == want);
        EXPECT_EQ(n * bps, static_cast<int64_t>(got.size()));
    }
}

TEST(WavWriter, PastTwoTo24SamplesBeatsFallWhereTheFloatComparisonPutsThem)
{
    TempDir dir;
    const int64_t count = (1LL << 24) + 400000;
    // 3 Hz at 44100 gives a beat interval of 14700 samples; 61 bpm at a rate
    // of 1 gives 0.98..., so beats pile up on the float grid beyond 2^24.
    for (float tempo : {180.0f, 179.3f}) {
        const std::vector<int8_t> click = pattern_click(7, 2);
        const std::string got = written_samples(dir, 44100, 16, tempo, count, click, 7);
        const std::string want = reference_samples(44100, 16, tempo, count, click, 7);
        EXPECT_EQ(got.size(), want.size());
        EXPECT_TRUE(got == want) << "tempo " << tempo;
    }
    const std::vector<int8_t> click = pattern_click(1, 2);
    const std::string got = written_samples(dir, 1, 16, 61.0f, count, click, 1);
    const std::string want = reference_samples(1, 16, 61.0f, count, click, 1);
    EXPECT_TRUE(got == want);
}

TEST(WavWriter, AZeroLengthClickThatNeverMovesOnEndsWithSilence)
{
    TempDir dir;
    const std::vector<int8_t> none;
    for (float tempo : {0.0f, -60.0f, NAN, 1.0e30f}) {
        int64_t n = 0;
        const std::string got = written_samples(dir, 44100, 24, tempo, 5000, none, 0, &n);
        EXPECT_EQ(n, 5000) << tempo;
        EXPECT_EQ(got, std::string(15000, '\0')) << tempo;
    }
    // The beat counter stops growing at 2^24: with beats 1e-7 samples apart
    // nothing ever reaches the second sample.
    int64_t n = 0;
    const std::string got = written_samples(dir, 1, 16, 6.0e8f, 300, none, 0, &n);
    EXPECT_EQ(got, std::string(600, '\0'));
}

TEST(WavTrack, DefaultTrackAndTheClicksAt160BpmAreExact)
{
    TempDir dir;
    const std::string name = dir.file("click.wav");
    const std::vector<int8_t> click = build_click(44100, 60.0f, 24);
    ASSERT_EQ(click.size(), 6615u);
    const int8_t silence[3] = {0, 0, 0};
    write_track(name.c_str(), 44100, 24, 120.0f, 4233600, click.data(), silence, 2205);
    const std::string f = read_file(name);
    ASSERT_EQ(f.size(), 12700844u);
    EXPECT_EQ(hex(f.substr(0, 44)), defaultHeader);
    const std::string clickText(reinterpret_cast<const char*>(click.data()), click.size());
    const std::vector<int64_t> starts = click_starts(f.substr(44), 3, clickText);
    ASSERT_EQ(starts.size(), 192u);
    for (size_t k = 0; k < starts.size(); ++k) EXPECT_EQ(starts[k], 22050 * int64_t(k));

    write_track(name.c_str(), 44100, 24, 160.0f, 60000, click.data(), silence, 2205);
    const std::vector<int64_t> at160 = click_starts(read_file(name).substr(44), 3, clickText);
    EXPECT_EQ(at160, (std::vector<int64_t>{0, 16538, 33075, 49613}));
}

TEST(WavTrack, AWrittenTrackWhoseLastClickRunsPastTheEndStatesItsRealLength)
{
    TempDir dir;
    const std::string name = dir.file("click.wav");
    const std::vector<int8_t> click = pattern_click(2205, 3);
    const int8_t silence[3] = {0, 0, 0};
    write_track(name.c_str(), 44100, 24, 120.0f, 22051, click.data(), silence, 2205);
    const std::string f = read_file(name);
    EXPECT_EQ(f.size(), 44u + 3u * (22050 + 2205));  // last click whole
    EXPECT_EQ(le32(f, 40), f.size() - 44);
    EXPECT_EQ(le32(f, 4), f.size() - 8);
    write_track(name.c_str(), 44100, 24, 120.0f, 0, click.data(), silence, 2205);
    EXPECT_EQ(hex(read_file(name)).substr(0, 11), "52 49 46 46");
    EXPECT_EQ(read_file(name).size(), 44u);
    EXPECT_EQ(le32(read_file(name), 40), 0u);
}

TEST(WavAppend, AddsTracksAndCountsThemAll)
{
    TempDir dir;
    const std::string name = dir.file("click.wav");
    const std::vector<int8_t> click = pattern_click(300, 2);
    const int8_t silence[2] = {0, 0};
    write_track(name.c_str(), 48000, 16, 120.0f, 48000, click.data(), silence, 300);
    append_track(name.c_str(), 48000, 16, 120.0f, 48000, click.data(), silence, 300);
    append_track(name.c_str(), 48000, 16, 120.0f, 48000, click.data(), silence, 300);
    const std::string f = read_file(name);
    const std::string one = reference_samples(48000, 16, 120.0f, 48000, click, 300);
    EXPECT_TRUE(f.substr(44) == one + one + one);
    EXPECT_EQ(le32(f, 40), 3u * 96000u);
    EXPECT_EQ(le32(f, 4), 3u * 96000u + 36u);
}

TEST(WavAppend, RefusesFilesItCannotSafelyExtendAndLeavesThemAlone)
{
    TempDir dir;
    const std::string name = dir.file("click.wav");
    const std::vector<int8_t> click = pattern_click(300, 3);
    const int8_t silence[3] = {0, 0, 0};
    auto add = [&] {
        append_track(name.c_str(), 44100, 24, 120.0f, 1000, click.data(), silence, 300);
    };
    const RunResult missing = run_in_child(add);
    EXPECT_EQ(missing.status, 2);
    EXPECT_EQ(missing.out, "The requested filename does not exist!\n");
    EXPECT_FALSE(file_exists(name));

    const std::string notWave = "just some text, no tag in it at all\n";
    write_file(name, notWave);
    const RunResult noTag = run_in_child(add);
    EXPECT_EQ(noTag.status, 2);
    EXPECT_EQ(noTag.out, "Can't find data block in wave file!\n");
    EXPECT_EQ(read_file(name), notWave);

    for (auto layout : {std::make_pair(48000u, 24u), std::make_pair(44100u, 16u)}) {
        MAKE_HEADER(name.c_str(), layout.first, layout.second, 0);
        const std::string before = read_file(name);
        const RunResult other = run_in_child(add);
        EXPECT_EQ(other.status, 2);
        EXPECT_EQ(other.out, "Can't add to " + name + ": it holds 1 channel(s) at " +
                                 std::to_string(layout.first) + " Hz, " +
                                 std::to_string(layout.second) +
                                 " bits; the settings write 1 channel at 44100 Hz, 24 bits.\n");
        EXPECT_EQ(read_file(name), before);
    }
    std::string stereo = read_file(name);
    MAKE_HEADER(name.c_str(), 44100, 24, 0);
    stereo = read_file(name);
    stereo[22] = 2;
    write_file(name, stereo);
    EXPECT_EQ(run_in_child(add).status, 2);
    EXPECT_EQ(read_file(name), stereo);
}

TEST(WavTempoMap, TheHelpExampleGivesItsExactFileAndLeavesTheLastTempo)
{
    TempDir dir;
    const std::string name = dir.file("click.wav");
    const std::vector<int8_t> click = build_click(44100, 60.0f, 24);
    const int8_t silence[3] = {0, 0, 0};
    float tempo = 120.0f, seconds = 96.0f;
    write_tempo_map({{120.0f, 4, 48}, {160.0f, 3, 16}}, name.c_str(), 44100, 24, click.data(),
                    silence, 2205, &tempo, &seconds);
    const std::string f = read_file(name);
    ASSERT_EQ(f.size(), 15082244u);
    EXPECT_EQ(le32(f, 40), 15082200u);
    EXPECT_EQ(le32(f, 4), 15082236u);
    EXPECT_EQ(tempo, 160.0f);
    EXPECT_EQ(seconds, 18.0f);
    const std::string first = reference_samples(44100, 24, 120.0f, 4233600, click, 2205);
    const std::string second = reference_samples(44100, 24, 160.0f, 793800, click, 2205);
    EXPECT_TRUE(f.substr(44) == first + second);

    // Single-precision section lengths; sections of no finite length add
    // nothing but still set the tempo and length.
    write_tempo_map({{40.5f, 4, 48}}, name.c_str(), 44100, 16, click.data(), silence, 1,
                    &tempo, &seconds);
    EXPECT_EQ(read_file(name).size(), 44u + 2u * 12544001u);
    write_tempo_map({{100.0f, 4, 2}, {0.0f, 4, 4}, {90.0f, 0, 4}, {NAN, 1, 1}}, name.c_str(),
                    44100, 16, click.data(), silence, 1, &tempo, &seconds);
    EXPECT_EQ(read_file(name).size(), 44u + 2u * 211680u);
    EXPECT_TRUE(std::isnan(tempo));
}

TEST(WavFailures, AFullDiskOrAMissingFolderEndsWithStatus2AndNoSuccess)
{
    const std::vector<int8_t> click = pattern_click(2205, 3);
    const int8_t silence[3] = {0, 0, 0};
    const RunResult full = run_in_child([&] {
        write_track("/dev/full", 44100, 24, 120.0f, 441000, click.data(), silence, 2205);
    });
    EXPECT_EQ(full.status, 2);
    EXPECT_EQ(full.out, "Could not write /dev/full: No space left on device\n");
    const RunResult fullMap = run_in_child([&] {
        float t = 0, s = 0;
        write_tempo_map({{120.0f, 4, 4}}, "/dev/full", 44100, 24, click.data(), silence, 2205,
                        &t, &s);
    });
    EXPECT_EQ(fullMap.status, 2);

    TempDir dir;
    const std::string nowhere = dir.file("no/such/folder/click.wav");
    const RunResult missing = run_in_child([&] {
        write_track(nowhere.c_str(), 44100, 24, 120.0f, 4410, click.data(), silence, 2205);
    });
    EXPECT_EQ(missing.status, 2);
    EXPECT_EQ(missing.out, "The requested filename does not exist!\n");
}

TEST(WavFailures, AReadOnlyFolderEndsWithStatus2)
{
    TempDir dir;
    chmod(dir.path.c_str(), 0755);
    const std::string locked = dir.file("locked");
    mkdir(locked.c_str(), 0555);
    const std::string name = locked + "/click.wav";
    const std::vector<int8_t> click = pattern_click(2205, 3);
    const int8_t silence[3] = {0, 0, 0};
    const RunResult r = run_in_child([&] {
        // Root writes into read-only folders: the writer runs as nobody.
        if (geteuid() == 0 && (setgid(65534) != 0 || setuid(65534) != 0)) _exit(77);
        write_track(name.c_str(), 44100, 24, 120.0f, 4410, click.data(), silence, 2205);
    });
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.out, "The requested filename does not exist!\n");
    EXPECT_FALSE(file_exists(name));
    chmod(locked.c_str(), 0755);
}

TEST(WavReader, SoxReadsWrittenAppendedAndTempoMapTracks)
{
    TempDir dir;
    const std::vector<int8_t> click24 = build_click(48000, 60.0f, 24);
    const std::vector<int8_t> click16 = build_click(44100, 60.0f, 16);
    const int8_t silence[3] = {0, 0, 0};
    const std::string w = dir.file("w.wav"), a = dir.file("a.wav"), m = dir.file("m.wav");
    write_track(w.c_str(), 48000, 24, 120.0f, 96000, click24.data(), silence,
                int64_t(click24.size() / 3));
    write_track(a.c_str(), 44100, 16, 120.0f, 44100, click16.data(), silence,
                int64_t(click16.size() / 2));
    append_track(a.c_str(), 44100, 16, 90.0f, 44100, click16.data(), silence,
                 int64_t(click16.size() / 2));
    float t = 0, s = 0;
    write_tempo_map({{120.0f, 4, 2}, {160.0f, 3, 2}}, m.c_str(), 44100, 16, click16.data(),
                    silence, int64_t(click16.size() / 2), &t, &s);
    EXPECT_EQ(soxi("-r", w), "48000\n");
    EXPECT_EQ(soxi("-b", w), "24\n");
    EXPECT_EQ(soxi("-c", w), "1\n");
    EXPECT_EQ(soxi("-s", w), "96000\n");
    EXPECT_EQ(soxi("-r", a), "44100\n");
    EXPECT_EQ(soxi("-b", a), "16\n");
    EXPECT_EQ(soxi("-s", a), "88200\n");
    EXPECT_EQ(soxi("-s", m), std::to_string(176400 + 99225) + "\n");
    EXPECT_EQ(soxi("-b", m), "16\n");
}
