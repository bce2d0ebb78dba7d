// The settings file as the reader sees it: each case writes a real
// tiklora.txt-like file, hands its stream to the reader and checks every
// field, so a rule that changes one field and disturbs another shows.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <unistd.h>

#include "settings/settings.h"
#include "support.h"

namespace {

UserSettings read_settings(const std::string& text)
{
    TempDir dir;
    write_file(dir.file("tiklora.txt"), text);
    UserSettings f;
    std::FILE* stream = std::fopen(dir.file("tiklora.txt").c_str(), "r");
    GET_PARAMS(stream, &f.rate, &f.bits, f.device, &f.tempo, &f.Hz, &f.atime, &f.meter, &f.meas,
               f.save, f.map);
    return f;
}

std::string describe(const UserSettings& f)
{
    char text[512];
    std::snprintf(text, sizeof text, "%u|%d|%s|%.9g|%.9g|%.9g|%d|%d|%s|%s", f.rate, f.bits,
                  f.device, f.tempo, f.Hz, f.atime, f.meter, f.meas, f.save, f.map);
    return text;
}

const std::string defaults = "44100|24|default|120|60|10|4|48|click.wav|tmap.txt";

// Runs WriteParams in `dir` and returns what it printed.
std::string save_in(const TempDir& dir, const UserSettings& f)
{
    char previous[4096];
    EXPECT_NE(getcwd(previous, sizeof previous), nullptr);
    EXPECT_EQ(chdir(dir.path.c_str()), 0);
    testing::internal::CaptureStdout();
    WriteParams(f.device, f.rate, f.Hz, f.bits, f.tempo, f.meter, f.meas, f.atime, f.save, f.map);
    std::fflush(stdout);
    std::string out = testing::internal::GetCapturedStdout();
    EXPECT_EQ(chdir(previous), 0);
    return out;
}

}  // namespace

TEST(SettingsFile, SavedFloatsKeepTheirShownDecimalsAndRateKeepsItsThirtyTwoBits)
{
    TempDir dir;
    UserSettings f;
    f.tempo = 97.333f;
    f.atime = 2.34f;
    f.rate = 4294967295u;
    save_in(dir, f);
    const std::string text = read_file(dir.file("tiklora.txt"));
    EXPECT_NE(text.find("rate\t-1\n"), std::string::npos);
    EXPECT_NE(text.find("tempo\t97.33\n"), std::string::npos);
    EXPECT_NE(text.find("atime\t2.3\n"), std::string::npos);
    const UserSettings back = read_settings(text);
    EXPECT_EQ(back.rate, 4294967295u);
    EXPECT_EQ(back.tempo, 97.33f);
    EXPECT_EQ(back.atime, 2.3f);
}

TEST(SettingsFile, SaveIntoAFullDiskSaysWhyAndNotSaved)
{
    TempDir dir;
    ASSERT_EQ(symlink("/dev/full", dir.file("tiklora.txt").c_str()), 0);
    const std::string out = save_in(dir, UserSettings());
    EXPECT_EQ(out, "Could not save settings to 'tiklora.txt': No space left on device\n");
}

TEST(SettingsFile, OneLineChangesOnlyItsField)
{
    EXPECT_EQ(describe(read_settings("map\tsongs.txt\n")),
              "44100|24|default|120|60|10|4|48|click.wav|songs.txt");
    EXPECT_EQ(describe(read_settings("")), defaults);
}

TEST(SettingsFile, SeparatorsBlankInsteadOfTabAndSecondSeparatorJoinsTheText)
{
    EXPECT_EQ(describe(read_settings("tempo 90\nsave out.wav\n")),
              "44100|24|default|90|60|10|4|48|out.wav|tmap.txt");
    EXPECT_EQ(describe(read_settings("meter\t\t7\nsave\t my take.wav\n")),
              "44100|24|default|120|60|10|7|48| my take.wav|tmap.txt");
}

TEST(SettingsFile, CarriageReturnsStayOnTextValuesOnly)
{
    EXPECT_EQ(describe(read_settings("rate\t48000\r\ndevice\thw:1\r\nHz\t80.5\r\nmap\tm.txt\r\n")),
              "48000|24|hw:1\r|120|80.5|10|4|48|click.wav|m.txt\r");
}

TEST(SettingsFile, KeyAloneOnItsLineTakesTheWholeNextLine)
{
    EXPECT_EQ(describe(read_settings("device\nbits\t16\n")),
              "44100|24|bits\t16|120|60|10|4|48|click.wav|tmap.txt");
    EXPECT_EQ(describe(read_settings("save\tmap\nmap\ttmap2.txt\n")),
              "44100|24|default|120|60|10|4|48|map|tmap2.txt");
}

TEST(SettingsFile, KeysInsideFreeTextAreReadAndOtherCasesPassedOver)
{
    EXPECT_EQ(describe(read_settings("the sample rate 32000 is fine\n")).substr(0, 6), "32000|");
    EXPECT_EQ(describe(read_settings("my rate is high\n")).substr(0, 2), "0|");
    EXPECT_EQ(describe(read_settings("a rate\nmeter\t3\n")), "0|24|default|120|60|10|4|48|click.wav|tmap.txt");
    EXPECT_EQ(describe(read_settings("Rate\t8000\nhz\t1\n")), defaults);
    EXPECT_EQ(describe(read_settings("tempo\t1\ntempo\t2\n")).substr(0, 18), "44100|24|default|2");
}

TEST(SettingsFile, KeyAtTheEndWithoutValueKeepsTheField)
{
    EXPECT_EQ(describe(read_settings("tempo\t80\nsave")),
              "44100|24|default|80|60|10|4|48|click.wav|tmap.txt");
    EXPECT_EQ(describe(read_settings("device\n\n\n")), defaults);
}

TEST(SettingsFile, LongValuesAreCutAtTheFieldAndBigFilesReadWhole)
{
    const std::string padding(5000, '#');
    const UserSettings f = read_settings(padding + "\ndevice\t" + std::string(40, 'd') + "\nsave\t" +
                                   std::string(100, 's') + "\nmap\t" + std::string(300, 'm') +
                                   "\nbits\t16\n");
    EXPECT_EQ(std::string(f.device), std::string(15, 'd'));
    EXPECT_EQ(std::string(f.save), std::string(63, 's'));
    EXPECT_EQ(std::string(f.map), std::string(127, 'm'));
    EXPECT_EQ(f.bits, 16);
}
