// The console dialogue, end to end: the real binary driven through its
// standard input, its output compared byte for byte.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <string>

#include "console/session.h"
#include "support.h"

namespace {

const std::string tooLow = "The frequency chosen is too low for this tempo!\n";

std::string help_text()
{
    return "\nHow to Create a Remote Tempo Map File:\n\n"
           "1. Make a plain text file called tmap.txt.\n\n"
           "2. Start a line with the command 'tmap' for a new tempo or meter.\n\n"
           "3. Then enter tempo, beats per measure, and measures.\n\n"
           "   Use a <tab> after tmap as well as between values.\n\n"
           "   Example:\n\n"
           "   tmap\t120\t4\t48\n"
           "   tmap\t160\t3\t16\n\n"
           "4. Save the file in same directory as this program.\n"
           "\nEnter 'c' to continue.\n";
}

// Runs a first-run session (answers 1 and 2) followed by `commands`.
RunResult first_run(const TempDir& dir, const std::string& commands)
{
    return run_tikvane(dir.path, "1\n2\n" + commands);
}

std::string saved_settings(const TempDir& dir)
{
    return read_file(dir.file("tiklora.txt"));
}

}  // namespace

TEST(FirstRun, AsksForRateAndDepthThenShowsTheMenuAndWritesNoSettings)
{
    // `x` ends the run at once: no click tick, nothing after it read.
    TempDir dir;
    RunResult r = first_run(dir, "x\nt 90\n");
    EXPECT_EQ(r.out, first_run_text() + menu());
    EXPECT_EQ(r.err, "");
    EXPECT_EQ(r.status, 2);
    EXPECT_FALSE(file_exists(dir.file("tiklora.txt")));
}

TEST(FirstRun, RateAnswersPickPresetsOrAreTheRateItself)
{
    struct Case {
        const char* answer;
        const char* rateLine;
    };
    const Case cases[] = {{"1", "rate\t44100\n"}, {"2", "rate\t48000\n"}, {"3", "rate\t88200\n"},
                          {"4", "rate\t96000\n"}, {"22050", "rate\t22050\n"},
                          {"0x5622", "rate\t22050\n"}, {"010", "rate\t8\n"},
                          {"fast", "rate\t44100\n"}};
    for (const Case& c : cases) {
        TempDir dir;
        RunResult r = run_tikvane(dir.path, std::string(c.answer) + "\n2\ns\nx\n");
        EXPECT_EQ(r.status, 2) << c.answer;
        EXPECT_EQ(saved_settings(dir).substr(0, std::string(c.rateLine).size()), c.rateLine) << c.answer;
    }
}

TEST(FirstRun, OnlyTheAnswerOneGivesSixteenBits)
{
    const char* answers[] = {"1", "2", "3", "16", "24", "none"};
    for (const char* a : answers) {
        TempDir dir;
        RunResult r = run_tikvane(dir.path, std::string("1\n") + a + "\ns\nx\n");
        bool sixteen = std::string(a) == "1";
        EXPECT_NE(saved_settings(dir).find(sixteen ? "bits\t16\n" : "bits\t24\n"), std::string::npos) << a;
    }
}

TEST(FirstRun, AnswerZeroExitsBeforeTheDepthPrompt)
{
    TempDir dir;
    RunResult r = run_tikvane(dir.path, "0\n1\n");
    EXPECT_EQ(r.out, banner_text() +
                         "\nEnter sample rate or\n"
                         "0 = exit, 1 = 44100,  2 = 48000,  3 = 88200,  4 = 96000\n");
    EXPECT_EQ(r.status, 2);
}

TEST(FirstRun, AWordInsteadOfNumbersIsReadAsTheFirstCommand)
{
    // Neither prompt converts "t"; the command loop then reads it as the
    // tempo command, whose prompt reads 90.
    TempDir dir;
    RunResult r = run_tikvane(dir.path, "t 90\nx\n");
    MenuValues v;
    v.tempo = 90.0f;
    EXPECT_EQ(r.out, first_run_text() + menu() + "Enter tempo in beats per minute\n" + tick + menu(v));
}

