#include "stats/top_artists.h"

#include <gtest/gtest.h>

#include <random>

#include "console/main_commands.h"
#include "database/song_list_fixtures.h"
#include "stats/artist_grouping.h"
#include "stats/top_artists_screen.h"

namespace hv {

TEST(TopArtists, ModesTiesAndTheCut) {
    // Averages truncate, ties keep list order; most popular scores songs / minimum.
    const std::string pq = std::string(12, 'P') + std::string(9, 'Q');
    const std::tuple<std::string, int, int, std::string, std::vector<int>> cases[] = {
        {"BAABCD", kModeSongCount, 1, "BACD", {2, 2, 1, 1}},
        {"BAABCD", kModeAverageRanking, 1, "BACD", {4, 4, 2, 1}},
        {pq, kModeMostPopular, 5, "PQ", {30, 5}},
        {pq, kModeMostPopular, 10, "P", {15}}};
    for (const auto& [list, mode, minimum, expected, scores] : cases) {
        SongTable songs;  // one song per letter, the artist named by it
        for (char c : list) test::addSong(songs, std::string(3, c), "Song");
        std::string names;
        std::vector<int> got;
        for (const BandRow& row : rankArtists(songs, mode, minimum)) {
            names += row.name[0];
            got.push_back(row.score);
        }
        EXPECT_EQ(std::tie(names, got), std::tie(expected, scores))
            << list << " " << mode << " " << minimum;
    }
}

TEST(TopArtists, IndexedGroupingGivesTheScansRanking) {
    // Padded and full-width names, repeats, and unpadded fields that occur
    // inside others (a short name captures every later field holding it).
    const std::string full(kNameWidth, 'X');
    const std::vector<std::string> padded = {fitName("Queen"), fitName("Queen & Bowie"), full,
                                             fitName("ABBA"), fitName("X")};
    const std::vector<std::string> raw = {"Queen", "Que",  "een",      "",  " ",
                                          "X",     "ABBA", full + "Y", "XX"};
    auto fields = [](const std::vector<BandRow>& rows) {
        std::vector<std::tuple<std::string, std::string, int, int, int, int>> out;
        for (const BandRow& r : rows)
            out.emplace_back(r.name, r.bestSong, r.songCount, r.points, r.score, r.bestPlace);
        return out;
    };
    std::mt19937 random(1313);
    for (int round = 0; round < 60; ++round) {
        SongTable songs;
        int unpadded = round % 4 == 0 ? 0 : static_cast<int>(random() % 8);
        for (int r = 0, n = static_cast<int>(random() % 120); r < n; ++r) {
            Song& song = test::addSong(songs, padded[random() % padded.size()],
                                       "Song " + std::to_string(random() % 9));
            if (static_cast<int>(random() % 100) < unpadded * 3)
                song.artist = raw[random() % raw.size()];
        }
        ArtistGroups groups = groupSongsByArtist(songs);
        std::vector<BandRow> scanned = groupByArtist(songs);
        ASSERT_EQ(fields(groups.rows), fields(scanned)) << round;
        for (int r = 0; r < songs.count; ++r)
            ASSERT_EQ(groups.groupOfSong[r], findArtistGroup(scanned, songs.rows[r].artist));
        for (int mode = kModeSongCount; mode <= kModeMostPopular; ++mode)
            for (int minimum : {1, 2, 5})
                ASSERT_EQ(fields(rankArtists(songs, mode, minimum)),
                          fields(rankArtistGroups(scanned, mode, minimum)))
                    << round << " " << mode << " " << minimum;
    }
}

TEST(TopArtistsScreen, Keys) {
    test::TestApp t;
    t.addSong("Queen", "Bohemian Rhapsody", 1975, 3);
    t.addSong("Simon & Garfunkel", "The Boxer", 1969, 0);
    t.addSong("Queen", "Don't Stop Me Now", 1979, 1);
    t.addSong("The \"Quoted\" Band", "A<B>C & D", 2001, 30);
    t.addSong("Queen", "Radio Ga Ga", 0, 9999);
    t.app.songs.changeCount = 2;

    // (-) stops at 1; G without template keeps the list.
    for (int i = 0; i < 6; ++i) t.keys.key(kKeyMinus);
    t.keys.key(kKeyEnd).key(kKeyPageDown).key(kKeyDown).key('G').text("x");
    EXPECT_THROW(runCommandKey(t.app, 'A'), ScriptExhausted);
    EXPECT_TRUE(test::showsGolden(t, "tests/stats/data/top_artists_screen.txt"));
    EXPECT_FALSE(t.exists("artist.htm"));
    EXPECT_EQ(std::pair(t.app.songs.count, t.app.songs.changeCount), std::pair(5, 2));
}

}  // namespace hv
