// Playback through the real libasound: each test gets a HOME whose
// .asoundrc defines `cap`, alsa-lib's file plugin over the null PCM, which
// appends every frame it is given to capture.raw through a pipe. Either the
// real program plays (driven through its standard input), or the playback
// functions run in a child process (so that ALSA reads that HOME and a
// fatal exit can be observed); the test then compares the exact bytes that
// reached the device and the exact lines printed.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "playback/playback.h"
#include "support.h"
#include "synth/synth.h"

namespace {

// A HOME with the capture device `cap` and a device `mulawonly` that takes
// nothing but mu-law samples. The file plugin's pipe is closed (and cat
// waited for) inside snd_pcm_close, so the capture is complete once the
// playing process has ended.
struct Device {
    TempDir home;
    Device()
    {
        write_file(home.file(".asoundrc"),
                   "pcm.cap {\n"
                   "  type file\n"
                   "  slave.pcm \"null\"\n"
                   "  file \"|cat >> " + capture_path() + "\"\n"
                   "  format \"raw\"\n"
                   "}\n"
                   "pcm.mulawonly {\n"
                   "  type mulaw\n"
                   "  slave { pcm \"null\"; format S16_LE }\n"
                   "}\n");
    }
    std::string capture_path() const { return home.file("capture.raw"); }
    std::string captured() const { return read_file(capture_path()); }
    bool opened() const { return file_exists(capture_path()); }
};

// Runs `body` in a child process that reads the device's HOME.
RunResult in_child(const Device& device, const std::function<void()>& body)
{
    return run_in_child(body, device.home.path);
}

std::string bytes_of(const std::vector<int8_t>& v)
{
    return std::string(reinterpret_cast<const char*>(v.data()), v.size());
}

// One beat of `samplesPerBeat` frames: the click cut at the beat's end or
// followed by silent frames.
std::string beat_of(const std::string& click, int bytesPerFrame, int64_t samplesPerBeat)
{
    const size_t beatBytes = static_cast<size_t>(samplesPerBeat) * bytesPerFrame;
    std::string beat = click.substr(0, std::min(click.size(), beatBytes));
    beat.resize(beatBytes, '\0');
    return beat;
}

// The first `frames` frames of `beat` repeated without a gap.
std::string repeated(const std::string& beat, int bytesPerFrame, int64_t frames)
{
    const size_t total = static_cast<size_t>(frames) * bytesPerFrame;
    std::string s;
    s.reserve(total + beat.size());
    while (s.size() < total) s += beat;
    s.resize(total);
    return s;
}

std::string measure_lines(int from, int to)
{
    std::string s;
    for (int m = from; m <= to; ++m) s += "\tMeasure  " + std::to_string(m) + "\n";
    return s;
}

// Compares two sample streams without printing megabytes on a mismatch.
testing::AssertionResult same_stream(const std::string& actual, const std::string& expected)
{
    if (actual == expected) return testing::AssertionSuccess();
    size_t at = 0;
    while (at < actual.size() && at < expected.size() && actual[at] == expected[at]) ++at;
    return testing::AssertionFailure() << actual.size() << " bytes reached the device, "
                                       << expected.size() << " expected; first difference at byte "
                                       << at;
}

const int8_t silence[3] = {0, 0, 0};

TEST(Audition, AnEmptyClickPlaysSilenceAndStillCountsMeasures)
{
    Device dev;
    const RunResult r = in_child(dev, [&] {
        audition(nullptr, 0, silence, 3, 44100, 120.0f, 10.0f, 4, "cap", 24);
    });
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, measure_lines(1, 5));
    EXPECT_TRUE(same_stream(dev.captured(), std::string(440320 * 3, '\0')));
}

TEST(Audition, AClickLongerThanTheBeatIsCutAtEveryBeatsEnd)
{
    Device dev;
    const std::string click = bytes_of(build_click(44100, 60.0f, 24));
    // 1500 bpm: 1764 frames per beat, shorter than the 2205-frame click.
    const RunResult r = in_child(dev, [&] {
        audition(reinterpret_cast<const int8_t*>(click.data()), 2205, silence, 3, 44100, 1500.0f,
                 1.0f, 3, "cap", 24);
    });
    EXPECT_EQ(r.status, 0) << r.err;
    // 43 periods = 44032 frames: 24 beats end, measures 1 to 9.
    EXPECT_EQ(r.out, measure_lines(1, 9));
    EXPECT_TRUE(same_stream(dev.captured(), repeated(click.substr(0, 1764 * 3), 3, 43 * 1024)));
}

