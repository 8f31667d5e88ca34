#include "stats/song_lengths.h"

#include <gtest/gtest.h>

#include <random>

#include "console/main_commands.h"
#include "database/song_list_fixtures.h"
#include "stats/artist_grouping.h"
#include "stats/song_lengths_screen.h"

namespace hv {

namespace {

// Rows as "artist:title:length" or "artist:songs:average:total", unpadded.
std::string describe(const SongTable& songs, LengthKind kind) {
    auto trim = [](std::string text) { return text.erase(text.find_last_not_of(' ') + 1); };
    std::string out;
    for (const BandRow& r : buildSongLengths(songs, kind).rows)
        out += trim(r.name) + ":" +
               (isSongKind(kind) ? trim(r.bestSong)
                                 : std::to_string(r.songCount) + ":" + r.averageText) +
               ":" + r.lengthText + " ";
    return out;
}

}  // namespace

TEST(SongLengths, DurationTextsAndTotals) {
    // Leading zeros blanked, days dropped; the texts order as the seconds do.
    const std::pair<int, const char*> formatted[] = {
        {205, "    3:25"}, {5025, " 1:23:45"}, {24 * 3600, "    0:00"}, {90061, " 1:01:01"}};
    for (const auto& [seconds, text] : formatted)
        EXPECT_EQ(formatDuration(seconds), text) << seconds;
    for (int s = 0; s + 1 < 24 * 3600; ++s)
        ASSERT_LT(formatDuration(s), formatDuration(s + 1)) << s;

    // An artist's time is only "mm:ss"; the list's playing time also "hh:mm:ss".
    const std::tuple<const char*, int, int> parsed[] = {
        {"03:25", 205, 205}, {"60:00", 3600, 3600}, {" 3:25", -1, 0},       {"3:25", -1, 0},
        {"0:03:30", -1, 0},  {"", -1, 0},           {"01:02:03", -1, 3723}, {"1x:02:03", -1, 0},
    };
    for (const auto& [text, artistTime, listTime] : parsed) {
        EXPECT_EQ(minutesSecondsValue(text).value_or(-1), artistTime) << text;
        EXPECT_EQ(listDurationSeconds(text), listTime) << text;
    }

    // 24 hours make a day; an unreadable time still counts in the divisor.
    const std::pair<std::vector<std::string>, const char*> lists[] = {
        {std::vector<std::string>(24, "60:00"),
         "Total Music  1 days and  0:00:00, Average Song Time  0:00"},
        {{"04:00", "xx:yy", "00:00", "01:00:00"},
         "Total Music  0 days and  1:04:00, Average Song Time 16:00"},
        {{}, "Total Music  0 days and  0:00:00, Average Song Time  0:00"},
    };
    for (const auto& [durations, expected] : lists) {
        SongTable songs;
        for (const std::string& d : durations) test::addSong(songs, "A", "B", 2000, 9999, d);
        SongLengths lengths = buildSongLengths(songs, LengthKind::longest);
        EXPECT_EQ(lengths.totalText + ", " + lengths.averageText, expected);
    }
}

TEST(SongLengths, KindsAndTheThreeSongRule) {
    // Equal song texts keep their list order either way.
    SongTable songs;
    for (auto [title, length] :
         {std::pair{"First", "03:25"}, {"None", "00:00"}, {"Long", "12:01"}, {"Second", "03:25"}})
        test::addSong(songs, "A", title, 2000, 9999, length);
    EXPECT_EQ(describe(songs, LengthKind::shortest),
              "A:None:00:00 A:First:03:25 A:Second:03:25 A:Long:12:01 ");
    EXPECT_EQ(describe(songs, LengthKind::longest),
              "A:Long:12:01 A:First:03:25 A:Second:03:25 A:None:00:00 ");

    // Equal averages keep the order of the total; Two (too few songs) and Silent stay unlisted.
    SongTable artists;
    const std::pair<const char*, const char*> list[] = {
        {"Few", "03:00"},    {"Many", "03:00"}, {"Few", "03:00"},    {"Many", "03:00"},
        {"Few", "03:00"},    {"Many", "03:00"}, {"Many", "03:00"},   {"Two", "10:00"},
        {"Bad", "03:00"},    {"Two", "09:00"},  {"Silent", "00:00"}, {"Bad", "03:00"},
        {"Silent", "00:00"}, {"Bad", " 3:00"},  {"Silent", "00:00"}, {"Bad", "03:00"},
    };
    for (const auto& [artist, duration] : list)
        test::addSong(artists, artist, "Song", 2000, 9999, duration);
    EXPECT_EQ(describe(artists, LengthKind::average),
              "Many:4:    3:00:   12:00 Few:3:    3:00:    9:00 Bad:4:    2:15:    9:00 "
              "Two:0:    0:00:   19:00 Silent:0:    0:00:    0:00 ");
}

TEST(SongLengths, IndexedGroupingMatchesTheScan) {
    auto fields = [](const std::vector<BandRow>& rows) {
        std::vector<std::tuple<std::string, std::string, int, int, int>> out;
        for (const BandRow& r : rows)
            out.emplace_back(r.name, r.bestSong, r.songCount, r.points, r.bestPlace);
        return out;
    };
    std::mt19937 random(99);
    for (int round = 0; round < 30; ++round) {
        SongTable songs;
        // Now and then an unpadded field: a short name captures longer ones.
        for (int r = 0; r < 400; ++r) {
            std::string name = (random() % 7 ? "Band " : "band ") + std::to_string(random() % 60);
            test::addSong(songs, name, "Song " + std::to_string(r));
            if (round % 3 == 0 && random() % 20 == 0) songs.rows[r].artist = name.substr(0, 6);
        }
        ArtistGroups groups = groupSongsByArtist(songs);
        std::vector<BandRow> literal = groupByArtist(songs);
        ASSERT_EQ(fields(groups.rows), fields(literal)) << round;
        for (int r = 0; r < songs.count; ++r)
            ASSERT_EQ(groups.groupOfSong[r], findArtistGroup(literal, songs.rows[r].artist));
    }
}

TEST(SongLengths, ScreenKeysAndPages) {
    test::TestApp t;
    t.addSong("Queen", "Bohemian Rhapsody", 1975, 9999, "05:55");
    t.addSong("Simon & Garfunkel", "The Boxer <live>", 1969, 9999, "05:08");
    t.addSong("Queen", "Radio Ga Ga", 1984, 9999, "00:00");
    t.addSong("ABBA", "Waterloo", 1974, 9999, "02:46");
    t.addSong("Queen", "Don't Stop Me Now", 1979, 9999, "03:29");
    t.writeFile("base2.htm", test::htmlData("template.htm"));

    EXPECT_THROW(runCommandKey(t.app, 'T'), ScriptExhausted);
    EXPECT_TRUE(test::showsGolden(t, "tests/stats/data/song_lengths_screen.txt"));
    t.keys.key('S').key('H').text("y");
    EXPECT_THROW(runCommandKey(t.app, 'T'), ScriptExhausted);
    EXPECT_EQ(t.readFile("time1.htm"),
              readWholeFile(test::sourcePath("tests/stats/data/time1.htm")).value());

    // Per artist, then by average (only Queen has three songs).
    t.keys.key('B').key('H').text("n");
    EXPECT_THROW(runCommandKey(t.app, 'T'), ScriptExhausted);
    EXPECT_EQ(t.row(3), "    1. Queen                             3        9:24        3:08" +
                            std::string(14, ' '));
    EXPECT_NE(t.readFile("time2.htm").find("\n   2. Simon &amp; Garfunkel    "), std::string::npos);
    t.keys.key('A').key('H').text("n");
    EXPECT_THROW(runCommandKey(t.app, 'T'), ScriptExhausted);
    EXPECT_TRUE(test::shows(t, {{3, 0, "    1. Queen       "}, {4, 0, std::string(80, ' ')}}));
    EXPECT_NE(t.readFile("time3.htm").find("\n   1. Queen      "), std::string::npos);
    EXPECT_EQ(t.readFile("time3.htm").find("   2. "), std::string::npos);
}

}  // namespace hv
