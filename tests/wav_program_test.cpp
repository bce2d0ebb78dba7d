// The writing commands `w`, `+` and `rtm` through the real program, from
// the first-run answers (44100 Hz and 24 bits) to the files they leave.
#include <gtest/gtest.h>

#include <string>

#include "support.h"

TEST(WavProgram, WWritesTheDefaultTrackAndPlusAddsToIt)
{
    TempDir dir;
    RunResult r = run_tikvane(dir.path, "1\n2\nw\n+\nx\n");
    EXPECT_EQ(r.out, first_run_text() + menu() + tick + menu() + tick + menu());
    EXPECT_EQ(r.status, 2);
    const std::string f = read_file(dir.file("click.wav"));
    ASSERT_EQ(f.size(), 44u + 2u * 12700800u);
    EXPECT_EQ(hex(f.substr(0, 8)), "52 49 46 46 24 99 83 01");
    EXPECT_EQ(le32(f, 40), 2u * 12700800u);
    EXPECT_TRUE(f.substr(44, 12700800) == f.substr(44 + 12700800));
}

TEST(WavProgram, PlusWithoutAFileOrOnAnotherLayoutStopsWithStatus2)
{
    TempDir dir;
    RunResult missing = run_tikvane(dir.path, "1\n2\n+\nx\n");
    EXPECT_EQ(missing.out, first_run_text() + menu() + tick +
                               "The requested filename does not exist!\n");
    EXPECT_EQ(missing.status, 2);
    EXPECT_FALSE(file_exists(dir.file("click.wav")));

    RunResult sixteen = run_tikvane(dir.path, "1\n1\nm\n1\nw\nx\n");
    ASSERT_EQ(sixteen.status, 2);
    const std::string before = read_file(dir.file("click.wav"));
    RunResult other = run_tikvane(dir.path, "1\n2\n+\nx\n");
    EXPECT_EQ(other.out, first_run_text() + menu() + tick + "Can't add to click.wav: it holds "
              "1 channel(s) at 44100 Hz, 16 bits; the settings write 1 channel at 44100 Hz, "
              "24 bits.\n");
    EXPECT_EQ(other.status, 2);
    EXPECT_EQ(read_file(dir.file("click.wav")), before);
}

TEST(WavProgram, RtmWritesTheHelpExampleAndTheMenuThenShowsItsLastTempo)
{
    TempDir dir;
    write_file(dir.file("tmap.txt"), "tmap\t120\t4\t48\ntmap\t160\t3\t16\n");
    RunResult r = run_tikvane(dir.path, "1\n2\nrtm\nw\nx\n");
    MenuValues after;
    after.tempo = 160.0f;
    EXPECT_EQ(r.out, first_run_text() + menu() + tick + "Parsing tmap file..\n"
                     "Found 2 map entries.\n" + menu(after) + tick + menu(after));
    // The `w` after `rtm` writes the last section again: 18 s at 160 bpm.
    const std::string f = read_file(dir.file("click.wav"));
    EXPECT_EQ(f.size(), 44u + 3u * 793800u);
    EXPECT_EQ(le32(f, 40), 3u * 793800u);

    RunResult only = run_tikvane(dir.path, "1\n2\nrtm\nx\n");
    EXPECT_EQ(only.status, 2);
    EXPECT_EQ(read_file(dir.file("click.wav")).size(), 15082244u);
    EXPECT_EQ(le32(read_file(dir.file("click.wav")), 4), 15082236u);
}

TEST(WavProgram, AFullDiskIsReportedNotTakenForSuccess)
{
    TempDir dir;
    write_file(dir.file("tiklora.txt"), "save\t/dev/full\n");
    RunResult r = run_tikvane(dir.path, "w\nx\n");
    EXPECT_EQ(r.status, 2);
    EXPECT_TRUE(ends_with(r.out, "Could not write /dev/full: No space left on device\n"));
}
