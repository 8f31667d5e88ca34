#include "stats/song_lengths.h"

#include <gtest/gtest.h>

#include "console/main_commands.h"
#include "database/song_list_fixtures.h"
#include "stats/song_lengths_screen.h"

namespace hv {

namespace {

// Rows as "artist:songs:average:total", the name unpadded.
std::string describe(const SongTable& songs, LengthKind kind) {
    auto trim = [](std::string text) { return text.erase(text.find_last_not_of(' ') + 1); };
    std::string out;
    for (const BandRow& r : buildSongLengths(songs, kind).rows)
        out += trim(r.name) + ":" + std::to_string(r.songCount) + ":" + r.averageText + ":" +
               r.lengthText + " ";
    return out;
}

}  // namespace

TEST(SongLengths, DurationTextsAndTotals) {
    // Leading zeros blanked, days dropped; the texts order as the seconds do.
    EXPECT_EQ(formatDuration(5025), " 1:23:45");
    EXPECT_EQ(formatDuration(90061), " 1:01:01");
    for (int s = 0; s + 1 < 24 * 3600; ++s)
        ASSERT_LT(formatDuration(s), formatDuration(s + 1)) << s;

    // An artist's time is only "mm:ss"; the list's playing time also "hh:mm:ss".
    const std::tuple<const char*, int, int> parsed[] = {
        {"60:00", 3600, 3600}, {" 3:25", -1, 0},       {"3:25", -1, 0},
        {"0:03:30", -1, 0},    {"01:02:03", -1, 3723},
    };
    for (const auto& [text, artistTime, listTime] : parsed) {
        EXPECT_EQ(minutesSecondsValue(text).value_or(-1), artistTime) << text;
        EXPECT_EQ(listDurationSeconds(text), listTime) << text;
    }
}

TEST(SongLengths, KindsAndTheThreeSongRule) {
    // Equal averages keep the order of the total; Two (too few songs) and Silent stay unlisted.
    const std::pair<const char*, const char*> artistRows[] = {
        {"Few", "03:00"},    {"Many", "03:00"}, {"Few", "03:00"},    {"Many", "03:00"},
        {"Few", "03:00"},    {"Many", "03:00"}, {"Many", "03:00"},   {"Two", "10:00"},
        {"Bad", "03:00"},    {"Two", "09:00"},  {"Silent", "00:00"}, {"Bad", "03:00"},
        {"Silent", "00:00"}, {"Bad", " 3:00"},  {"Silent", "00:00"}, {"Bad", "03:00"},
    };
    SongTable artists;
    for (auto [artist, duration] : artistRows)
        test::addSong(artists, artist, "Song", 2000, 9999, duration);
    EXPECT_EQ(describe(artists, LengthKind::average),
              "Many:4:    3:00:   12:00 Few:3:    3:00:    9:00 Bad:4:    2:15:    9:00 "
              "Two:0:    0:00:   19:00 Silent:0:    0:00:    0:00 ");
}

TEST(SongLengths, Screen) {
    test::TestApp t;
    t.addSong("Queen", "Bohemian Rhapsody", 1975, 9999, "05:55");
    t.addSong("Simon & Garfunkel", "The Boxer <live>", 1969, 9999, "05:08");
    t.addSong("Queen", "Radio Ga Ga", 1984, 9999, "00:00");
    t.addSong("ABBA", "Waterloo", 1974, 9999, "02:46");
    t.addSong("Queen", "Don't Stop Me Now", 1979, 9999, "03:29");
    EXPECT_THROW(runCommandKey(t.app, 'T'), ScriptExhausted);
    EXPECT_TRUE(test::showsGolden(t, "tests/stats/data/song_lengths_screen.txt"));
}

}  // namespace hv
