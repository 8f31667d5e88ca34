#include "database/song_file.h"

#include <gtest/gtest.h>

namespace hv {
namespace {

TEST(SongFile, LayoutIsChosenByNameCaseSensitively) {
    EXPECT_EQ(songLayoutFor("mysongs.txt"), SongLayout::Generic);
    EXPECT_EQ(songLayoutFor("list2005.txt"), SongLayout::List2005);
    EXPECT_EQ(songLayoutFor("old/2004.txt"), SongLayout::List2004);
    EXPECT_EQ(songLayoutFor("2006.txt"), SongLayout::List2006);
    // 2005 before 2004 before 2006, wherever they stand in the name.
    EXPECT_EQ(songLayoutFor("2004.txt-2005.txt"), SongLayout::List2005);
    EXPECT_EQ(songLayoutFor("2006.txt/2004.txt"), SongLayout::List2004);
    EXPECT_EQ(songLayoutFor("LIST2005.TXT"), SongLayout::Generic);
}

TEST(SongFile, EachLayoutTakesItsOwnFields) {
    Song g = parseSongLine("7\tQueen\tBohemian Rhapsody\t1975\t   3\t0:05:55\t12\tx",
                           SongLayout::Generic);
    EXPECT_EQ(g.place, 7);
    EXPECT_EQ(g.artist, fitName("Queen"));
    EXPECT_EQ(g.year, 1975);
    EXPECT_EQ(g.prevRank, 3);
    EXPECT_EQ(g.duration, "05:55");
    EXPECT_EQ(g.votes, 12);

    Song a = parseSongLine("1\tA\tB\t1999\t5\t0:03:00\t44", SongLayout::List2004);
    EXPECT_EQ(a.prevRank, 5);
    EXPECT_EQ(a.duration, "00:00");  // this layout has no time
    EXPECT_EQ(a.votes, 0);

    Song b = parseSongLine("2\tA\tB\t1999\t8\tx\tx\tx\tx\t9\t0:03:10\t77", SongLayout::List2005);
    EXPECT_EQ(b.prevRank, 8);
    EXPECT_EQ(b.duration, "03:10");
    EXPECT_EQ(b.votes, 0);

    // Missing fields read as empty: a new song without a time.
    Song d = parseSongLine("4\tOnly Artist", SongLayout::Generic);
    EXPECT_EQ(d.song, fitName(""));
    EXPECT_EQ(d.prevRank, kNewSong);
    EXPECT_EQ(d.duration, "00:00");
}

TEST(SongFile, DurationAndHeaderYearRules) {
    EXPECT_EQ(shortenDuration("0:04:12"), "04:12");
    EXPECT_EQ(shortenDuration("3:58"), "3:58");
    EXPECT_EQ(shortenDuration("12:04:12"), ":04:1");

    EXPECT_EQ(chartYearFromHeader("2007  Artist", "list2003.txt", 2026), 2007);
    EXPECT_EQ(chartYearFromHeader("Artist  Song", "list2003.txt", 2026), 2003);
    EXPECT_EQ(chartYearFromHeader("Artist  Song", "list.txt", 2026), 2026);
    EXPECT_EQ(chartYearFromHeader("1900", "list.txt", 2026), 2026);  // strictly between
    EXPECT_EQ(chartYearFromHeader("2100", "list2001.txt", 2026), 2001);
    // 1999 to 2010 are tried in order, so the later year wins.
    EXPECT_EQ(chartYearFromHeader("", "2010-vs-1999.txt", 2026), 2010);
}

}  // namespace
}  // namespace hv