TEST(Audition, AVerySlowTempoPlaysTheClickThenSilence)
{
    Device dev;
    const std::string click = bytes_of(build_click(44100, 60.0f, 24));
    // A beat of about 2.6e12 frames: never built, only read as it plays.
    const RunResult r = in_child(dev, [&] {
        audition(reinterpret_cast<const int8_t*>(click.data()), 2205, silence, 3, 44100, 1e-6f,
                 0.1f, 4, "cap", 24);
    });
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, measure_lines(1, 1));
    EXPECT_TRUE(same_stream(dev.captured(), beat_of(click, 3, 4 * 1024)));
}

TEST(Audition, RefusesATempoThatGivesLessThanOneSamplePerBeat)
{
    const std::string click = bytes_of(build_click(44100, 60.0f, 24));
    const struct {
        float tempo;
        const char* message;
    } refused[] = {
        {0.0f, "A tempo of 0 bpm cannot be played at 44100 Hz.\n"},
        {-120.0f, "A tempo of -120 bpm cannot be played at 44100 Hz.\n"},
        {NAN, "A tempo of nan bpm cannot be played at 44100 Hz.\n"},
        {2646001.0f, "A tempo of 2.646e+06 bpm cannot be played at 44100 Hz.\n"},
    };
    for (const auto& c : refused) {
        Device dev;
        const RunResult r = in_child(dev, [&] {
            audition(reinterpret_cast<const int8_t*>(click.data()), 2205, silence, 3, 44100,
                     c.tempo, 10.0f, 4, "cap", 24);
        });
        EXPECT_EQ(r.status, 0);
        EXPECT_EQ(r.out, c.message);
        EXPECT_FALSE(dev.opened()) << "tempo " << c.tempo;
    }
    // 60 x rate is the fastest tempo: a beat of one frame, the click's first.
    Device dev;
    const RunResult r = in_child(dev, [&] {
        audition(reinterpret_cast<const int8_t*>(click.data()), 2205, silence, 3, 44100,
                 2646000.0f, 0.05f, 4, "cap", 24);
    });
    EXPECT_EQ(r.status, 0) << r.err;
    // 2205 frames requested: 2 periods, 2048 one-frame beats, 512 measures.
    EXPECT_EQ(r.out, measure_lines(1, 513));
    EXPECT_TRUE(same_stream(dev.captured(), repeated(click.substr(0, 3), 3, 2048)));
}

TEST(TempoMapPlayback, UsesTheDoublePrecisionBeatAt48000HzAnd128Bpm)
{
    Device dev;
    const std::string click = bytes_of(build_click(48000, 60.0f, 16));
    const RunResult r = in_child(dev, [&] {
        play_tempo_map({{128.0f, 4, 2}}, reinterpret_cast<const int8_t*>(click.data()), 2400,
                       silence, 2, 48000, "cap", 16);
    });
    EXPECT_EQ(r.status, 0) << r.err;
    // 180000 frames: 175 periods, 7 beats of 22500 end, measures 1 and 2.
    EXPECT_EQ(r.out, "\nPlaying section  1 \n\n" + measure_lines(1, 2));
    EXPECT_TRUE(same_stream(dev.captured(), repeated(beat_of(click, 2, 22500), 2, 175 * 1024)));
}

TEST(TempoMapPlayback, EmptyAndNegativeSectionsPlayNothingAndTheNextFollows)
{
    Device dev;
    const std::string click = bytes_of(build_click(44100, 60.0f, 24));
    const std::vector<TempoMapEntry> map = {
        {120.0f, 0, 48}, {120.0f, 4, 0}, {120.0f, -4, -48}, {160.0f, 3, 1}};
    const RunResult r = in_child(dev, [&] {
        play_tempo_map(map, reinterpret_cast<const int8_t*>(click.data()), 2205, silence, 3, 44100,
                       "cap", 24);
    });
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "\nPlaying section  1 \n\n" + measure_lines(1, 1) +
                         "\nPlaying section  2 \n\n" + measure_lines(1, 1) +
                         "\nPlaying section  3 \n\n" + measure_lines(1, 1) +
                         "\nPlaying section  4 \n\n" + measure_lines(1, 1));
    // 49612 frames (3 beats of 16537.5): 48 periods, 2 beats end.
    EXPECT_TRUE(same_stream(dev.captured(), repeated(beat_of(click, 3, 16537), 3, 48 * 1024)));
}

TEST(TempoMapPlayback, ASectionWithAnUnplayableTempoIsSkipped)
{
    Device dev;
    const std::string click = bytes_of(build_click(44100, 60.0f, 24));
    const std::vector<TempoMapEntry> map = {{0.0f, 4, 4}, {-60.0f, 4, 4}, {60.0f, 1, 1}};
    const RunResult r = in_child(dev, [&] {
        play_tempo_map(map, reinterpret_cast<const int8_t*>(click.data()), 2205, silence, 3, 44100,
                       "cap", 24);
    });
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out,
              "Section 1 skipped: a tempo of 0 bpm cannot be played at 44100 Hz.\n"
              "Section 2 skipped: a tempo of -60 bpm cannot be played at 44100 Hz.\n"
              "\nPlaying section  3 \n\n" + measure_lines(1, 1));
    EXPECT_TRUE(same_stream(dev.captured(), repeated(beat_of(click, 3, 44100), 3, 43 * 1024)));
}