TEST(FirstRun, EndOfInputDuringThePromptsEndsAtTheFirstMenu)
{
    TempDir dir;
    RunResult r = run_tikvane(dir.path, "");
    EXPECT_EQ(r.out, first_run_text() + menu());
    EXPECT_EQ(r.status, 2);
}

TEST(FirstRun, AbsurdRateIsRefusedAndTheDefaultUsed)
{
    TempDir dir;
    RunResult r = run_tikvane(dir.path, "4000000000\n2\ns\nx\n");
    EXPECT_NE(r.out.find("Sample rate 4000000000 Hz is above the limit of 768000 Hz; using 44100 Hz.\n"),
              std::string::npos);
    EXPECT_EQ(saved_settings(dir).substr(0, 11), "rate\t44100\n");
}

TEST(LoadedSettings, OneTempoLineChangesOnlyTheTempo)
{
    TempDir dir;
    write_file(dir.file("tiklora.txt"), "tempo\t90\n");
    RunResult r = run_tikvane(dir.path, "x\n");
    MenuValues v;
    v.tempo = 90.0f;
    EXPECT_EQ(r.out, loaded_text(44100, 24, "default", 4, 48, 10.0f, 60.0f, "click.wav", "tmap.txt") + menu(v));
    EXPECT_EQ(r.status, 2);
}

TEST(LoadedSettings, EveryFieldIsShownInTheBlockAndTheMenu)
{
    TempDir dir;
    write_file(dir.file("tiklora.txt"),
               "rate\t48000\ndevice\tcap\nbits\t16\ntempo\t97.33\nHz\t80.50\natime\t2.3\n"
               "meter\t3\nmeas\t16\nsave\tsong.wav\nmap\tsongs.txt\n");
    RunResult r = run_tikvane(dir.path, "x\n");
    MenuValues v;
    v.tempo = 97.33f;
    v.Hz = 80.5f;
    v.meter = 3;
    v.atime = 2.3f;
    v.device = "cap";
    v.meas = 16;
    v.save = "song.wav";
    EXPECT_EQ(r.out, loaded_text(48000, 16, "cap", 3, 16, 2.3f, 80.5f, "song.wav", "songs.txt") + menu(v));
}

TEST(LoadedSettings, DepthOtherThanSixteenIsTakenAsTwentyFour)
{
    TempDir dir;
    write_file(dir.file("tiklora.txt"), "bits\t20\n");
    RunResult r = run_tikvane(dir.path, "s\nx\n");
    EXPECT_EQ(r.out.substr(0, loaded_text(44100, 24, "default", 4, 48, 10, 60, "click.wav", "tmap.txt").size()),
              loaded_text(44100, 24, "default", 4, 48, 10, 60, "click.wav", "tmap.txt"));
    EXPECT_NE(saved_settings(dir).find("bits\t24\n"), std::string::npos);
}

TEST(LoadedSettings, AbsurdRateFromTheFileIsRefused)
{
    TempDir dir;
    write_file(dir.file("tiklora.txt"), "rate\t-1\n");
    RunResult r = run_tikvane(dir.path, "x\n");
    EXPECT_EQ(r.out, banner_text() + "Sample rate 4294967295 Hz is above the limit of 768000 Hz; using 44100 Hz.\n" +
                         loaded_text(44100, 24, "default", 4, 48, 10, 60, "click.wav", "tmap.txt")
                             .substr(banner_text().size()) +
                         menu());
}

TEST(LoadedSettings, RateZeroGivesAnEmptyClickWithoutHanging)
{
    TempDir dir;
    write_file(dir.file("tiklora.txt"), "rate\t0\nHz\t0\n");
    RunResult r = run_tikvane(dir.path, "f\n60\nx\n", "", 20);
    EXPECT_EQ(r.status, 2);
    EXPECT_TRUE(ends_with(r.out, tick + menu()));
}

