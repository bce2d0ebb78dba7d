// The tempo map parser on texts of every shape a user may write, and the
// reader's messages and exits through the real program.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "support.h"
#include "tempomap/tempomap.h"

namespace {

// "tempo/meter/meas;" for each entry parsed from `text`.
std::string parse(std::string text)
{
    std::string shown;
    for (const TempoMapEntry& e : parse_tempo_map_text(&text[0], "tmap")) {
        char one[64];
        std::snprintf(one, sizeof one, "%.9g/%d/%d;", e.tempo, e.meter, e.meas);
        shown += one;
    }
    return shown;
}

}  // namespace

TEST(TempoMap, HelpExampleGivesItsTwoSections)
{
    EXPECT_EQ(parse("tmap\t120\t4\t48\ntmap\t160\t3\t16\n"), "120/4/48;160/3/16;");
    EXPECT_EQ(parse("tmap\t120\t4\t48\r\ntmap\t160\t3\t16\r\n"), "120/4/48;160/3/16;");
}

TEST(TempoMap, CommentsBlankLinesAndTabsAroundDoNotDisturbEntries)
{
    EXPECT_EQ(parse("Song title\n\n\t\ttmap\t100\t4\t8\nintro\ttmap\t100\t4\t8\n"
                    "tmap\t92.5\t7\t2\tverse\n"),
              "100/4/8;100/4/8;92.5/7/2;");
    EXPECT_EQ(parse("  tmap\t100\t4\t8\ntmap 100 4 8\nTMAP\t1\t2\t3\n"), "");
}

TEST(TempoMap, FieldsConvertTheirLeadingNumberOnly)
{
    EXPECT_EQ(parse("tmap\tfast\t4\t12b\n"), "0/4/12;");
    EXPECT_EQ(parse("tmap\t-60\t-3\t4294967297\n"), "-60/-3/1;");
}

TEST(TempoMap, ShortLineBorrowsTheFollowingTokens)
{
    EXPECT_EQ(parse("tmap\t120\t4\ntmap\t160\t3\t16\n"), "120/4/160;");
}

TEST(TempoMap, KeywordNearTheEndGivesZeroForMissingFields)
{
    EXPECT_EQ(parse("tmap\t120\t4"), "120/4/0;");
    EXPECT_EQ(parse("tmap"), "0/0/0;");
}

TEST(TempoMap, TextAfterANulIsIgnored)
{
    const char text[] = "tmap\t120\t4\t48\n\0tmap\t160\t3\t16\n";
    EXPECT_EQ(parse(std::string(text, sizeof text - 1)), "120/4/48;");
}

TEST(TempoMap, MoreThanTwoHundredFiftyFiveEntriesAreAllKept)
{
    std::string text;
    for (int i = 1; i <= 300; ++i) text += "tmap\t" + std::to_string(i) + "\t4\t1\n";
    const std::string shown = parse(text);
    EXPECT_EQ(std::count(shown.begin(), shown.end(), ';'), 300);
    EXPECT_NE(shown.find("300/4/1;"), std::string::npos);
}

TEST(TempoMapReader, MissingFileEndsWithStatusTwoAndWritesNothing)
{
    TempDir dir;
    write_file(dir.file("tiklora.txt"), "map\tnone.txt\n");
    const RunResult r = run_tikvane(dir.path, "rtm\n");
    EXPECT_EQ(r.status, 2);
    EXPECT_NE(r.out.find("\nThe requested filename does not exist!\n"), std::string::npos);
    EXPECT_EQ(r.out.find("Parsing"), std::string::npos);
    EXPECT_FALSE(file_exists(dir.file("click.wav")));
}

TEST(TempoMapReader, MapWithoutEntriesSaysSoAndWritesNothing)
{
    TempDir dir;
    write_file(dir.file("tiklora.txt"), "bits\t16\n");
    write_file(dir.file("tmap.txt"), "tmap 120 4 48\n");
    const RunResult r = run_tikvane(dir.path, "rtm\n");
    EXPECT_EQ(r.status, 2);
    EXPECT_TRUE(ends_with(r.out, "Parsing tmap file..\nCould not find tempo entries in map file.\n"));
    EXPECT_FALSE(file_exists(dir.file("click.wav")));
}

TEST(TempoMapReader, OneEntryIsCountedWithTheSameWording)
{
    TempDir dir;
    write_file(dir.file("tiklora.txt"), "bits\t16\nsave\tone.wav\n");
    write_file(dir.file("tmap.txt"), "tmap\t120\t4\t1\n");
    const RunResult r = run_tikvane(dir.path, "rtm\nx\n");
    EXPECT_EQ(r.status, 2);
    EXPECT_NE(r.out.find("Parsing tmap file..\nFound 1 map entries.\n"), std::string::npos);
    EXPECT_TRUE(file_exists(dir.file("one.wav")));
}