// A beat of `frames` frames whose bytes all differ from their neighbours',
// so that any misplaced frame shows in the capture.
std::string numbered_beat(int64_t frames, int bytesPerFrame)
{
    std::string beat(static_cast<size_t>(frames * bytesPerFrame), '\0');
    for (size_t i = 0; i < beat.size(); ++i) beat[i] = static_cast<char>(i * 7 + 1);
    return beat;
}

RunResult play_numbered(const Device& dev, const std::string& beat, int64_t beatFrames,
                        int64_t total, int32_t meter, int32_t startMeasure, int32_t bits)
{
    return in_child(dev, [&] {
        PLAY(reinterpret_cast<const int8_t*>(beat.data()), beatFrames, total, "cap", 44100, meter,
             startMeasure, bits);
    });
}

TEST(Play, WritesOnlyTheWholePeriodsStrictlyBelowTheRequest)
{
    const std::string beat = numbered_beat(300, 2);
    const struct {
        int64_t requested, played;
    } cases[] = {{-5, 0}, {0, 0}, {1024, 0}, {1025, 1024}, {2048, 1024}, {4096, 3072}, {4097, 4096}};
    for (const auto& c : cases) {
        Device dev;
        const RunResult r = play_numbered(dev, beat, 300, c.requested, 1000, 1, 16);
        EXPECT_EQ(r.status, 0) << r.err;
        EXPECT_EQ(r.out, measure_lines(1, 1));
        EXPECT_TRUE(same_stream(dev.captured(), repeated(beat, 2, c.played)))
            << c.requested << " frames requested";
    }
}

TEST(Play, CountsEveryBeatThatEndsInAWrittenPeriod)
{
    {  // Short beats wrap many times within one period.
        Device dev;
        const std::string beat = numbered_beat(100, 3);
        const RunResult r = play_numbered(dev, beat, 100, 2049, 1, 1, 24);
        EXPECT_EQ(r.out, measure_lines(1, 21));
        EXPECT_TRUE(same_stream(dev.captured(), repeated(beat, 3, 2048)));
    }
    {  // A beat ending on the last frame played still opens the next measure.
        Device dev;
        const std::string beat = numbered_beat(1024, 3);
        const RunResult r = play_numbered(dev, beat, 1024, 2049, 1, 1, 24);
        EXPECT_EQ(r.out, measure_lines(1, 3));
        EXPECT_TRUE(same_stream(dev.captured(), repeated(beat, 3, 2048)));
    }
    {  // A beat longer than a period continues across periods.
        Device dev;
        const std::string beat = numbered_beat(3000, 2);
        const RunResult r = play_numbered(dev, beat, 3000, 9000, 2, 7, 16);
        EXPECT_EQ(r.out, measure_lines(7, 8));
        EXPECT_TRUE(same_stream(dev.captured(), repeated(beat, 2, 8 * 1024)));
    }
    {  // A meter below 1 is never reached: only the first line.
        Device dev;
        const std::string beat = numbered_beat(10, 2);
        const RunResult r = play_numbered(dev, beat, 10, 5000, 0, 1, 16);
        EXPECT_EQ(r.out, measure_lines(1, 1));
        EXPECT_TRUE(same_stream(dev.captured(), repeated(beat, 2, 4 * 1024)));
    }
}

TEST(Play, RefusesAnEmptyBeatOrAnUnknownDepthWithoutOpeningTheDevice)
{
    const std::string beat = numbered_beat(10, 3);
    {
        Device dev;
        const RunResult r = play_numbered(dev, beat, 0, 5000, 4, 1, 24);
        EXPECT_EQ(r.status, 0);
        EXPECT_EQ(r.out, "There is no beat to play.\n");
        EXPECT_FALSE(dev.opened());
    }
    {
        Device dev;
        const RunResult r = play_numbered(dev, beat, 10, 5000, 4, 1, 20);
        EXPECT_EQ(r.out, "Samples of 20 bits cannot be played.\n");
        EXPECT_FALSE(dev.opened());
    }
    {  // The commands refuse a sample size that does not match the depth.
        Device dev;
        const RunResult r = in_child(dev, [&] {
            audition(reinterpret_cast<const int8_t*>(beat.data()), 10, silence, 2, 44100, 120.0f,
                     1.0f, 4, "cap", 24);
        });
        EXPECT_EQ(r.out, "Samples of 24 bits in 2 bytes cannot be played.\n");
        EXPECT_FALSE(dev.opened());
    }
}