TEST(Menu, UnknownWordsBringTheMenuBackAtOnce)
{
    TempDir dir;
    RunResult r = first_run(dir, "T tx al2 rtmx c rtmrtmrtm " + std::string(10000, 'w') + " x\n");
    std::string expected = first_run_text();
    for (int i = 0; i < 8; i++) expected += menu();
    EXPECT_EQ(r.out, expected);
    EXPECT_EQ(r.status, 2);
}

TEST(Menu, IntegersReadAsOctalAndHexadecimal)
{
    TempDir dir;
    RunResult r = first_run(dir, "b\n010\nm 0x10\nx\n");
    MenuValues v;
    v.meter = 8;
    std::string out = first_run_text() + menu() + "Enter beats per measure\n" + tick + menu(v);
    v.meas = 16;
    out += "\nEnter number of measures\n" + tick + menu(v);
    EXPECT_EQ(r.out, out);
}

TEST(Menu, AWordThatIsNotANumberKeepsTheValueAndIsReadAsTheNextCommand)
{
    TempDir dir;
    RunResult r = first_run(dir, "t fast\nf -x\nx\n");
    EXPECT_EQ(r.out, first_run_text() + menu() + "Enter tempo in beats per minute\n" + tick + menu() +
                         menu() + "\nEnter lowest frequency of click in Hz\n" + tick + menu() + menu());
}

TEST(Menu, HelpScreenPassesOverEveryWordUntilC)
{
    TempDir dir;
    RunResult r = first_run(dir, "h x t 90 cc C c\nx\n");
    EXPECT_EQ(r.out, first_run_text() + menu() + help_text() + tick + menu());
    EXPECT_EQ(r.status, 2);
}

TEST(Menu, EndOfInputStopsTheHelpScreenAndEndsTheProgram)
{
    TempDir dir;
    RunResult r = first_run(dir, "h\n");
    EXPECT_EQ(r.out, first_run_text() + menu() + help_text() + tick + menu());
    EXPECT_EQ(r.status, 2);
}

TEST(Menu, EndOfInputAtAPromptKeepsTheValue)
{
    TempDir dir;
    RunResult r = first_run(dir, "al");
    EXPECT_EQ(r.out, first_run_text() + menu() + "\nEnter audition length in seconds\n" + tick + menu());
    EXPECT_EQ(r.status, 2);
}

TEST(Menu, SaveWritesTheDefaultsAndSaysSo)
{
    TempDir dir;
    RunResult r = first_run(dir, "s\nx\n");
    EXPECT_EQ(r.out, first_run_text() + menu() + "Saved Settings\n" + tick + menu());
    EXPECT_EQ(saved_settings(dir),
              "rate\t44100\ndevice\tdefault\nbits\t24\ntempo\t120.00\nHz\t60.00\natime\t10.0\n"
              "meter\t4\nmeas\t48\nsave\tclick.wav\nmap\ttmap.txt\n");
    EXPECT_EQ(saved_settings(dir).size(), 111u);
}

TEST(Menu, SavedSettingsLoadBackOnTheNextRun)
{
    TempDir dir;
    first_run(dir, "t 97.333\nal 2.34\nb 3\nm 7\nn out.wav\no cap\nf 80\ns\nx\n");
    RunResult r = run_tikvane(dir.path, "x\n");
    MenuValues v;
    v.tempo = 97.33f;
    v.atime = 2.3f;
    v.meter = 3;
    v.meas = 7;
    v.save = "out.wav";
    v.device = "cap";
    v.Hz = 80.0f;
    EXPECT_EQ(r.out, loaded_text(44100, 24, "cap", 3, 7, 2.3f, 80.0f, "out.wav", "tmap.txt") + menu(v));
}

TEST(Menu, SaveThatCannotWriteSaysWhyAndNotSaved)
{
    TempDir dir;
    mkdir(dir.file("tiklora.txt").c_str(), 0755);  // a folder where the file would go
    RunResult r = run_tikvane(dir.path, "s\nx\n");
    EXPECT_EQ(r.out.find("Saved Settings"), std::string::npos);
    EXPECT_NE(r.out.find("Is a directory"), std::string::npos);
    EXPECT_EQ(r.status, 2);
}