TEST(PlaybackDevice, ADeviceThatRefusesTheFormatEndsWithStatus1)
{
    Device dev;
    const RunResult r = in_child(dev, [&] {
        play_tempo_map({{120.0f, 4, 1}}, nullptr, 0, silence, 3, 44100, "mulawonly", 24);
        std::puts("returned");
    });
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out, "\nPlaying section  1 \n\n");
    EXPECT_EQ(r.err, "unable to set playback format: Invalid argument\n");
}

// The real program: first-run answers, `o` to pick the capture device, then
// the playing command; `x` ends it with status 2.
MenuValues on_capture()
{
    MenuValues v;
    v.device = "cap";
    return v;
}

std::string pick_capture()
{
    return "Enter new playback device name.\n" + tick + menu(on_capture());
}

TEST(PlaybackSession, TheDefaultAuditionReachesTheDeviceAndTheMenuFollows)
{
    Device dev;
    const RunResult r = run_tikvane(dev.home.path, "1\n2\no\ncap\na\nx\n");
    EXPECT_EQ(r.status, 2) << r.err;
    EXPECT_EQ(r.out, first_run_text() + menu() + pick_capture() + tick + measure_lines(1, 5) +
                         menu(on_capture()));
    const std::string click = bytes_of(build_click(44100, 60.0f, 24));
    EXPECT_TRUE(same_stream(dev.captured(), repeated(beat_of(click, 3, 22050), 3, 440320)));
}

TEST(PlaybackSession, AnAuditionAt48000HzAnd16BitsAt128Bpm)
{
    Device dev;
    const RunResult r = run_tikvane(dev.home.path, "2\n1\no\ncap\nt\n128\na\nx\n");
    EXPECT_EQ(r.status, 2) << r.err;
    MenuValues v = on_capture();
    v.tempo = 128.0f;
    EXPECT_EQ(r.out, first_run_text() + menu() + pick_capture() +
                         "Enter tempo in beats per minute\n" + tick + menu(v) + tick +
                         measure_lines(1, 6) + menu(v));
    const std::string click = bytes_of(build_click(48000, 60.0f, 16));
    EXPECT_TRUE(same_stream(dev.captured(), repeated(beat_of(click, 2, 22499), 2, 468 * 1024)));
}

TEST(PlaybackSession, AZeroSecondAuditionPrintsTheFirstMeasureOnly)
{
    Device dev;
    const RunResult r = run_tikvane(dev.home.path, "1\n2\no\ncap\nal\n0\na\nx\n");
    EXPECT_EQ(r.status, 2) << r.err;
    MenuValues v = on_capture();
    v.atime = 0.0f;
    EXPECT_EQ(r.out, first_run_text() + menu() + pick_capture() +
                         "\nEnter audition length in seconds\n" + tick + menu(v) + tick +
                         measure_lines(1, 1) + menu(v));
    EXPECT_TRUE(dev.opened());
    EXPECT_EQ(dev.captured(), "");
}

TEST(PlaybackSession, TheHelpExampleMapPlaysBothSectionsAndKeepsTheSettings)
{
    Device dev;
    write_file(dev.home.file("tmap.txt"), "tmap\t120\t4\t48\ntmap\t160\t3\t16\n");
    const RunResult r = run_tikvane(dev.home.path, "1\n2\no\ncap\nptm\nx\n");
    EXPECT_EQ(r.status, 2) << r.err;
    EXPECT_EQ(r.out, first_run_text() + menu() + pick_capture() + tick +
                         "Parsing tmap file..\nFound 2 map entries.\n" +
                         "\nPlaying section  1 \n\n" + measure_lines(1, 48) +
                         "\nPlaying section  2 \n\n" + measure_lines(1, 16) + menu(on_capture()));
    const std::string click = bytes_of(build_click(44100, 60.0f, 24));
    EXPECT_TRUE(same_stream(dev.captured(), repeated(beat_of(click, 3, 22050), 3, 4134 * 1024) +
                                                repeated(beat_of(click, 3, 16537), 3, 775 * 1024)));
}

TEST(PlaybackSession, AnUnknownDeviceEndsTheProgramWithStatus1)
{
    Device dev;
    const RunResult r = run_tikvane(dev.home.path, "1\n2\no\nnosuchpcm\na\nx\n");
    EXPECT_EQ(r.status, 1);
    MenuValues v;
    v.device = "nosuchpcm";
    EXPECT_EQ(r.out, first_run_text() + menu() + "Enter new playback device name.\n" + tick +
                         menu(v) + tick);
    EXPECT_TRUE(ends_with(r.err, "unable to open pcm device: No such file or directory\n"));
}

}  // namespace