TEST(Menu, LengthDeviceAndNameCommandsShowTheirValues)
{
    TempDir dir;
    RunResult r = first_run(dir, "al 2.5\no hw:1,0\nn take2.wav\nx\n");
    MenuValues v;
    v.atime = 2.5f;
    std::string out = first_run_text() + menu() + "\nEnter audition length in seconds\n" + tick + menu(v);
    v.device = "hw:1,0";
    out += "Enter new playback device name.\n" + tick + menu(v);
    v.save = "take2.wav";
    out += "Enter new output file name.\n" + tick + menu(v);
    EXPECT_EQ(r.out, out);
}

TEST(Menu, NamesLongerThanTheirFieldAreRefusedWhole)
{
    // The refused names end in "t": had their rest been read as a command,
    // the tempo prompt would show.
    TempDir dir;
    const std::string longDevice(15, 'd'), longSave(63, 's');
    RunResult r = first_run(dir, "o " + longDevice + "t\nn " + longSave + "t\no " + longDevice +
                                     "\nn " + longSave + "\nx\n");
    MenuValues v;
    std::string out = first_run_text() + menu() + "Enter new playback device name.\n" +
                      "The device name is longer than 15 characters; keeping 'default'.\n" + tick + menu() +
                      "Enter new output file name.\n" +
                      "The file name is longer than 63 characters; keeping 'click.wav'.\n" + tick + menu();
    v.device = longDevice;
    out += "Enter new playback device name.\n" + tick + menu(v);
    v.save = longSave;
    out += "Enter new output file name.\n" + tick + menu(v);
    EXPECT_EQ(r.out, out);
}

TEST(Menu, TooLowFrequencyIsReportedOnEveryPassThatUsesIt)
{
    TempDir dir;
    RunResult r = first_run(dir, "f 1\nf 60\nf 1\nx\n");
    MenuValues low;
    low.Hz = 1.0f;
    const std::string prompt = "\nEnter lowest frequency of click in Hz\n";
    EXPECT_EQ(r.out, first_run_text() + menu() + prompt + tooLow + tick + menu(low) + prompt + tick + menu() +
                         prompt + tooLow + tick + menu(low));
}

TEST(TrackLength, StartUpAndUpdateFormsRoundDifferently)
{
    UserSettings s;
    s.tempo = 100.0f;
    EXPECT_EQ(static_cast<double>(track_seconds_at_start(s)), 115.20000457763672);
    EXPECT_EQ(static_cast<double>(track_seconds_updated(s)), 115.19999694824219);
    s.meas = 100;
    s.tempo = 30.1f;
    EXPECT_EQ(static_cast<int64_t>(44100.0f * track_seconds_at_start(s)), 35162792);
    EXPECT_EQ(static_cast<int64_t>(44100.0f * track_seconds_updated(s)), 35162788);
    UserSettings d;
    EXPECT_EQ(track_seconds_at_start(d), 96.0f);
    d.tempo = 90.0f;
    EXPECT_EQ(track_seconds_updated(d), 128.0f);
}

TEST(Exit, ADialogueThatCouldNotBeWrittenIsReportedOnStandardError)
{
    TempDir dir;
    write_file(dir.file("in"), "1\n2\nx\n");
    const RunResult r = run_in_child([&] {
        const int in = open(dir.file("in").c_str(), O_RDONLY);
        const int full = open("/dev/full", O_WRONLY);
        if (in < 0 || full < 0 || dup2(in, 0) < 0 || dup2(full, 1) < 0 || chdir(dir.path.c_str()))
            _exit(127);
        execl(TIKVANE_BIN, "tikvane", static_cast<char*>(nullptr));
        _exit(127);
    });
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.err, "Could not write standard output: No space left on device\n");
}
